#include "cli/gui_application.h"

#include <QGuiApplication>

namespace hk::cli {

GuiApplicationScope::GuiApplicationScope() {
    if (QCoreApplication::instance()) return;
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

GuiApplicationScope::~GuiApplicationScope() = default;

} // namespace hk::cli
