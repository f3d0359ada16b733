#include "ui/support/frame_fixture.h"

#include <QTest>

#include "records/record_file.h"
#include "ui/entry/record_list_window.h"

namespace hk::test {

std::vector<TZaznam> DayRecords(int n) {
    std::vector<TZaznam> out(static_cast<std::size_t>(n));
    const int first = DaySerial({2020, 1, 1});
    for (int k = 1; k <= n; ++k) {
        TZaznam& z = out[static_cast<std::size_t>(k - 1)];
        z.Datum.setText(FormatDatum(DateFromSerial(first + k - 1)));
        z.Cas = 705;
        z.Pozorovatel.setText("Nováček");
        z.CisloZakresu = static_cast<std::uint16_t>(k * 100 + 21);
    }
    if (n > 0) out.front().NastaveniKresby = 125;
    return out;
}

Frame::Frame(const std::vector<TZaznam>& records, Run run) : session(dir.path()) {
    if (!records.empty()) WriteRecordFile(dir.path() / "datax.dat", records);
    mainWindow = std::make_unique<MainWindow>(session, messages);
    if (run != Run::NotStarted && !(run == Run::WithList ? startWithList() : start()))
        qFatal("start-up failed: %s", qPrintable(messages.messages.join('|')));
}

void Frame::copyIn(const std::filesystem::path& source) {
    std::filesystem::copy(source, dir.path(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

bool Frame::start(DrawingSetting settings, Date today) {
    mainWindow->askDrawingSettingFn = [this, settings] {
        ++settingAsked;
        return settings;
    };
    return mainWindow->startUp(screen, today);
}

bool Frame::startWithList(DrawingSetting settings, Date today) {
    if (!start(settings, today)) return false;
    mainWindow->setRecordList(RecordListWindow::createWindow(mainWindow->context()));
    mainWindow->show();
    return QTest::qWaitForWindowExposed(mainWindow.get());
}

} // namespace hk::test
