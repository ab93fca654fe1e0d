#pragma once

namespace strcrypt::app::qt {

// The whole life of the window program: Qt, the shell, the main window, the event loop.
// Returns the exit status. The command line is not looked at.
int RunStrcryptGui(const char* program_path);

}  // namespace strcrypt::app::qt
