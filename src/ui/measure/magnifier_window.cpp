#include "ui/measure/magnifier_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace hk {

MagnifierWindow::MagnifierWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      bitmap_(Side, Side, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Lupa"));
    setFixedSize(WindowSide, WindowSide);
    bitmap_.fill(Qt::white);
}

void MagnifierWindow::present(const QImage& paintSquare) {
    bitmap_ = paintSquare.scaled(Side, Side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    update();
}

void MagnifierWindow::setCrosshair(bool crosshair) {
    crosshair_ = crosshair;
    update();
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

void MagnifierWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawImage(5, 5, bitmap_);
    if (crosshair_) {
        p.fillRect(QRect(QPoint(0, 195), QPoint(420, 205)), QColor(255, 0, 0));
        p.fillRect(QRect(QPoint(195, 0), QPoint(205, 420)), QColor(255, 0, 0));
    }
}

} // namespace hk
