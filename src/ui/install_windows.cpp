#include "ui/install_windows.h"

#include "ui/hlavni.h"
#include "ui/novdat.h"
#include "ui/vybrat.h"

namespace hk {

void installWindows(HlavniWindow& hlavni) {
    VybratWindow::vytvor(hlavni);
    installNovdat(hlavni);
}

} // namespace hk
