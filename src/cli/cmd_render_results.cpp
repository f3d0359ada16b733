// heliokres-cli render observers | spotless: the list of observers (the
// results window's key "q") and the calendar of the days without activity
// as pictures (PNG, JPEG, BMP by the extension) or as a one-page PDF;
// --window WxH: as the window of that size shows them.
#include <QPainter>
#include <cstdio>
#include <ostream>
#include <tuple>

#include "cli/commands.h"
#include "cli/gui_application.h"
#include "io/picture_data.h"
#include "records/session.h"
#include "render/protocol_observers.h"
#include "render/spotless_calendar.h"
#include "results/observer_list_scene.h"
#include "results/spotless_days_scene.h"

namespace hk::cli {

namespace {

// A date as a number yyyymmdd for the table; none for an unknown date.
std::optional<double> dateNumber(const Date& d) {
    if (d.year == 0) return std::nullopt;
    return d.year * 10000.0 + d.month * 100 + d.day;
}

PictureData observerListData(const ObserverListPicture& picture) {
    PictureData data{"pozorovatel", {"prvni", "posledni", "pocet"}, {}};
    for (const ObserverPeriod& p : picture.periods)
        data.rows.push_back({p.name, {dateNumber(p.first), dateNumber(p.last), double(p.count)}});
    return data;
}

// Every day of the year: 1 when it is marked as without activity.
PictureData spotlessDaysData(const SpotlessDaysPicture& picture) {
    PictureData data{"datum", {"bez_aktivity"}, {}};
    std::size_t next = 0;
    for (Date d{picture.year, 1, 1}; d.year == picture.year; d = DateFromSerial(DaySerial(d) + 1)) {
        const bool marked = next < picture.days.size() && picture.days[next] == d;
        if (marked) ++next;
        char key[11];
        std::snprintf(key, sizeof key, "%04d-%02d-%02d", d.year, d.month, d.day);
        data.rows.push_back({key, {marked ? 1.0 : 0.0}});
    }
    return data;
}

void writeData(const PictureFiles& files, const PictureData& data, std::ostream& out) {
    if (!files.data) return;
    WritePictureData(*files.data, data);
    out << *files.data << "\n";
}

} // namespace

int RunRenderObservers(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const PictureFiles files = TakePictureFiles(args);
    const auto window = TakeOption(args, "--window");
    RejectUnknownOptions(args);
    ExpectProgramDirectory(args);
    if (window && files.out && IsPdf(*files.out)) throw UsageError("--window nepatří k PDF");
    ObserverListScene scene;
    if (window)
        std::tie(scene.roomWidth, scene.roomHeight) = ParseSize(window, 1200, 820, "--window");

    Session session(ExistingProgramDirectory(args[0]));
    LoadRecords(session, err);
    const ObserverListPicture picture = BuildObserverListPicture(session, scene);
    if (files.out) {
        SavePicture(
            *files.out, QSize(picture.width, picture.height),
            [&](QPainter& p, const QRect& r) { PaintObserverList(p, r, picture); },
            QStringLiteral("Pozorovatelé"));
        out << *files.out << "\n";
    }
    writeData(files, observerListData(picture), out);
    return 0;
}

int RunRenderSpotless(const Args& argsIn, std::ostream& out, std::ostream& err) {
    Args args = argsIn;
    const PictureFiles files = TakePictureFiles(args);
    const auto window = TakeOption(args, "--window");
    RejectUnknownOptions(args);
    if (args.size() != 2) throw UsageError("čekám adresář programu a rok");
    const bool pdf = files.out && IsPdf(*files.out);
    if (window && pdf) throw UsageError("--window nepatří k PDF");
    const int year = ParseInt(args[1], "roku", SpotlessYearFrom, SpotlessYearTo);
    SpotlessDaysScene scene = SpotlessDaysPrintScene(year);
    if (!pdf) std::tie(scene.width, scene.height) = ParseSize(window, 1200, 820, "--window");

    Session session(ExistingProgramDirectory(args[0]));
    // The window draws the calendar at the program's size setting, which
    // the start-up decides; the printed page at full size.
    StartSession(session, err);
    if (!pdf) scene.sizePercent = session.sizePercent();
    const SpotlessDaysPicture picture = BuildSpotlessDaysPicture(session, scene);
    if (!picture.yearDrawn)
        throw JobError("V roce " + std::to_string(year) + " není v datech žádný zákres");
    if (files.out) {
        const QSize size(picture.calendar.width, picture.calendar.height);
        SavePicture(
            *files.out, size,
            [&](QPainter& p, const QRect& r) {
                if (pdf)
                    PrintSpotlessDays(p, r, picture);
                else
                    PaintSpotlessCalendar(p, r, picture.calendar);
            },
            QStringLiteral("Bez aktivity"));
        out << *files.out << "\n";
    }
    writeData(files, spotlessDaysData(picture), out);
    return 0;
}

} // namespace hk::cli
