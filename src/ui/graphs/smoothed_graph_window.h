#pragma once
// One window for two commands: the smoothed graphs ("Vyhlazovací   grafy",
// monthly means and their 13-month running mean, with comparison curves)
// and the asymmetry graph ("Asymetrie    graf", per drawing, month or
// year). While it is open the main window shows its panel
// `provyhlazovaci`; it closes itself when another window is activated.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "graphs/smoothed_graph.h"
#include "render/graph_renderer.h"
#include "ui/frame/window_context.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMdiSubWindow;
class QMenuBar;
class QPrinter;
class QRadioButton;
class QScrollBar;
class QLabel;

namespace hk {

class MainWindow;
class GraphCanvas;

// Connects "&Vyhlazovací", the two asymmetry commands and `provyhlazovaci`.
void installVyhlazovaci(MainWindow& hlavni);

class SmoothedGraphWindow : public QWidget {
    Q_OBJECT
  public:
    enum Tag { Vyhlazene = 0, Asymetrie = 1 };
    static SmoothedGraphWindow* otevrit(const WindowContext& ctx, Tag tag,
                                        DruhAsymetrie druh = DruhAsymetrie::Podilova);
    static SmoothedGraphWindow* otevrene(QMdiArea* plocha);

    void vyberRadu(int S);
    void vyberPolokouli(VolbaPolokoule H);
    void vyberObdobi(ObdobiAsymetrie o);
    void vyberDruh(DruhAsymetrie d);
    void zvetsitClick();
    void Button1Click(); // zoom confirmed
    void porovnatClick();
    void potvrdpClick(); // comparison confirmed
    void BruselRClick();
    void ScrollBar1Change(int pozice);
    void zmensit();
    void rozsirit();
    void ulozitobrClick();
    void tiskvyhlClick();
    void tiskDo(QPrinter& printer);
    void zavrit();

    Tag tag() const { return tag_; }
    int S() const { return S_; }
    VolbaPolokoule H() const { return H_; }
    double k() const { return k_; }
    bool bruselZobrazen() const;
    bool plochyZobrazeny() const;
    bool tokZobrazen() const;
    VolbaToku volbaToku() const;
    // The outside curves as last confirmed (empty when not shown).
    const BruselKrivka& plochy() const { return plochy_; }
    const BruselKrivka& tok() const { return tok_; }
    QImage obrazek() const;

    std::function<bool(QPrinter&)> vybratTiskarnu;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    SmoothedGraphWindow(const WindowContext& ctx, Tag tag, DruhAsymetrie druh);
    void prepocitat();
    void obnovit();
    void oznacit();
    void kresli(QPainter& p, const QRect& r, int posun) const;
    int sirkaObrazu() const;
    void ulozitObrazek(const QString& nazev);

    WindowContext ctx_;
    Tag tag_;
    QMdiSubWindow* sub_ = nullptr;
    QMenuBar* menu_;
    GraphCanvas* platno_;
    QScrollBar* posuv_;
    QLabel* Label3_;
    QGroupBox* GroupBox1_;
    QLineEdit* sirka_;
    QLineEdit* vyska_;
    QGroupBox* GroupBox2_;
    std::vector<QCheckBox*> porovnani_; // Chg .. Chpol, chinter: series 1..9
    QCheckBox* Bruselvy_;
    QCheckBox* bruselploch_;
    QCheckBox* radiotok_;
    std::vector<QRadioButton*> vybtok_; // OBS, ADJ, ABS
    QGroupBox* GroupBox3_;
    QLineEdit* rokTisku_;
    QScrollBar* ScrollBar1_;

    int S_ = 1;
    VolbaPolokoule H_ = VolbaPolokoule::Celek;
    ObdobiAsymetrie obdobi_ = ObdobiAsymetrie::Zaznamovy;
    DruhAsymetrie druh_;
    int Z_ = 3;
    int delitel_ = 80;
    int faktor_ = 2;
    double k_ = 1.0;
    std::uint64_t revize_ = ~0ULL;
    VyhlazenaData data_;
    std::vector<std::unique_ptr<VyhlazenaData>> dalsi_; // comparison series
    BruselKrivka brusel_;
    BruselKrivka plochy_, plochyJih_, tok_; // "Brusel plochy", "Rádiový tok" as confirmed
    VolbaToku tokVolba_ = VolbaToku::OBS;
    AsymetrieGraf asym_;
    bool zavreno_ = false;
};

} // namespace hk
