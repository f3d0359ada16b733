#pragma once
// The drawing window's panel "Panel2": the records cut into datax1.dat ..
// datax5.dat by date ranges.
#include <QFrame>
#include <array>

#include "records/session.h"

class QPushButton;
class QTableWidget;

namespace hk {

class SplitPanel : public QFrame {
    Q_OBJECT
  public:
    explicit SplitPanel(QWidget* parent);
    // The five rows as typed.
    std::array<SplitRow, 5> rows() const;

    QTableWidget* splitTable;
    QPushButton* splitButton; // "Provést rozdělení"
};

} // namespace hk
