// The catalogue of pictures: each one's name, size, and how it is drawn.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace art {

struct Picture {
    QString name; // the program loads it as :/images/<name>.png
    QSize size;
    std::function<QImage()> draw;
};

std::vector<Picture> allPictures();

} // namespace art
