#pragma once
// Views 1 and 2 of the results window: the monthly protocol or the SIDC
// certificate painted on the window, scrolled vertically when it is taller
// than the window and sideways when it is wider. The view holds the scene;
// its canvas paints the picture built from it.
#include <QAbstractScrollArea>

#include "render/protocol.h"
#include "results/protocol_scene.h"

namespace hk {

class PictureCanvas;
class Session;

class ProtocolView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    ProtocolView(const Session& session, QWidget* parent = nullptr);

    // Shows the month and form of `scene` (its size and scroll position are
    // the view's own) with the general data `stationData`.
    void setScene(const ProtocolScene& scene, const StationData& stationData);

    const ProtocolScene& scene() const { return scene_; }
    const ProtocolPicture& picture() const { return picture_; }
    const ProtocolData& data() const { return picture_.data; }
    ProtocolKind kind() const { return picture_.kind; }
    ProtocolOptions options() const;
    PictureCanvas* canvas() const { return canvas_; }

  protected:
    bool viewportEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void rebuild();

    const Session& session_;
    StationData stationData_;
    ProtocolScene scene_;
    ProtocolPicture picture_;
    PictureCanvas* canvas_;
    bool rebuilding_ = false;
};

} // namespace hk
