#pragma once

#include <QPointer>
#include <QWidget>

namespace orv {

// A frame drawn around whichever control has the keyboard, in every window of
// the program: the flat picture buttons and the skinned windows show no focus
// of their own. It lies over the window, lets the mouse through and covers
// nothing but a thin ring.
class FocusRing : public QObject {
    Q_OBJECT
public:
    // Starts following the keyboard focus of the application (once).
    static void install();

    // The ring's widget in a window, when the window had the focus once.
    static QWidget* ringOf(const QWidget* window);

private:
    explicit FocusRing(QObject* parent);
    void follow(QWidget* focused);

    QPointer<QWidget> shown_;
};

} // namespace orv
