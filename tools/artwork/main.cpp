// Draws all of Orvalune's pictures into a resources folder:
//   orvalune-artwork <resources folder>
// writes <resources folder>/images/<name>.png for every picture of the catalogue.
#include "Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: orvalune-artwork <resources folder>\n");
        return 2;
    }
    const QDir images(QDir(args.first()).filePath(QStringLiteral("images")));
    if (!QDir().mkpath(images.path())) {
        std::fprintf(stderr, "could not make %s\n", qPrintable(images.path()));
        return 1;
    }
    int failures = 0;
    for (const art::Picture& picture : art::allPictures()) {
        const QString path = images.filePath(picture.name + QStringLiteral(".png"));
        const QImage image = picture.draw();
        if (image.size() != picture.size || !image.save(path, "PNG")) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(path));
            ++failures;
            continue;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return failures == 0 ? 0 : 1;
}
