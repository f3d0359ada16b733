#pragma once
// The list of observers with their periods, painted over the results window
// by the key "q" and gone with the next key or click; painted on the shared
// picture canvas. The room the list has in the window is its scene.
#include <QWidget>

#include "results/observer_list_scene.h"

namespace hk {

class PictureCanvas;
class Session;

class ObserverListView : public QWidget {
    Q_OBJECT
  public:
    explicit ObserverListView(QWidget* parent = nullptr);

    // Shows the store's list at the view's position, cut at the parent's
    // edges.
    void present(const Session& session);
    const ObserverListPicture& picture() const { return picture_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PictureCanvas* canvas_;
    ObserverListScene scene_;
    ObserverListPicture picture_;
};

} // namespace hk
