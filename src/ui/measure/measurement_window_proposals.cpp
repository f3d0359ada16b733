// The spots and groups the spot finder proposes over a calibrated scan:
// found, corrected by clicks and accepted into the group drafts.
#include "ui/measure/measurement_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <variant>

#include "measure/spot_finder.h"
#include "text/number_format.h"
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

void MeasurementWindow::showProposals() {
    const SpotProposals& n = scan_.overlay.proposals;
    const QSignalBlocker silence(proposalTable_);
    proposalTable_->setRowCount(static_cast<int>(n.groups().size()));
    for (int g = 0; g < static_cast<int>(n.groups().size()); ++g) {
        const ProposedGroup& group = n.groups()[g];
        double area = 0;
        for (int i : group.spots)
            area += n.spots()[i].area();
        const QString cells[] = {QString::number(g + 1), q(group.groupClass), q(group.number),
                                 QString::number(group.spots.size()), q(FormatTenths(area))};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c != 1 && c != 2) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            proposalTable_->setItem(g, c, item);
        }
    }
    proposalBox_->setVisible(!n.empty());
    canvas_->update();
}

void MeasurementWindow::onFindSpotsClicked() {
    if (scan_.picture.isNull()) {
        messages_.showMessage(QStringLiteral("Není otevřen obrázek zákresu"));
        return;
    }
    if (!cal_.calibrated()) {
        messages_.showMessage(NoCalibration);
        return;
    }
    const QImage grey = scan_.picture.convertToFormat(QImage::Format_Grayscale8);
    // The Sun's orientation of the current record; without a date its axis
    // is taken as the drawing's north.
    const Ephemeris e = RecordEphemeris(model_.workingRecord()).value_or(Ephemeris{});
    const SpotFinding finding = FindSpots(GreyView(grey), cal_, e);
    proposalEdit_ = ProposalEdit::NoEdit;
    first_.reset();
    scan_.overlay.proposals = SpotProposals(finding);
    scan_.overlay.pxPerMm = cal_.CalRadiusPx / 125.0;
    if (finding.spots.empty())
        messages_.showMessage(QStringLiteral("Skvrny se v obrázku nepodařilo najít"));
    proposalStatus_->setText(QStringLiteral("Skvrn %1, skupin %2. Doplňte typ a číslo skupin.")
                                 .arg(finding.spots.size())
                                 .arg(finding.groups.size()));
    showProposals();
}

void MeasurementWindow::onProposalEditClicked(ProposalEdit u) {
    proposalEdit_ = u;
    first_.reset();
    static const char* const texts[] = {
        "",
        "Klikněte na skvrnu, která se odebere",
        "Klikněte na skvrnu skupiny, která se odebere",
        "Klikněte na skvrnu první a pak druhé skupiny",
        "Klikněte na skvrnu, která s bližšími skvrnami tvoří novou skupinu",
        "Klikněte na skvrnu a pak na skvrnu skupiny, kam patří (mimo skvrny: nová skupina)"};
    proposalStatus_->setText(QString::fromUtf8(texts[static_cast<int>(u)]));
}

void MeasurementWindow::editProposalAt(PicturePoint p) {
    SpotProposals& n = scan_.overlay.proposals;
    const double reach = std::max(6.0, 1.5 * scan_.overlay.pxPerMm);
    const auto spotIndex = n.spotAt(p, reach);
    const ProposalEdit u = proposalEdit_;
    bool done = false;
    if (u == ProposalEdit::MoveSpot && first_) {
        const auto target = n.groupAt(p, reach);
        done = n.moveSpot(*first_, target ? *target : static_cast<int>(n.groups().size()));
    } else if (!spotIndex) {
        return;
    } else if (u == ProposalEdit::RemoveSpot) {
        done = n.removeSpot(*spotIndex);
    } else if (u == ProposalEdit::RemoveGroup) {
        done = n.removeGroup(*n.groupOf(*spotIndex));
    } else if (u == ProposalEdit::SplitGroup) {
        done = n.splitGroup(*n.groupOf(*spotIndex), *spotIndex);
        if (!done)
            messages_.showMessage(QStringLiteral("Klikněte na jinou než největší skvrnu skupiny"));
    } else if (!first_) {
        first_ = *spotIndex; // merge or move: the first of two clicks
        proposalStatus_->setText(u == ProposalEdit::MergeGroups
                                     ? QStringLiteral("A teď na skvrnu druhé skupiny")
                                     : QStringLiteral("A teď kam patří"));
        return;
    } else {
        done = n.mergeGroups(*n.groupOf(*first_), *n.groupOf(*spotIndex));
    }
    proposalEdit_ = ProposalEdit::NoEdit;
    first_.reset();
    proposalStatus_->setText(done ? QString() : QStringLiteral("Nic se nezměnilo"));
    showProposals();
}

void MeasurementWindow::onAcceptProposalsClicked() {
    const auto proposedDrafts = scan_.overlay.proposals.drafts(cal_);
    if (const auto* message = std::get_if<std::string>(&proposedDrafts)) {
        messages_.showMessage(q(*message));
        return;
    }
    const auto& drafts = std::get<std::vector<GroupDraft>>(proposedDrafts);
    if (const auto message = AddDrafts(GroupDraft_, drafts)) {
        messages_.showMessage(q(*message));
        return;
    }
    // The groups are drafted as if clicked; "Konec zadávání skvrn" stores them.
    scan_.overlay.proposals = SpotProposals();
    proposalEdit_ = ProposalEdit::NoEdit;
    first_.reset();
    showProposals();
    onSpotParametersClicked();
    messages_.showMessage(QStringLiteral("Zapsáno skupin: %1. Do záznamu je uloží tlačítko "
                                         "\"Konec zadávání skvrn\".")
                              .arg(drafts.size()));
}

} // namespace hk
