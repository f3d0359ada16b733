#pragma once
// The drawing surface of the picture windows (graphs, smoothed graphs,
// butterfly diagram, map, measurement): paints through the function it is
// given, so that the window, the printer and the saved image share one call,
// and passes the mouse, the wheel and its own resizing to the window.
#include <QImage>
#include <QWidget>
#include <functional>

class QPainter;
class QPrinter;
class QMouseEvent;
class QWheelEvent;

namespace hk {

class Messages;
class ProgramDir;

class PictureCanvas : public QWidget {
  public:
    using Painter = std::function<void(QPainter&, const QRect&)>;
    using MouseHandler = std::function<void(QMouseEvent&)>;

    explicit PictureCanvas(QWidget* parent, const QString& objectName = QStringLiteral("platno"));

    void setPainter(Painter painter) { painter_ = std::move(painter); }
    const Painter& painter() const { return painter_; }
    // Handlers of the mouse and of the canvas's own size; each may be empty.
    void onPress(MouseHandler fn) { press_ = std::move(fn); }
    void onRelease(MouseHandler fn) { release_ = std::move(fn); }
    void onMove(MouseHandler fn) {
        move_ = std::move(fn);
        setMouseTracking(static_cast<bool>(move_));
    }
    void onWheel(std::function<void(QWheelEvent&)> fn) { wheel_ = std::move(fn); }
    void onResize(std::function<void()> fn) { resized_ = std::move(fn); }

    // The picture as the canvas shows it, at its present size.
    QImage picture() const;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    Painter painter_;
    MouseHandler press_;
    MouseHandler release_;
    MouseHandler move_;
    std::function<void(QWheelEvent&)> wheel_;
    std::function<void()> resized_;
};

// Prints `painter`'s picture of `size` on one page, scaled to fit; returns
// false when the printer could not be started.
bool PrintPicture(QPaintDevice& printer, QSize size, const PictureCanvas::Painter& painter);

// The printer set-up dialog; without a printer the page goes into the PDF
// file `pdf` in the folder "Obrázek". False when the dialog was cancelled.
bool ChoosePrinter(QPrinter& printer, QWidget* parent, Messages& messages, const ProgramDir& dir,
                   const QString& pdf);

} // namespace hk
