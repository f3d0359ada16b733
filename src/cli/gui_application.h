#pragma once
// Commands that paint pictures need a QGuiApplication for fonts. This scope
// makes one for the duration of the command (on the platform main() chose)
// when the process has none yet.
#include <memory>

class QGuiApplication;

namespace hk::cli {

class GuiApplicationScope {
  public:
    GuiApplicationScope();
    ~GuiApplicationScope();
    GuiApplicationScope(const GuiApplicationScope&) = delete;
    GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

  private:
    int argc_ = 1;
    char name_[14] = "heliokres-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace hk::cli
