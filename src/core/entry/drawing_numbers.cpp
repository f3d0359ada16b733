#include "entry/drawing_numbers.h"

namespace hk {

void SwitchDrawingNumbersOff(Session& session) {
    session.CislovaniZakresu = false;
    for (int k = 1; k <= session.PocetZaznamu(); ++k)
        if (session.record(k).CisloZakresu != 0) session.mutableRecord(k).CisloZakresu = 0;
    session.AktualniZaznam.CisloZakresu = 0;
}

} // namespace hk
