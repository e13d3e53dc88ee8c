#pragma once

class QApplication;
class QCoreApplication;

namespace orv {

// Qt's own texts (the text boxes' menu, standard dialogs and buttons) in the
// program's language, Brazilian Portuguese, whatever the desktop's; false
// where Qt's translations are not installed (its texts then stay in English).
bool installQtTranslations(QCoreApplication& app);

// Runs the program: start-up, the logon window and the event loop.
int runProgram(QApplication& app);

} // namespace orv
