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
    explicit ObserverDialog(const std::vector<std::string>& pozorovatele,
                            QWidget* parent = nullptr);

    // Shows the dialog modally and returns the chosen observer.
    static QString vyber(const std::vector<std::string>& pozorovatele, QWidget* parent = nullptr);

    const QString& VybranyPozorovatel() const { return vybrany_; }
    void OKBtnClick();

  public slots:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QComboBox* ComboBox1_;
    QString vybrany_;
};

} // namespace hk
