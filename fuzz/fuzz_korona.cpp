// The corona files KoronaX\HR<year>.csv: the start-up loader over one to
// three yearly files (the first byte chooses how many, the rest is cut into
// that many equal parts) and the rotation columns of the butterfly diagram
// built from the table.
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "graphs/butterfly_model.h"
#include "graphs/corona.h"
#include "records/program_dir.h"

using namespace hk;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::string_view bytes = fuzz::AsText(data + 1, size - 1);
    const std::size_t files = 1 + data[0] % 3;
    const std::size_t part = bytes.size() / files;
    std::filesystem::remove_all(fuzz::WorkFolder() / "KoronaX");
    for (std::size_t i = 0; i < files; ++i) {
        const std::size_t len = i + 1 == files ? bytes.size() - i * part : part;
        fuzz::PutFile("KoronaX/HR" + std::to_string(CoronaFirstYear + i) + ".csv",
                      bytes.substr(i * part, len));
    }
    const CoronaLoad load = LoadCorona(ProgramDir(fuzz::WorkFolder()));
    const CoronaTable& t = load.table;
    // The table holds whole day rows, and coronaLength counts its bytes.
    if (t.coronaBytes.size() % CoronaRowBytes != 0) __builtin_trap();
    if (t.present() != !t.coronaBytes.empty()) __builtin_trap();
    if (t.present() && t.coronaLength != t.coronaBytes.size()) __builtin_trap();
    if (load.years < 1 || load.years > static_cast<int>(files)) __builtin_trap();
    const std::vector<CoronaColumn> columns = CoronaColumns(t);
    if (t.present() == columns.empty()) __builtin_trap();
    return 0;
}
