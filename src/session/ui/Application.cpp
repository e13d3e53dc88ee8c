#include "session/ui/Application.h"

#include <cstdio>
#include <exception>

namespace orv {
namespace {

void report(const QObject* receiver, const char* what) {
    std::fprintf(stderr, "orvalune: falha não tratada em %s: %s\n",
                 receiver ? receiver->metaObject()->className() : "?", what);
    std::fflush(stderr);
}

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        report(receiver, e.what());
    } catch (...) {
        report(receiver, "exceção desconhecida");
    }
    return false;
}

} // namespace orv
