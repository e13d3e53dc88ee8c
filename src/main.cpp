#include "session/ui/Application.h"
#include "session/ui/Program.h"

int main(int argc, char** argv) {
    orv::Application app(argc, argv);
    return orv::runProgram(app);
}
