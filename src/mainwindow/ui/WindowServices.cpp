#include "mainwindow/ui/WindowServices.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace orv {

QRegion buildRegion(const QImage& picture) {
    QRegion region;
    if (picture.isNull() || picture.height() == 0) {
        return region;
    }
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = image.pixel(0, 0);
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int runStart = -1;
        for (int x = 0; x < w; ++x) {
            const bool opaque = line[x] != key;
            if (opaque && runStart < 0) {
                runStart = x;
            } else if (!opaque && runStart >= 0) {
                region += QRect(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
        if (runStart >= 0) {
            region += QRect(runStart, y, w - runStart, 1);
        }
    }
    return region;
}

void shapeWindow(QWidget* window, const QImage& picture) {
    window->setFixedSize(picture.size());
    window->setMask(buildRegion(picture));
}

namespace {

// Moves the window with the mouse: through the window system where it can,
// by following the pointer where it cannot (offscreen, some X servers).
class DragFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* handle = static_cast<QWidget*>(watched);
        QWidget* window = handle->window();
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (window->windowHandle() && window->windowHandle()->startSystemMove()) {
                return true;
            }
            offset_ = e->globalPosition().toPoint() - window->pos();
            dragging_ = true;
            return true;
        }
        case QEvent::MouseMove:
            if (dragging_) {
                window->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() -
                             offset_);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            dragging_ = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    QPoint offset_;
    bool dragging_ = false;
};

} // namespace

void dragWindowBy(QWidget* handle) {
    handle->installEventFilter(new DragFilter(handle));
}

void setTopmost(QWidget* window, bool topmost) {
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (visible) {
        window->show();
    }
}

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace orv

namespace orv {

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

QWidget* visibleWindow(const QString& objectName) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == objectName) {
            return w;
        }
    }
    return nullptr;
}

} // namespace orv
