#pragma once
// The observer dialog ("Vybrat pozorovatele"): one observer chosen from the
// known names or typed. It cannot be closed until a name is given.
#include <QDialog>
#include <string>
#include <vector>

class QComboBox;

namespace hk {

class ObserverDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ObserverDialog(const std::vector<std::string>& observerList,
                            QWidget* parent = nullptr);

    // Shows the dialog modally and returns the chosen observer.
    static QString choose(const std::vector<std::string>& observerList, QWidget* parent = nullptr);

    const QString& chosenObserver() const { return chosen_; }

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void onOkClicked();

    QComboBox* observerBox_;
    QString chosen_;
};

} // namespace hk
