#include "cli/gui_application.h"

#include <QGuiApplication>

namespace hk::cli {

GuiApplicationScope::GuiApplicationScope() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiApplicationScope::~GuiApplicationScope() = default;

} // namespace hk::cli
