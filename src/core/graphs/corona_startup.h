#pragma once
// The start-up step that loads the corona table into the session.
namespace hk {

class Session;

// Runs the corona loader on the session's program directory and stores the
// table (Session::setCorona); a file that stops the loading early leaves a
// warning.
void LoadCoronaAtStartup(Session& session);

} // namespace hk
