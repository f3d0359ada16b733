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

    void present(const std::vector<ObserverPeriod>& period);
    const std::vector<ObserverPeriod>& period() const { return period_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    std::vector<ObserverPeriod> period_;
};

} // namespace hk
