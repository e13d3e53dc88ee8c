#pragma once

#include <QApplication>

namespace orv {

// The program's application object. Window actions meet data-file failures
// through the action guard; should anything else escape an event handler, it
// is written to standard error and the program goes on instead of ending.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace orv
