#include "session/ui/Program.h"

#include <QApplication>

namespace orv {

int runProgram(QApplication& app) {
    return app.exec();
}

} // namespace orv
