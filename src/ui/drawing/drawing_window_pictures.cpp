// The drawing window's pictures and paper: F8's picture of the drawing, the
// pictures of a range of drawings, the magnetosphere layer, printing.
#include "ui/drawing/drawing_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>
#include <cmath>
#include <cstring>

#include "drawing/drawing_scale.h"
#include "drawing/faculae.h"
#include "drawing/magnetic_map.h"
#include "drawing/record_merge.h"
#include "records/record.h"
#include "records/session.h"
#include "render/drawing_renderer.h"
#include "render/jpeg_writer.h"
#include "results/report_file.h"
#include "text/number_format.h"
#include "ui/drawing/group_list_panel.h"
#include "ui/drawing/merge_panel.h"
#include "ui/drawing/print_panel.h"
#include "ui/drawing/save_drawings_panel.h"
#include "ui/drawing/split_panel.h"
#include "ui/entry/record_list_window.h"
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

constexpr int DefaultQuality = 90; // JPEG quality when the field is empty

} // namespace

std::optional<std::string> DrawingWindow::shownDrawingName() const {
    // Named as the range export names the shown drawing, so that drawings of
    // one day (and of one minute) each get a file of their own.
    const Session& s = session();
    const int k = s.currentIndex();
    return k >= 1 && k <= s.recordCount() ? SavedDrawingImageName(s.records(), k)
                                          : SavedDrawingImageName(std::span(&model().record, 1), 1);
}

void DrawingWindow::saveBitmap() {
    const Session& s = session();
    const auto name = shownDrawingName();
    if (!name) {
        k_.messages.showMessage(
            QStringLiteral("Zákres nemá platné datum, obrázek nelze pojmenovat"));
        return;
    }
    runCommand(k_.messages, [&] {
        const auto file = s.dir.ensureFolder("Obrázek") / *name;
        if (std::filesystem::exists(file) &&
            !k_.messages.ask(
                QStringLiteral("Soubor Obrázek/%1 už existuje.\rPřepsat ho?").arg(q(*name)),
                SafeAnswer::No)) {
            k_.frame.showStatus(QStringLiteral("Obrázek nebyl uložen, ponechán dřívější: ") +
                                pathText(file));
            return;
        }
        // The whole drawing at the window's zoom, in print colours, without
        // the leaves.
        DrawingScene view = scene_;
        view.leaves = false;
        SaveImage(DrawingPictureImage(paperPicture(0, view)), file);
        k_.frame.showStatus(QStringLiteral("Obrázek uložen: ") + pathText(file));
    });
}

void DrawingWindow::withMagnetosphere() {
    magneticMap_.clear();
    scene_.magnetic = false;
    const auto file = DrawingMagneticMapFile(session(), model().record);
    if (!file) {
        k_.messages.showMessage(QStringLiteral("Nejsou data pro magnetosféru"));
        rebuild();
        return;
    }
    runCommand(k_.messages, [&] {
        MagneticMap map = ReadMagneticMap(*file);
        if (map.truncated)
            k_.messages.showMessage(QStringLiteral("Soubor magnetosféry je delší než 50002 slov, "
                                                   "zobrazí se jen jeho začátek"));
        magneticMap_ = std::move(map.words);
        scene_.magnetic = true;
    });
    rebuild();
}

void DrawingWindow::onSaveRangeClicked() {
    const Session& s = session();
    Messages& messages = k_.messages;
    const int from = saveDrawingsPanel_->fromSpin->value(),
              to = saveDrawingsPanel_->toSpin->value();
    if (from < 1 || to > s.recordCount() || from > to) {
        messages.showMessage(QStringLiteral("Neplatný rozsah zákresů"));
        return;
    }
    const bool bmp = saveDrawingsPanel_->bmp();
    int quality = DefaultQuality;
    if (!bmp) {
        bool ok = false;
        quality = saveDrawingsPanel_->qualityEdit->text().trimmed().toInt(&ok);
        if (!ok || quality < 1 || quality > 100) {
            messages.showMessage(QStringLiteral("Kvalita jpg musí být číslo od 1 do 100"));
            return;
        }
    }
    const std::string prefix = saveDrawingsPanel_->prefixEdit->text().toStdString();
    if (const auto error = PictureNamePrefixError(prefix)) {
        messages.showMessage(QString::fromStdString(*error));
        return;
    }
    // The pictures are drawn at the enlarged size.
    DrawingScene view = scene_;
    if (!view.enlarged) {
        const QSize enlarged = enlargedSize();
        view.enlarged = true;
        view.width = enlarged.width();
        view.height = enlarged.height();
    }
    runCommand(messages, [&] {
        const auto folder = s.dir.ensureFolder("Obrázek");
        const auto names =
            RangeImageNames(prefix,
                            s.records().subspan(static_cast<std::size_t>(from - 1),
                                                static_cast<std::size_t>(to - from + 1)),
                            bmp);
        // A picture saved earlier under the same name is replaced only when
        // the user says so; otherwise it is kept and skipped.
        QStringList existing;
        for (const auto& name : names)
            if (name && std::filesystem::exists(folder / *name)) existing << q(*name);
        const bool replace =
            existing.isEmpty() ||
            messages.ask(QStringLiteral("V adresáři Obrázek už jsou soubory se stejným názvem "
                                        "(%1), např. %2\rPřepsat je?")
                             .arg(existing.size())
                             .arg(existing.front()),
                         SafeAnswer::No);
        BusyCursor busy;
        int undated = 0;
        std::vector<std::filesystem::path> written;
        for (int i = from; i <= to; ++i) {
            const auto& name = names[static_cast<std::size_t>(i - from)];
            if (!name) {
                ++undated;
                continue;
            }
            const std::filesystem::path file = folder / *name;
            if (!replace && std::filesystem::exists(file)) continue;
            SaveImage(DrawingPictureImage(paperPicture(i, view)), file, quality);
            written.push_back(file);
        }
        // Nothing written is never reported as saved.
        QString text = written.empty() ? QStringLiteral("Žádný obrázek nebyl uložen")
                                       : q(SavedMessage(s.dir, written));
        if (undated > 0)
            text += QStringLiteral("\rZákresy bez platného data nebyly uloženy: %1").arg(undated);
        if (!replace)
            text += QStringLiteral("\rPonechány dřívější soubory: %1").arg(existing.size());
        messages.showMessage(text);
    });
}

void DrawingWindow::onHelpClicked() {
    k_.messages.showMessage(QStringLiteral("Při oboustranném tisku , zapnout v panelu tiskárny. "));
}

void DrawingWindow::onPrintClicked() {
    const Session& s = session();
    Messages& messages = k_.messages;
    const QString count = printPanel_->multiplePrintBox->isChecked()
                              ? printPanel_->copiesEdit->text()
                              : QStringLiteral("1");
    const auto range = PrintRange(s.currentIndex(), s.recordCount(), count.toStdString());
    if (!range) {
        messages.showMessage(QStringLiteral("Počet zákresů musí být kladné číslo"));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer)) return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const DrawingScale drawing = picture_.scale();
    const double scale = double(page.width()) / std::max(1, drawing.width());
    const int percent = static_cast<int>(
        std::lround(100.0 * drawing.height() * scale / std::max(1, page.height())));
    messages.showMessage(QStringLiteral("Výška obrázku je  ") + QString::number(percent) +
                         QStringLiteral("%"));
    const auto offset =
        messages.askValue(QStringLiteral("Zadej procento posunutí"), QStringLiteral("0"));
    if (!offset) return;
    bool ok = false;
    const double shiftPercent =
        offset->trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || shiftPercent < 0 || shiftPercent > 100) {
        messages.showMessage(QStringLiteral("Posunutí musí být číslo od 0 do 100"));
        return;
    }
    printTo(printer, *range, shiftPercent);
}

void DrawingWindow::printTo(QPrinter& printer, const PrintRecordRange& range, double shiftPercent) {
    const Session& s = session();
    QPainter p;
    if (!p.begin(&printer)) {
        k_.messages.showMessage(QStringLiteral("Tisk nelze zahájit"));
        return;
    }
    BusyCursor busy;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    for (int i = range.first; i <= range.last && i <= s.recordCount(); ++i) {
        if (i > range.first) printer.newPage();
        const DrawingPicture picture = paperPicture(i, scene_);
        const double scale = double(page.width()) / std::max(1, picture.width);
        p.save();
        p.translate(0, page.height() * shiftPercent / 100.0);
        p.scale(scale, scale);
        PaintDrawingPicture(p, QRect(0, 0, picture.width, picture.height), picture);
        p.restore();
    }
    p.end();
}

} // namespace hk
