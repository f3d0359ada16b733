#include "ui/frame/picture_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWheelEvent>
#include <algorithm>

#include "records/program_dir.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

PictureCanvas::PictureCanvas(QWidget* parent, const QString& objectName) : QWidget(parent) {
    setObjectName(objectName);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage PictureCanvas::picture() const {
    QImage image(size(), QImage::Format_RGB32);
    QPainter p(&image);
    if (painter_) painter_(p, image.rect());
    return image;
}

void PictureCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (painter_) painter_(p, rect());
}

void PictureCanvas::mousePressEvent(QMouseEvent* e) {
    if (press_)
        press_(*e);
    else
        QWidget::mousePressEvent(e);
}

void PictureCanvas::mouseReleaseEvent(QMouseEvent* e) {
    if (release_)
        release_(*e);
    else
        QWidget::mouseReleaseEvent(e);
}

void PictureCanvas::mouseMoveEvent(QMouseEvent* e) {
    if (move_)
        move_(*e);
    else
        QWidget::mouseMoveEvent(e);
}

void PictureCanvas::wheelEvent(QWheelEvent* e) {
    if (wheel_)
        wheel_(*e);
    else
        QWidget::wheelEvent(e);
}

void PictureCanvas::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (resized_) resized_();
}

bool PrintPicture(QPaintDevice& printer, QSize size, const PictureCanvas::Painter& painter) {
    QPainter p;
    if (!p.begin(&printer)) return false;
    const QRect page = p.viewport();
    const double m = std::min(static_cast<double>(page.width()) / std::max(1, size.width()),
                              static_cast<double>(page.height()) / std::max(1, size.height()));
    p.scale(m, m);
    painter(p, QRect(QPoint(0, 0), size));
    return true;
}

bool ChoosePrinter(QPrinter& printer, QWidget* parent, Messages& messages, const ProgramDir& dir,
                   const QString& pdf) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        runCommand(messages, [&] {
            printer.setOutputFileName(pathText(dir.ensureFolder("Obrázek") / pathFromText(pdf)));
        });
    }
    QPrintDialog d(&printer, parent);
    return d.exec() == QDialog::Accepted;
}

} // namespace hk
