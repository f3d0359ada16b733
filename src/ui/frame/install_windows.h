#pragma once
// The windows of the program join the main window here: each part provides
// an install function that creates its window or connects its commands.
namespace hk {

class MainWindow;

// After the start-up: the record selection window first, then the others.
void installWindows(MainWindow& mainWindow);

} // namespace hk
