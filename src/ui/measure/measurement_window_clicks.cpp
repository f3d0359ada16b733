// Clicks on the scan: spots of the group in the entry grid and the vertices
// of the faculae field being entered.
#include "ui/measure/measurement_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

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
        scan_.overlay.spots.push_back(p);
        canvas_->update();
        return;
    }

    if (!FacEntryActive_ || FacPointCount_ >= 7 || !cal_.calibrated()) return;
    const VertexPosition v = FaculaeVertex(cal_, p);
    const double radius =
        model_.session().drawingRadius() > 0 ? model_.session().drawingRadius() : 125;
    if (v.distance >= radius) {
        messages_.showMessage(QStringLiteral("Pozice přesahuje poloměr zákresu, změnit"));
        return;
    }
    FacPoints_[FacField_ - 1][FacPointCount_ - 1] = p;
    const int r = FacPointCount_ - 1;
    vertexTable_->setItem(r, 0, new QTableWidgetItem(QString::number(FacPointCount_)));
    vertexTable_->setItem(r, 1, new QTableWidgetItem(q(FormatNumber(v.angle, "#0.0"))));
    vertexTable_->setItem(r, 2, new QTableWidgetItem(q(FormatNumber(v.distance, "#0.0"))));
    pointNumberLabel_->setText(QStringLiteral("%1  č.bodu").arg(FacPointCount_));
    auto& pole = scan_.overlay.fields.back();
    if (FacPointCount_ == 1) pole.clear();
    pole.push_back(p);
    ++FacPointCount_;
    if (FacPointCount_ == 7) pointNumberLabel_->setText(QStringLiteral("Max. 6 bodů"));
    canvas_->update();
}

void MeasurementWindow::rightClick(PicturePoint p) {
    if (faculaeBox_->isHidden()) return;
    if (faculaeFieldSpin_->value() < 1) {
        messages_.showMessage(QStringLiteral("Číslo fakule nula"));
        return;
    }
    if (!cal_.calibrated()) {
        messages_.showMessage(NoCalibration);
        return;
    }
    FacField_ = faculaeFieldSpin_->value();
    FacEntryActive_ = true;
    FacPointCount_ = 1;
    FacPoints_[FacField_ - 1] = {};
    FacPoints_[FacField_ - 1][0] = p;
    vertexTable_->clearContents();
    const VertexPosition v = FaculaeVertex(cal_, p);
    vertexTable_->setItem(0, 0, new QTableWidgetItem(QStringLiteral("1")));
    vertexTable_->setItem(0, 1, new QTableWidgetItem(q(FormatNumber(v.angle, "#0.0"))));
    vertexTable_->setItem(0, 2, new QTableWidgetItem(q(FormatNumber(v.distance, "#0.0"))));
    pointNumberLabel_->clear();
    scan_.overlay.fields.push_back({p});
    canvas_->update();
}

} // namespace hk
