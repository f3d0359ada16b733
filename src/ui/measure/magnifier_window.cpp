#include "ui/measure/magnifier_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "ui/frame/picture_canvas.h"

namespace hk {

namespace {
const QColor Red(255, 0, 0);
}

MagnifierWindow::MagnifierWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      bitmap_(Side, Side, QImage::Format_RGB32), canvas_(new PictureCanvas(this)) {
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Lupa"));
    setFixedSize(WindowSide, WindowSide);
    bitmap_.fill(Qt::white);
    canvas_->setGeometry(rect());
    canvas_->setPainter([this](QPainter& p, const QRect& r) {
        p.fillRect(r, Qt::white);
        p.drawImage(r.topLeft() + QPoint(5, 5), bitmap_);
        if (crosshair_) {
            p.fillRect(QRect(QPoint(0, 195), QPoint(420, 205)).translated(r.topLeft()), Red);
            p.fillRect(QRect(QPoint(195, 0), QPoint(205, 420)).translated(r.topLeft()), Red);
        }
    });
}

void MagnifierWindow::present(const QImage& paintSquare) {
    bitmap_ = paintSquare.scaled(Side, Side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    canvas_->update();
}

void MagnifierWindow::setCrosshair(bool crosshair) {
    crosshair_ = crosshair;
    canvas_->update();
}

void MagnifierWindow::place(const QRect& measurement) {
    QPoint p(measurement.left() - 460, measurement.top() + 160);
    if (const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect a = s->availableGeometry();
        p.setX(std::clamp(p.x(), a.left(), std::max(a.left(), a.right() - WindowSide)));
        p.setY(std::clamp(p.y(), a.top(), std::max(a.top(), a.bottom() - WindowSide)));
    }
    move(p);
}

} // namespace hk
