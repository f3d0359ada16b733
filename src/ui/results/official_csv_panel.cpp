#include "ui/results/official_csv_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "records/session.h"
#include "ui/frame/messages.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

namespace {

const QColor Povinne(0xc0, 0xc0, 0xc0);

QLineEdit* novePole(const char* name, bool povinne, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(300);
    QPalette pal = e->palette();
    pal.setColor(QPalette::Base, povinne ? Povinne : QColor(Qt::white));
    e->setPalette(pal);
    return e;
}

QPushButton* tlacitko(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

OfficialCsvPanel::OfficialCsvPanel(const Session& session, Messages& zpravy, QWidget* parent)
    : QFrame(parent), session_(session), zpravy_(zpravy), posledniMetoda_(q(MetodaProjekce)) {
    setObjectName(QStringLiteral("PanelOficCSV"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    observator_ = novePole("Observator", true, this);
    cisloSL_ = novePole("CisloSL", true, this);
    adresa_ = novePole("Adresa", false, this);
    telEmail_ = novePole("TelEmail", false, this);
    pristroj_ = novePole("Pristroj", true, this);
    metoda_ = new QComboBox(this);
    metoda_->setObjectName(QStringLiteral("Metoda"));
    metoda_->addItems({q(MetodaProjekce), q(MetodaVizualne)});
    QPalette pal = metoda_->palette();
    pal.setColor(QPalette::Base, Povinne);
    pal.setColor(QPalette::Button, Povinne);
    metoda_->setPalette(pal);
    mesic_ = new QLineEdit(this);
    mesic_->setObjectName(QStringLiteral("MesicRok"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Observatoř"), observator_);
    form->addRow(QStringLiteral("Číslo SL"), cisloSL_);
    form->addRow(QStringLiteral("Adresa"), adresa_);
    form->addRow(QStringLiteral("tel. email"), telEmail_);
    form->addRow(QStringLiteral("Přístroj"), pristroj_);
    form->addRow(QStringLiteral("Metoda"), metoda_);
    form->addRow(q(ZadatMesicRok), mesic_);

    auto* zadany = tlacitko(QStringLiteral("Zadaný měsíc"), "ZadanyMesic", this);
    auto* rok = tlacitko(QStringLiteral("Celý  rok"), "CelyRok", this);
    auto* doKonce = tlacitko(QStringLiteral("Do konce"), "DoKonce", this);
    auto* info = tlacitko(QStringLiteral("?"), "InfoOficCSV", this);
    auto* x = tlacitko(QStringLiteral("X"), "XOficCSV", this);
    info->setFixedWidth(28);
    x->setFixedWidth(28);
    auto* tlacitka = new QHBoxLayout;
    for (QPushButton* b : {zadany, rok, doKonce})
        tlacitka->addWidget(b);
    tlacitka->addStretch(1);
    tlacitka->addWidget(info);
    tlacitka->addWidget(x);

    auto* titulek = new QLabel(QStringLiteral("Uložit Oficiální do souboru CSV"), this);
    QFont tucne = titulek->font();
    tucne.setBold(true);
    titulek->setFont(tucne);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titulek);
    layout->addLayout(form);
    layout->addLayout(tlacitka);

    connect(zadany, &QPushButton::clicked, this, &OfficialCsvPanel::ZadanyMesicClick);
    connect(rok, &QPushButton::clicked, this, &OfficialCsvPanel::CelyRokClick);
    connect(doKonce, &QPushButton::clicked, this, &OfficialCsvPanel::DoKonceClick);
    connect(info, &QPushButton::clicked, this, &OfficialCsvPanel::InfoClick);
    connect(x, &QPushButton::clicked, this, &QWidget::hide);
    connect(metoda_, &QComboBox::currentTextChanged, this,
            [this](const QString& m) { posledniMetoda_ = m; });
}

void OfficialCsvPanel::nastav(const ObecnaData& data) {
    data_ = data;
    const OfficialFields f = OfficialFieldsFrom(data, posledniMetoda_.toStdString());
    observator_->setText(q(f.observator));
    cisloSL_->setText(q(f.cisloSL));
    adresa_->setText(q(f.adresa));
    telEmail_->setText(q(f.telEmail));
    pristroj_->setText(q(f.pristroj));
    metoda_->setCurrentText(posledniMetoda_);
}

OfficialFields OfficialCsvPanel::pole() const {
    OfficialFields f = OfficialFieldsFrom(data_, metoda_->currentText().toStdString());
    f.observator = observator_->text().toStdString();
    f.cisloSL = cisloSL_->text().toStdString();
    f.adresa = adresa_->text().toStdString();
    f.telEmail = telEmail_->text().toStdString();
    f.pristroj = pristroj_->text().toStdString();
    return f;
}

void OfficialCsvPanel::ZadanyMesicClick() {
    uloz(Rozsah::Mesic);
}
void OfficialCsvPanel::CelyRokClick() {
    uloz(Rozsah::Rok);
}
void OfficialCsvPanel::DoKonceClick() {
    uloz(Rozsah::DoKonce);
}

void OfficialCsvPanel::InfoClick() {
    zpravy_.Zprava(q(OficialniInformace));
}

void OfficialCsvPanel::uloz(Rozsah rozsah) {
    const OfficialFields f = pole();
    if (const auto odmitnuto = CheckOfficialFields(f)) {
        zpravy_.Zprava(q(*odmitnuto));
        return;
    }
    const auto mesic = ParseMonthText(mesic_->text().toStdString());
    if (!mesic) {
        zpravy_.Zprava(q(SpatnyMesic));
        return;
    }
    const auto zaznamy = session_.records();
    const std::vector<MonthChoice> mesice = rozsah == Rozsah::Rok ? OfficialWholeYear(*mesic)
                                            : rozsah == Rozsah::DoKonce
                                                ? OfficialToEnd(zaznamy, *mesic)
                                                : std::vector{*mesic};
    if (mesice.empty()) {
        zpravy_.Zprava(q(ZadnyMesicDoKonce));
        return;
    }
    if (!runCommand(zpravy_, [&] {
            BusyCursor busy;
            for (const MonthChoice& m : mesice)
                WriteReportFile(session_.dir,
                                BuildOfficialSheet(zaznamy, m, f, session_.TabulkaPozorovatelu()));
        }))
        return;
    zpravy_.Zprava(q(DataBylaUlozena));
}

} // namespace hk
