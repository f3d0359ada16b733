// Clicks on the scan: spots of the group in the entry grid and the vertices
// of the faculae field being entered.
#include "ui/measure/measurement_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>

#include "records/session.h"
#include "text/number_format.h"
#include "ui/frame/messages.h"
#include "ui/frame/session_model.h"
#include "ui/frame/ui_helpers.h"

namespace hk {

void MeasurementWindow::leftClick(PicturePoint p) {
    switch (nextClick_) {
    case Click::Centre:
        setCentre(p);
        return;
    case Click::North:
    case Click::Axis:
        setNorth(p, nextClick_ == Click::Axis);
        return;
    case Click::DailyMotion: {
        static const char* const names[] = {"Pravý   ", "Levý   ", "Střed   ", "Okraj   "};
        const QString text = QString::fromUtf8(names[dailyMotion_.size()]) +
                             QStringLiteral("%1   %2").arg(p.x).arg(p.y);
        groupStatus_->setText(text);
        faculaeStatus_->setText(text);
        dailyMotion_.push_back(p);
        if (dailyMotion_.size() < 4) return;
        const auto& d = dailyMotion_;
        setCentre(d[2]);
        onSpotParametersClicked();
        setNorth(DailyMotionNorth(d[0], d[1], d[2], d[3]), false);
        return;
    }
    case Click::None:
        break;
    }

    if (proposalEdit_ != ProposalEdit::NoEdit && !scan_.overlay.proposals.empty()) {
        editProposalAt(p);
        return;
    }

    const int column = manualGroupTable_->currentColumn();
    int target = 0;
    if (column == ColAngle || column == ColDistance) target = 1;
    if (column == ColAngle1 || column == ColDistance1) target = 2;
    if (column == ColAngle2 || column == ColDistance2) target = 3;
    if (!groupBox_->isHidden() && target != 0) {
        if (!cal_.calibrated()) {
            messages_.showMessage(NoCalibration);
            return;
        }
        const PolarPosition s = SpotPosition(cal_, p);
        if (s.distance > 125) {
            messages_.showMessage(
                QStringLiteral("Vzdálenost skvrny přesahuje poloměr zákresu, změnit"));
            return;
        }
        const int angle = target == 1 ? ColAngle : target == 2 ? ColAngle1 : ColAngle2;
        manualGroupTable_->item(0, angle)->setText(q(FormatTenths(s.angle)));
        manualGroupTable_->item(0, angle + 1)->setText(q(FormatTenths(s.distance)));
        spotPoint_ = p;
        areaTarget_ = target;
        measureAreaButton_->setEnabled(true);
        // A spot clicked again moves its mark; the last click ends the list.
        auto& marks = scan_.overlay.spots;
        const int group = groupOrder_->value();
        std::erase_if(marks,
                      [&](const SpotMark& m) { return m.group == group && m.spot == target; });
        marks.push_back({group, target, p});
        showSpotRows();
        canvas_->update();
        return;
    }

    // Vertices only while the faculae box is shown: a click in the group box
    // outside a spot's columns is no vertex of a field left unfinished.
    if (faculaeBox_->isHidden() || !FacEntryActive_ || FacPointCount_ >= 7 || !cal_.calibrated())
        return;
    const VertexPosition v = FaculaeVertex(cal_, p);
    const double radius =
        model_.session().drawingRadius() > 0 ? model_.session().drawingRadius() : 125;
    if (v.distance >= radius) {
        messages_.showMessage(QStringLiteral("Pozice přesahuje poloměr zákresu, změnit"));
        return;
    }
    // The first vertex takes the start point's place in the field; the start
    // point keeps its own row and mark.
    FacPoints_[FacField_ - 1][FacPointCount_ - 1] = p;
    showVertexRow(FacPointCount_, QString::number(FacPointCount_), p);
    pointNumberLabel_->setText(QStringLiteral("%1  č.bodu").arg(FacPointCount_));
    scan_.overlay.fields.back().vertices.push_back(p);
    ++FacPointCount_;
    if (FacPointCount_ == 7) pointNumberLabel_->setText(QStringLiteral("Max. 6 bodů"));
    canvas_->update();
}

void MeasurementWindow::rightClick(PicturePoint p) {
    if (faculaeBox_->isHidden() || !faculaeFieldReady()) return;
    FacField_ = faculaeFieldSpin_->value();
    FacEntryActive_ = true;
    FacPointCount_ = 1;
    replacedVertices_ = FacPoints_[FacField_ - 1];
    FacPoints_[FacField_ - 1] = {};
    FacPoints_[FacField_ - 1][0] = p;
    vertexTable_->clearContents();
    showVertexRow(0, QStringLiteral("úvodní"), p);
    pointNumberLabel_->clear();
    // A field entered again replaces its marks; they come back if its start
    // point is taken back.
    auto& fields = scan_.overlay.fields;
    const auto same = std::find_if(fields.begin(), fields.end(),
                                   [&](const FieldMark& f) { return f.field == FacField_; });
    replacedMark_.reset();
    if (same != fields.end()) {
        replacedMark_ = *same;
        fields.erase(same);
    }
    fields.push_back({FacField_, p, {}});
    canvas_->update();
}

void MeasurementWindow::showVertexRow(int row, const QString& name, PicturePoint p) {
    const VertexPosition v = FaculaeVertex(cal_, p);
    vertexTable_->setItem(row, 0, new QTableWidgetItem(name));
    vertexTable_->setItem(row, 1, new QTableWidgetItem(q(FormatNumber(v.angle, "#0.0"))));
    vertexTable_->setItem(row, 2, new QTableWidgetItem(q(FormatNumber(v.distance, "#0.0"))));
}

void MeasurementWindow::onUndoVertexClicked() {
    if (!FacEntryActive_) {
        pointNumberLabel_->setText(QStringLiteral("Není zadáván žádný bod"));
        return;
    }
    auto& fields = scan_.overlay.fields;
    FacField& vertices = FacPoints_[FacField_ - 1];
    if (FacPointCount_ > 1) {
        // The last vertex; without vertices the start point stands as the
        // first one again, as it did before the first one was clicked.
        --FacPointCount_;
        vertices[FacPointCount_ - 1] = FacPointCount_ == 1 ? fields.back().start : PicturePoint{};
        fields.back().vertices.pop_back();
        vertexTable_->removeRow(FacPointCount_);
        vertexTable_->insertRow(FacPointCount_);
        if (FacPointCount_ > 1)
            pointNumberLabel_->setText(QStringLiteral("%1  č.bodu").arg(FacPointCount_ - 1));
        else
            pointNumberLabel_->clear();
    } else {
        // The start point: the field as it was before it.
        vertices = replacedVertices_;
        fields.pop_back();
        if (replacedMark_) fields.push_back(*replacedMark_);
        replacedMark_.reset();
        FacEntryActive_ = false;
        vertexTable_->clearContents();
        pointNumberLabel_->clear();
    }
    canvas_->update();
}

void MeasurementWindow::showSpotRows() {
    std::vector<SpotMark> marks = scan_.overlay.spots;
    std::stable_sort(marks.begin(), marks.end(), [](const SpotMark& a, const SpotMark& b) {
        return std::pair(a.group, a.spot) < std::pair(b.group, b.spot);
    });
    static const char* const names[] = {"", "hlavní", "pomocná 1", "pomocná 2"};
    spotTable_->setRowCount(static_cast<int>(marks.size()));
    for (int r = 0; r < static_cast<int>(marks.size()); ++r) {
        const SpotMark& m = marks[r];
        QString angle, distance;
        if (cal_.calibrated()) {
            const PolarPosition s = SpotPosition(cal_, m.point);
            angle = q(FormatTenths(s.angle));
            distance = q(FormatTenths(s.distance));
        }
        const QString cells[] = {QString::number(m.group), QString::fromUtf8(names[m.spot]), angle,
                                 distance};
        for (int c = 0; c < 4; ++c)
            spotTable_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
}

void MeasurementWindow::onUndoSpotClicked() {
    auto& marks = scan_.overlay.spots;
    const int group = groupOrder_->value();
    const auto last = std::find_if(marks.rbegin(), marks.rend(),
                                   [&](const SpotMark& m) { return m.group == group; });
    if (last == marks.rend()) {
        groupStatus_->setText(QStringLiteral("Skupina %1 nemá zadanou skvrnu").arg(group));
        return;
    }
    const int spot = last->spot;
    marks.erase(std::next(last).base());
    // The grid row no longer holds the spot's position; its area stays, as
    // it may have been typed.
    const int angle = spot == 1 ? ColAngle : spot == 2 ? ColAngle1 : ColAngle2;
    manualGroupTable_->item(0, angle)->setText({});
    manualGroupTable_->item(0, angle + 1)->setText({});
    if (areaTarget_ == spot) {
        spotPoint_.reset();
        areaTarget_ = 0;
        measureAreaButton_->setEnabled(false);
    }
    showSpotRows();
    canvas_->update();
}

} // namespace hk
