#include "mainwindow/ui/FocusRing.h"

#include <QApplication>
#include <QPainter>
#include <QRegion>

namespace orv {
namespace {

constexpr int kWidth = 2;
const char* const kRingName = "focusRing";

class Ring : public QWidget {
public:
    explicit Ring(QWidget* window) : QWidget(window) {
        setObjectName(QLatin1String(kRingName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void surround(const QWidget* target) {
        const QRect inner(target->mapTo(parentWidget(), QPoint(0, 0)), target->size());
        const QRect outer = inner.adjusted(-kWidth, -kWidth, kWidth, kWidth);
        setGeometry(outer);
        const QRect local(QPoint(0, 0), outer.size());
        setMask(
            QRegion(local).subtracted(QRegion(local.adjusted(kWidth, kWidth, -kWidth, -kWidth))));
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 90, 200));
    }
};

} // namespace

FocusRing::FocusRing(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { follow(now); });
}

void FocusRing::install() {
    if (qApp->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly) == nullptr) {
        new FocusRing(qApp);
    }
}

QWidget* FocusRing::ringOf(const QWidget* window) {
    return window->findChild<QWidget*>(QLatin1String(kRingName), Qt::FindDirectChildrenOnly);
}

void FocusRing::follow(QWidget* focused) {
    if (shown_) {
        shown_->hide();
    }
    // The hidden focus target of the main window is a point, not a control.
    if (focused == nullptr || focused->width() < 4 || focused->height() < 4 ||
        focused->isWindow()) {
        return;
    }
    QWidget* window = focused->window();
    auto* ring = static_cast<Ring*>(ringOf(window));
    if (ring == nullptr) {
        ring = new Ring(window);
    }
    ring->surround(focused);
    shown_ = ring;
}

} // namespace orv
