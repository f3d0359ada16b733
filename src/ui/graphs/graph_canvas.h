#pragma once
// The drawing surface of the graph windows: paints through the function it
// is given, so the window, the printer and the saved image share one call.
#include <QPainter>
#include <QWidget>
#include <functional>

class QPrinter;

namespace hk {

class Messages;
class ProgramDir;

class GraphCanvas : public QWidget {
  public:
    using Painter = std::function<void(QPainter&, const QRect&)>;
    explicit GraphCanvas(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setPainter(Painter m) { painter_ = std::move(m); }
    const Painter& painter() const { return painter_; }
    // The picture as the window shows it.
    QImage picture() const {
        QImage image(size(), QImage::Format_RGB32);
        QPainter p(&image);
        if (painter_) painter_(p, image.rect());
        return image;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (painter_) painter_(p, rect());
    }

  private:
    Painter painter_;
};

// Prints `malir`'s picture of `size` on one page, scaled to fit; returns
// false when the printer could not be started.
bool PrintPicture(QPaintDevice& printer, QSize size, const GraphCanvas::Painter& painter);

// The printer set-up dialog; without a printer the page goes into the PDF
// file `pdf` in the folder "Obrázek". False when the dialog was cancelled.
bool ChoosePrinter(QPrinter& printer, QWidget* parent, Messages& messages, const ProgramDir& dir,
                   const QString& pdf);

} // namespace hk
