#pragma once
// The list of observers with their periods, painted over the results window
// by the key "q" and gone with the next key or click; painted on the shared
// picture canvas.
#include <QWidget>
#include <vector>

#include "render/protocol_observers.h"

namespace hk {

class PictureCanvas;

class ObserverListView : public QWidget {
    Q_OBJECT
  public:
    explicit ObserverListView(QWidget* parent = nullptr);

    void present(const std::vector<ObserverPeriod>& period);
    const std::vector<ObserverPeriod>& period() const { return period_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PictureCanvas* canvas_;
    std::vector<ObserverPeriod> period_;
};

} // namespace hk
