// Writes the fresh data file that goes beside the program: every table, the
// indexes and the one Sistema row. It never overwrites an existing file.
#include "db/DbError.h"
#include "db/Schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool keepExisting = args.removeAll(QStringLiteral("--keep-existing")) > 0;
    // --help and any other option are not file names: usage, and nothing is made.
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: orvalune-mkdata [--keep-existing] <path/dadosn.lst>\n");
        return 2;
    }
    const QString path = args.first();
    if (QFileInfo::exists(path)) {
        if (keepExisting) {
            return 0;
        }
        std::fprintf(stderr, "%s already exists; it is left as it is\n", qPrintable(path));
        return 1;
    }
    try {
        orv::createDataFile(path);
    } catch (const orv::DbError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
