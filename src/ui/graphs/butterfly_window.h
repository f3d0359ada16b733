#pragma once
// The butterfly diagram window ("Motýlek"): the latitudes of all numbered
// groups (and of the faculae) against the Carrington rotation, with the
// mean, smoothed and boundary curves and the corona underlay. While it
// exists the main window shows its panel `promotylek`; it closes itself when
// another window of the work area becomes active.
#include <QHash>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "graphs/butterfly_model.h"
#include "render/butterfly.h"
#include "ui/frame/window_context.h"

class QAction;
class QMenu;
class QMenuBar;
class QPrinter;
class QScrollBar;

namespace hk {

class MainWindow;

// Connects `motylek1`, `motylekz` and the buttons of `promotylek`.
void installMotylek(MainWindow& hlavni);

class ButterflyWindow : public QWidget {
    Q_OBJECT
  public:
    static ButterflyWindow* otevrit(const WindowContext& kontext);
    static ButterflyWindow* otevrene(QMdiArea* plocha);

    ButterflyWindow(const WindowContext& kontext, QWidget* parent = nullptr);
    ~ButterflyWindow() override;

    const ButterflyOptions& volby() const { return volby_; }
    const ButterflyModel& model() const;
    QString titulekZaklad() const { return titulekZaklad_; }
    QAction* akce(const QString& objectName) const;
    // The area the diagram is painted in.
    QWidget* platno() const { return platno_; }
    int rozsahPosuvu() const;

    // Menu and panel handlers.
    void konecmotClick();
    void tiskmotClick();
    void rezimClick(int rezim); // 1 spots, 2 faculae, 3 both
    void vlevoClick();          // narrower
    void vpravoClick();         // wider
    void vetsiClick();          // higher
    void mensiClick();          // lower
    void sirfakuleClick();
    void prepnout(const QString& polozka); // vyskaskvrn, vyskahlazena, hranice, vse
    void Podkreslit1Click();
    void koronapodClick();
    void vypnoutClick();
    void Stupnice1Click();
    // The equator drag: press and release at these heights of the diagram.
    void posunRovniku(int yStisk, int yUvolneni);

    // Chooses the printer (tests replace it).
    std::function<bool(QPrinter&)> vybratTiskarnu;
    // Draws the window's page on a printer that was chosen.
    void tiskDo(QPrinter& printer);
    // Paints the diagram as it is shown (the canvas calls it).
    void kreslit(QPainter& p, const QRect& rect);

  protected:
    void keyReleaseEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void vytvorMenu();
    void nastavTlacitka();
    void zmenaVolby(); // scroll ranges, caption, repaint
    void titulek();

    WindowContext kontext_;
    ButterflyOptions volby_;
    QString titulekZaklad_;
    QMenuBar* menu_;
    QWidget* platno_;
    QScrollBar* vodorovny_;
    QScrollBar* svisly_;
    QHash<QString, QAction*> akce_;
    bool zavreno_ = false;
    // The model of the store's revision it was built from, with the corona
    // columns once the corona was shown.
    mutable std::unique_ptr<ButterflyModel> model_;
    mutable std::uint64_t modelRevize_ = 0;
    mutable bool modelKorona_ = false;
};

} // namespace hk
