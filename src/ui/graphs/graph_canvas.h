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
    using Malir = std::function<void(QPainter&, const QRect&)>;
    explicit GraphCanvas(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setMalir(Malir m) { malir_ = std::move(m); }
    const Malir& malir() const { return malir_; }
    // The picture as the window shows it.
    QImage obrazek() const {
        QImage image(size(), QImage::Format_RGB32);
        QPainter p(&image);
        if (malir_) malir_(p, image.rect());
        return image;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (malir_) malir_(p, rect());
    }

  private:
    Malir malir_;
};

// Prints `malir`'s picture of `size` on one page, scaled to fit; returns
// false when the printer could not be started.
bool TiskObrazku(QPaintDevice& printer, QSize size, const GraphCanvas::Malir& malir);

// The printer set-up dialog; without a printer the page goes into the PDF
// file `pdf` in the folder "Obrázek". False when the dialog was cancelled.
bool VybratTiskarnu(QPrinter& printer, QWidget* parent, Messages& zpravy, const ProgramDir& dir,
                    const QString& pdf);

} // namespace hk
