// The main window's tool panels: the buttons of each window's panel in the
// tool bar, in the order they stand.
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/frame/command_names.h"
#include "ui/frame/main_window.h"

namespace hk {

void MainWindow::createPanels() {
    // (name, caption, hint); the hint is the button's label.
    QWidget* defaultPanel = createPanel(
        panel::Default, {{cmd::NewDrawingButton, "Nový", "Nový  zákres"},
                         {cmd::SpecialDrawingButton, "Zvláštní", "Zvláštní zákres"},
                         {cmd::CorrectRecordButton, "Oprava", "Oprava  záznamu"},
                         {cmd::SaveDataButton, "Uložit", "Uložit data"},
                         {cmd::LastDrawingButton, "Poslední", "Poslední záznam"},
                         {cmd::ButterflyButton, "Motýlek", "Motýlkový diagram"},
                         {cmd::GraphsButton, "Grafy", "Denní grafy"},
                         {cmd::SmoothedGraphsButton, "Vyhlazené", "Vyhlazené grafy"},
                         {cmd::AsymmetryButton, "Asymetrie", "Asymetrie grafy"},
                         {cmd::MapsButton, "Mapy", "Synoptické mapy"},
                         {cmd::ResultsButton, "Výsledky", "Výsledky"},
                         {cmd::ToggleDrawingSize, "Zmenšit", "Zmenšit - zvětšit"},
                         {cmd::ToggleGroupList, "Pomocná", "Vzdálenost pomocné skvrny"},
                         {cmd::ToggleOrientation, "Orientace", "Orientace"},
                         {cmd::SaveDrawingsButton, "BMP", "Uložit obrázek zákresu"},
                         {cmd::SaveDrawingsJpeg, "JPG", "Uloží kopii okna v jpg "},
                         {cmd::PrintDrawingButton, "Tisk", "Tisk"},
                         {cmd::EntryFromPhoto, "Foto", "Zadávání z přefoceného zákresu "}});
    captionLabel_->setParent(defaultPanel);
    captionLabel_->setObjectName(QStringLiteral("Label1"));
    captionLabel_->setToolTip(QStringLiteral("Poslední úprava"));
    captionLabel_->setStatusTip(QStringLiteral("Poslední úprava"));
    static_cast<QHBoxLayout*>(defaultPanel->layout())->addWidget(captionLabel_);

    // Buttons that do what a menu item does follow that item.
    const std::pair<const char*, const char*> hemispherePair[] = {
        {cmd::NewDrawingButton, cmd::NewDrawing},
        {cmd::SpecialDrawingButton, cmd::SpecialDrawing},
        {cmd::CorrectRecordButton, cmd::CorrectRecord},
        {cmd::SaveDataButton, cmd::SaveData},
        {cmd::LastDrawingButton, cmd::LastDrawing},
        {cmd::ButterflyButton, cmd::Butterfly},
        {cmd::GraphsButton, cmd::Graphs},
        {cmd::SmoothedGraphsButton, cmd::SmoothedGraphs},
        {cmd::AsymmetryButton, cmd::AsymmetryRatio},
        {cmd::MapsButton, cmd::Maps},
        {cmd::ResultsButton, cmd::Results},
        {cmd::SaveDrawingsButton, cmd::SaveDrawings},
        {cmd::PrintDrawingButton, cmd::PrintDrawing}};
    for (const auto& [button, item] : hemispherePair) {
        QAction* b = actions_.value(QString::fromLatin1(button));
        QAction* m = actions_.value(QString::fromLatin1(item));
        twins_.insert(b->objectName(), m->objectName());
        connect(b, &QAction::triggered, m, [m] { m->trigger(); });
        auto follow = [this, b, m] {
            b->setEnabled(m->isEnabled());
            const bool live = m->isEnabled() || m->toolTip() != NotReadyHint;
            const QString hint = live ? hints_.value(b->objectName()) : NotReadyHint;
            b->setToolTip(hint);
            b->setStatusTip(hint);
        };
        connect(m, &QAction::changed, b, follow);
        follow();
    }

    createPanel(panel::Butterfly,
                {{cmd::ButterflyNarrower, "Zúžit", "Zúžit "},
                 {cmd::ButterflyWider, "Rozšířit", "Rozšířit"},
                 {cmd::ButterflyTaller, "Zvýšit", "Zvýšit"},
                 {cmd::ButterflyLower, "Snížit", "Snížit"},
                 {cmd::ButterflySpots, "Skvrny", "Skupiny"},
                 {cmd::ButterflyFaculae, "Fakule", "Fakule"},
                 {cmd::ButterflySpotsAndFaculae, "Skvrny+fak.", "Skvrny i fakule"},
                 {cmd::ButterflyFaculaeWidth, "Šířka fak.", "Šířka fakulí"},
                 {cmd::ButterflyGroupHeight, "Výška", "Výška skupin"},
                 {cmd::ButterflySmoothedHeight, "Vyhlazená", "Výška vyhlazená"},
                 {cmd::ButterflyOutline, "Ohraničení", "Ohraničení"},
                 {cmd::ButterflyFullOutline, "Vše", "Veškeré ohraničení"},
                 {cmd::ButterflyUnderlay, "Podkreslit", "Podkreslit"},
                 {cmd::ButterflyCoronaUnderlay, "Korona", "Podkreslit zelenou koronu"},
                 {cmd::ButterflyClose, "Zavřít", "Zavřít"}});
    createPanel(panel::Graphs,
                {{cmd::GraphGroups, "g", "g"},
                 {cmd::GraphSpots, "f", "f"},
                 {cmd::GraphRelativeNumber, "R", "R"},
                 {cmd::GraphCv, "CV", "CV"},
                 {cmd::GraphSn, "SN", "SN"},
                 {cmd::GraphRb, "RB", "RB"},
                 {cmd::GraphGroupArea, "Plocha", "Plocha skupin"},
                 {cmd::GraphHemispheres, "Polokoule", "Polokoule"},
                 {cmd::GraphFaculaeArea, "Pl. fakulí", "Plocha fakulí"},
                 {cmd::GraphAll, "Všechny", "Všechny"},
                 {cmd::GraphTotal, "Celkový", "Celkový"},
                 {cmd::GraphNorth, "Severní", "Severní"},
                 {cmd::GraphSouth, "Jižní", "Jižní"},
                 {cmd::GraphScale, "Stupnice", "Stupnice"},
                 {cmd::GraphGroupsNorthEastWest, "g s-v-z", "g severní, východní, západní"},
                 {cmd::GraphInterSol, "InterSOL", "InterSOL"},
                 {cmd::GraphClose, "Zavřít", "Zavřít"}});
    createPanel(panel::Smoothed, {{cmd::SmoothedGroups, "g", "g"},
                                  {cmd::SmoothedSpots, "f", "f"},
                                  {cmd::SmoothedRelativeNumber, "R", "R"},
                                  {cmd::SmoothedCv, "CV", "CV"},
                                  {cmd::SmoothedSn, "SN", "SN"},
                                  {cmd::SmoothedRb, "RB", "RB"},
                                  {cmd::SmoothedGroupArea, "Plocha", "Plocha skupin"},
                                  {cmd::SmoothedHemispheres, "Polokoule", "Polokoule"},
                                  {cmd::SmoothedPerDrawing, "Záznamový", "Záznamový"},
                                  {cmd::SmoothedMonthly, "Měsíční", "Měsíční"},
                                  {cmd::SmoothedYearly, "Roční", "Roční"},
                                  {cmd::SmoothedScale, "Stupnice", "Stupnice"},
                                  {cmd::SmoothedInterSol, "InterSOL", "InterSOL"},
                                  {cmd::SmoothedWhole, "Celek", "Celek"},
                                  {cmd::SmoothedNorth, "Sever", "Severní polokoule"},
                                  {cmd::SmoothedSouth, "Jih", "Jižní polokoule"},
                                  {cmd::SmoothedNorthMinusSouth, "S-J", "Sever - jih"},
                                  {cmd::SmoothedNarrower, "Zmenšit", "Zmenšit"},
                                  {cmd::SmoothedWider, "Rozšířit", "Rozšířit"},
                                  {cmd::SmoothedClose, "Zavřít", "Zavřít"}});
    createPanel(panel::Map, {{cmd::MapRotation, "Rotace", "Výběr rotace"},
                             {cmd::MapSmallMaps, "Mapky", "Mapky"},
                             {cmd::MapLong, "Dlouhá", "Dlouhá mapa"},
                             {cmd::MapHigh, "Vysoká", "Vysoká mapa"},
                             {cmd::MapTwoMaps, "12", "Dvě mapy"},
                             {cmd::MapCoronaGraph, "Kor. graf", "Korona graf"},
                             {cmd::MapCoronaIntensity, "Kor. int.", "Korona intenzita"},
                             {cmd::MapCoronaGlobal, "Kor. glob.", "Korona globálně"},
                             {cmd::MapCoronaUnderlay, "Kor. pod.", "Podkreslit koronou"},
                             {cmd::MapMagnetosphere, "Magneto", "Magnetosféra"},
                             {cmd::MapComparison, "Srovnání", "Srovnání"},
                             {cmd::MapDoubleAreas, "2x", "Násobek velikosti ploch skupin"},
                             {cmd::MapInsertText, "A", "Před tiskem možno vložit text"},
                             {cmd::MapClose, "Zavřít", "Zavřít"}});
    QWidget* resultsPanel = createPanel(
        panel::Results, {{cmd::ResultsOwn, "Vlastní", "Vlastní"},
                         {cmd::ResultsSidc, "Oficiální", "Oficiální"},
                         {cmd::ResultsCv, "CV", "CV"},
                         {cmd::ResultsMeasuredDisk, "Nam. celek", "Naměřené celkem"},
                         {cmd::ResultsMeasuredNorth, "Nam. sever", "Naměřené sever"},
                         {cmd::ResultsMeasuredSouth, "Nam. jih", "Naměřené jih"},
                         {cmd::ResultsSmoothedDisk, "Vyhl. celek", "Vyhlazené celkem"},
                         {cmd::ResultsSmoothedNorth, "Vyhl. sever", "Vyhlazené sever"},
                         {cmd::ResultsSmoothedSouth, "Vyhl. jih", "Vyhlazené jih"},
                         {cmd::ResultsObservers, "Pozorovatelé", "Pozorovatelé"},
                         {cmd::ResultsLatitudes, "Výskyt", "Výskyt skupin"},
                         {cmd::ResultsGroupEvolution, "Vývoj", "Vývoj skupin"},
                         {cmd::ResultsMapData, "Pro mapy", "Údaje pro mapy"},
                         {cmd::ResultsLargestGroups, "Velikost", "Největší skupiny"},
                         {cmd::ResultsSpotlessDays, "Bez akt.", "Dny bez aktivity"},
                         {cmd::ResultsAsymmetryMonthly, "Asym. m.", "Asymetrie měsíční"},
                         {cmd::ResultsAsymmetryYearly, "Asym. r.", "Asymetrie roční"},
                         {cmd::ResultsZonesByDrawing, "Polohy", "Polohy skupin"},
                         {cmd::ResultsZonesByYear, "Polohy r.", "Polohy skupin roční"},
                         {cmd::ResultsZonesByMonth, "Polohy m.", "Polohy skupin měsíční"},
                         {cmd::ResultsAsymmetryToText, "Asym. TXT", "Asymetrie do textu"},
                         {cmd::ResultsZonesToText, "Polohy TXT", "Polohy do textu"},
                         {cmd::ResultsObserversDaily, "Poz. den", "Pozorovatelé po dnech"},
                         {cmd::ResultsMeasuredToCsv, "CSV", "Naměřené do CSV"},
                         {cmd::ResultsInterSol, "InterSOL", "InterSOL"},
                         {cmd::CoordinateTable, "L B P", "L B P"},
                         {cmd::ResultsClose, "Zavřít", "Zavřít"}});
    auto* combo = new QComboBox(resultsPanel);
    combo->setObjectName(cmd::ZoneClassChoice);
    combo->setEnabled(false);
    combo->setToolTip(NotReadyHint);
    combo->setStatusTip(NotReadyHint);
    static_cast<QHBoxLayout*>(resultsPanel->layout())->insertWidget(18, combo);
}

} // namespace hk
