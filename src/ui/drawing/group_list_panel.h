#pragma once
// The drawing window's list "panel": the groups of the current record with
// the distance of their first auxiliary spot in degrees.
#include <QFrame>

#include "records/record_layout.h"

class QPushButton;
class QTableWidget;

namespace hk {

class GroupListPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int DataRows = 30;

    explicit GroupListPanel(QWidget* parent);
    // Fills the list from the record's groups.
    void fill(const TZaznam& z);

    QTableWidget* groupTable;
    QPushButton* backButton; // "Zrušit"
};

} // namespace hk
