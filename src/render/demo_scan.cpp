#include "render/demo_scan.h"

#include <QImage>

#include "demo/drawn_scan.h"
#include "records/program_dir.h"
#include "records/record.h"
#include "records/record_file.h"
#include "render/jpeg_writer.h"

namespace hk {

std::optional<std::filesystem::path> WriteDemoScan(const std::filesystem::path& dir) {
    const RecordFileContents file = ReadRecordFile(ProgramDir(dir).resolve("datax.dat"));
    if (file.records.empty()) return std::nullopt;
    const TZaznam& newest = file.records.back();
    const auto date = RecordDate(newest);
    if (!date) return std::nullopt;
    const drawn_scans::DrawnScan scan = drawn_scans::DrawRecordScan(newest);
    const QImage image(scan.pixels.data(), scan.side, scan.side, scan.side,
                       QImage::Format_Grayscale8);
    const std::filesystem::path path = dir / ("Sken " + FormatDatum(*date) + ".png");
    SaveImage(image, path);
    return path;
}

} // namespace hk
