#pragma once
// The drawing window's panel "slucovani": another record file merged into
// the records.
#include <QGroupBox>

class QLabel;
class QPushButton;

namespace hk {

class MergePanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit MergePanel(QWidget* parent);
    // The file chosen (empty: none), shown in fileLabel; "Sloučit" follows it.
    void setFile(const QString& name);

    QPushButton* chooseFileButton;
    QPushButton* confirmMerge;
    QPushButton* cancelMergeButton;
    QLabel* fileLabel;
};

} // namespace hk
