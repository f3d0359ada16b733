#include "records/record_file.h"

#include <fstream>
#include <stdexcept>

#include "io/atomic_file.h"

namespace hk {

RecordFileContents ReadRecordFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Nelze otevřít soubor \"" + path.string() + "\"");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) throw std::runtime_error("Nelze číst soubor \"" + path.string() + "\"");
    in.seekg(0);

    RecordFileContents out;
    const auto count = static_cast<std::size_t>(size) / RecordSize;
    out.trailingBytes = static_cast<std::size_t>(size) % RecordSize;
    // Read straight into the records: one block read of the whole records.
    out.records.resize(count);
    in.read(reinterpret_cast<char*>(out.records.data()), static_cast<std::streamsize>(count * RecordSize));
    if (static_cast<std::size_t>(in.gcount()) != count * RecordSize)
        throw std::runtime_error("Chyba při čtení souboru \"" + path.string() + "\"");
    return out;
}

std::string_view RecordBytes(std::span<const TZaznam> records) {
    return {reinterpret_cast<const char*>(records.data()), records.size() * RecordSize};
}

void WriteRecordFile(const std::filesystem::path& path, std::span<const TZaznam> records) {
    WriteFileAtomic(path, RecordBytes(records));
}

} // namespace hk
