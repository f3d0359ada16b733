#include "ui/results/intersol_panel.h"
#include "ui/frame/ui_helpers.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "records/session.h"
#include "results/report_file.h"
#include "ui/frame/messages.h"
#include "ui/results/results_grid.h"

namespace hk {

namespace {

constexpr std::string_view SouborPozorovatelu = "pozorovatelep.dat";
const QColor Chybi(255, 255, 160);

void obarvi(QLineEdit* pole, const QColor& barva) {
    QPalette pal = pole->palette();
    pal.setColor(QPalette::Base, barva);
    pole->setPalette(pal);
}

} // namespace

QLineEdit* InterSolPanel::pole(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}

InterSolPanel::InterSolPanel(SessionModel& model, Messages& zpravy,
                             std::function<const ObecnaData&()> obecna, QWidget* parent)
    : QFrame(parent), model_(model), session_(model.session()), zpravy_(zpravy),
      obecna_(std::move(obecna)) {
    setObjectName(QStringLiteral("PanelInterSol"));

    auto* skupina = new QGroupBox(QStringLiteral("Koeficienty Inter SOL "), this);
    skupina->setObjectName(QStringLiteral("GroupBoxInterSol"));
    mesic_ = pole("mesicIS", skupina);
    mesic_->setFixedWidth(90);
    pozorovatelBox_ = new QComboBox(skupina);
    pozorovatelBox_->setObjectName(QStringLiteral("pozorovatelIS"));
    pozorovatelBox_->setMinimumWidth(180);
    cisloEdit_ = pole("cisloIS", skupina);
    cisloEdit_->setFixedWidth(60);
    zobrazit_ = new QPushButton(QStringLiteral("Zobrazit"), skupina);
    zobrazit_->setObjectName(QStringLiteral("zobrazitIS"));
    doSouboru_ = new QPushButton(QStringLiteral("Do souboru"), skupina);
    doSouboru_->setObjectName(QStringLiteral("dosouboruIS"));
    doSouboru_->setEnabled(false);

    // Two rows, so that the panel fits a narrow window.
    auto* vstupy = new QGridLayout;
    vstupy->addWidget(new QLabel(QStringLiteral("Měsíc rok př. 2.2000"), skupina), 0, 0);
    vstupy->addWidget(mesic_, 0, 1);
    vstupy->addWidget(new QLabel(QStringLiteral("Pozorovatel"), skupina), 0, 2);
    vstupy->addWidget(pozorovatelBox_, 0, 3);
    vstupy->addWidget(new QLabel(QStringLiteral("č.pozorovatele"), skupina), 1, 0);
    vstupy->addWidget(cisloEdit_, 1, 1);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addWidget(zobrazit_);
    tlacitka->addWidget(doSouboru_);
    tlacitka->addStretch(1);
    vstupy->addLayout(tlacitka, 1, 2, 1, 2);
    vstupy->setColumnStretch(4, 1);
    StringGrid11_ = NovaMrizka(QStringLiteral("StringGrid11"), skupina);
    auto* sloupec = new QVBoxLayout(skupina);
    sloupec->addLayout(vstupy);
    sloupec->addWidget(StringGrid11_, 1);

    // The address panel, shown by "Do souboru".
    adresa_ = new QFrame(this);
    adresa_->setObjectName(QStringLiteral("PanelAdresa"));
    adresa_->setFrameShape(QFrame::Panel);
    adresa_->setFrameShadow(QFrame::Raised);
    observator_ = pole("observatorIS", adresa_);
    adresaEdit_ = pole("adresaIS", adresa_);
    email_ = pole("emailIS", adresa_);
    pristroj_ = pole("pristrojIS", adresa_);
    ulice_ = pole("uliceIS", adresa_);
    mesto_ = pole("mestoIS", adresa_);
    psc_ = pole("pscIS", adresa_);
    auto* ulozit = new QPushButton(QStringLiteral("Uložit"), adresa_);
    ulozit->setObjectName(QStringLiteral("ulozitIS"));
    auto* formular = new QFormLayout(adresa_);
    formular->addRow(QStringLiteral("Observatoř"), observator_);
    formular->addRow(QStringLiteral("Adresa"), adresaEdit_);
    formular->addRow(QStringLiteral("tel. email"), email_);
    formular->addRow(QStringLiteral("Přístroj"), pristroj_);
    formular->addRow(QStringLiteral("Ulice"), ulice_);
    formular->addRow(QStringLiteral("Město"), mesto_);
    formular->addRow(QStringLiteral(" PSČ"), psc_);
    formular->addRow(QString(), ulozit);
    adresa_->setFixedWidth(420);
    adresa_->hide();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(skupina, 1);
    layout->addWidget(adresa_, 0, Qt::AlignTop);

    connect(zobrazit_, &QPushButton::clicked, this, &InterSolPanel::ZobrazitClick);
    connect(doSouboru_, &QPushButton::clicked, this, &InterSolPanel::DoSouboruClick);
    connect(ulozit, &QPushButton::clicked, this, &InterSolPanel::UlozitClick);
    // A known observer brings the number kept for him, unless one was typed.
    connect(pozorovatelBox_, &QComboBox::currentTextChanged, this, [this](const QString& jmeno) {
        const QString typed = cisloEdit_->text().trimmed();
        if (!typed.isEmpty() && typed != cisloZTabulky_) return;
        const auto* e = session_.TabulkaPozorovatelu().findByName(jmeno.toStdString());
        cisloZTabulky_ = e ? q((*e)[0]) : QString();
        cisloEdit_->setText(cisloZTabulky_);
    });
    obnovPozorovatele();
}

void InterSolPanel::obnovPozorovatele() {
    const QString vybrany = pozorovatelBox_->currentText();
    pozorovatelBox_->clear();
    QStringList jmena;
    for (const std::string& jmeno : session_.Pozorovatele())
        jmena << q(jmeno);
    pozorovatelBox_->addItems(seraditCesky(jmena));
    pozorovatelBox_->setCurrentIndex(vybrany.isEmpty() ? -1 : pozorovatelBox_->findText(vybrany));
}

void InterSolPanel::nastavMesic(const QString& text) {
    mesic_->setText(text);
}

void InterSolPanel::ZobrazitClick() {
    const InterSolTable t = BuildInterSolTable(session_.records(), s(mesic_->text().trimmed()),
                                               pozorovatelBox_->currentText().toStdString(),
                                               s(cisloEdit_->text().trimmed()));
    if (t.message) {
        doSouboru_->setEnabled(false);
        adresa_->hide();
        if (t.message == SpatneZadaniInterSol) QApplication::beep();
        zpravy_.Zprava(q(*t.message));
        if (t.message == ZaznamyNeexistuji) {
            mesic_->clear();
            mesic_->setFocus();
        }
        return;
    }
    tabulka_ = t;
    pozorovatel_ = pozorovatelBox_->currentText().toStdString();
    cislo_ = s(cisloEdit_->text().trimmed());
    mesicText_ = mesic_->text().trimmed();
    vyplnMrizku();
    doSouboru_->setEnabled(true);
}

void InterSolPanel::vyplnMrizku() {
    VyplnMrizku(*StringGrid11_, tabulka_.grid);
    // The day rows share the grid's height.
    const int radky = tabulka_.days + 3;
    const int vyska = std::max(StringGrid11_->fontMetrics().height() + 2,
                               StringGrid11_->viewport()->height() / radky - 1);
    for (int r = 0; r < StringGrid11_->rowCount(); ++r)
        StringGrid11_->setRowHeight(r, vyska);
}

void InterSolPanel::DoSouboruClick() {
    if (tabulka_.grid.rowCount() == 0) return;
    const auto* zaznam = session_.TabulkaPozorovatelu().findByName(pozorovatel_);
    const InterSolObserver kdo = InterSolObserverFor(pozorovatel_, zaznam, obecna_());
    observator_->setText(q(kdo.observatory));
    adresaEdit_->setText(q(kdo.address));
    email_->setText(q(kdo.email));
    ulice_->setText(zaznam ? q((*zaznam)[2]) : QString());
    mesto_->setText(zaznam ? q((*zaznam)[3]) : QString());
    psc_->setText(zaznam ? q((*zaznam)[4]) : QString());
    pristroj_->clear();
    adresa_->show();
}

void InterSolPanel::nastavPristroj(const QString& text) {
    if (adresa_->isVisible()) pristroj_->setText(text);
}

bool InterSolPanel::adresaOtevrena() const {
    return adresa_->isVisible();
}

void InterSolPanel::UlozitClick() {
    if (pristroj_->text().trimmed().isEmpty()) {
        obarvi(pristroj_, Chybi);
        zpravy_.Zprava(q(NeniZadanyPristroj));
        return;
    }
    const ObecnaData& o = obecna_();
    pristroj_->setText(q(o.row(2)));
    const InterSolObserver kdo{pozorovatel_, observator_->text().toStdString(),
                               adresaEdit_->text().toStdString(), email_->text().toStdString()};
    if (!runCommand(zpravy_, [&] {
            const ReportFile protokol = BuildInterSolProtocol(
                tabulka_, kdo, cislo_, o,
                ReadInterSolRecipient(session_.dir.resolve(InterSolAdresaSoubor)));
            WriteReportFile(session_.dir, protokol);
            adresa_->hide();
            // The observer is kept with his number and address for the next time.
            model_.addObserver({cislo_, pozorovatel_, s(ulice_->text().trimmed()),
                                s(mesto_->text().trimmed()), s(psc_->text().trimmed()),
                                std::string()});
            model_.writeObserverTable(session_.dir.resolve(SouborPozorovatelu));
        }))
        return;
    zpravy_.Zprava(q(DataBylaUlozena));
    for (QLineEdit* e : {observator_, adresaEdit_, email_, pristroj_, ulice_, mesto_, psc_})
        obarvi(e, Qt::white);
    emit ulozeno(mesicText_);
}

} // namespace hk
