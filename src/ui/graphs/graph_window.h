#pragma once
// The graphs window ("Grafy"): one daily statistic of every drawing against
// time, north, south and whole disk. While it is open the main window shows
// its panel `prografy`; it closes itself when another window is activated.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "graphs/graph_series.h"
#include "ui/frame/window_context.h"

class QLabel;
class QMenuBar;
class QPrinter;
class QScrollBar;
class QMdiSubWindow;

namespace hk {

class MainWindow;
class GraphCanvas;

// Connects "&Grafy", `grafyz` and the buttons of `prografy`.
void installGrafy(MainWindow& hlavni);

class GraphWindow : public QWidget {
    Q_OBJECT
  public:
    static GraphWindow* otevrit(const WindowContext& ctx);
    static GraphWindow* otevrene(QMdiArea* plocha);

    void vyberRadu(GrafRada rada);
    void vyberPohled(RezimGrafu rezim);
    // 400, 500, 600: a fixed image size (one pixel a day); 0: the whole window.
    void nastavVelikost(int velikost);
    void stupniceClick();
    void tiskgrafClick();
    void tiskDo(QPrinter& printer);
    void ulozitClick();
    void vsechnyobrClick();
    void zavrit();

    GrafRada rada() const { return rada_; }
    RezimGrafu rezim() const { return rezim_; }
    const GrafModel& model() const { return model_; }
    QImage obrazek() const;
    int posun() const;

    std::function<bool(QPrinter&)> vybratTiskarnu;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    explicit GraphWindow(const WindowContext& ctx);
    void prepocitat();
    void oznacit();
    // Writes the window's picture as "Obrázek/<nazev>.jpg" without asking.
    void ulozitObrazek(const QString& nazev);

    WindowContext ctx_;
    QMdiSubWindow* sub_ = nullptr;
    QMenuBar* menu_;
    GraphCanvas* platno_;
    QScrollBar* posuv_;
    QLabel* Label1_;
    GrafRada rada_ = GrafRada::g;
    RezimGrafu rezim_ = RezimGrafu::Vsechny;
    int d_ = 2;
    QString velikost_;
    bool stupnice_ = false;
    GrafData data_;
    std::uint64_t revize_ = ~0ULL;
    GrafModel model_;
    bool zavreno_ = false;
};

} // namespace hk
