#pragma once
// The list of observers with their periods, painted over the results window
// by the key "q" and gone with the next key or click.
#include <QWidget>
#include <vector>

#include "render/protocol_observers.h"

namespace hk {

class ObserverListView : public QWidget {
    Q_OBJECT
  public:
    explicit ObserverListView(QWidget* parent = nullptr);

    void ukaz(const std::vector<ObserverPeriod>& obdobi);
    const std::vector<ObserverPeriod>& obdobi() const { return obdobi_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::vector<ObserverPeriod> obdobi_;
};

} // namespace hk
