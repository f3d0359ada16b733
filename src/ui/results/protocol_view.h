#pragma once
// Views 1 and 2 of the results window: the monthly protocol or the SIDC
// certificate painted on the window, scrolled vertically when it is taller
// than the window and sideways when it is wider.
#include <QAbstractScrollArea>

#include "render/protocol.h"

namespace hk {

class ProtocolView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit ProtocolView(QWidget* parent = nullptr);

    // What to paint: the month, the form, the window's magnification (device
    // pixels per form unit) and the Czech protocol's font size.
    void setTable(const ProtocolData& data, ProtocolKind kind, double unit, int fontSize);

    const ProtocolData& data() const { return data_; }
    ProtocolKind kind() const { return kind_; }
    ProtocolOptions options() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void updateScrollBar();

    ProtocolData data_;
    ProtocolKind kind_ = ProtocolKind::Own;
    double unit_ = 1.0;
    int fontSize_ = DefaultFontSize;
};

} // namespace hk
