#pragma once

#include <QString>

namespace platform {

// The program's title, which its message boxes carry: the application name set in main.
QString program_title();

// Lets the windows repaint and dispatch the events that wait, in the middle of a long computation.
void process_pending_events();

// Ends the program: every window is hidden at once and the event loop ends with `status` as soon as the
// running handler returns. Without a running event loop (a test) only the windows are hidden.
void end_program(int status = 0);

}  // namespace platform
