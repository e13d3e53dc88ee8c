#pragma once

class QApplication;

namespace orv {

// Runs the program: start-up, the logon window and the event loop.
int runProgram(QApplication& app);

} // namespace orv
