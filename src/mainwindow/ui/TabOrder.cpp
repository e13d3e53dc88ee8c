#include "mainwindow/ui/TabOrder.h"

#include <QWidget>

#include <algorithm>

namespace orv {
namespace {

// Controls whose tops differ by less than this stand in one row.
constexpr int kRowTolerance = 8;

bool takesTab(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) != 0 || w->focusProxy() != nullptr;
}

// The controls under the parent in screen order, groups opened where they stand.
void collect(const QWidget* parent, QList<QWidget*>& out) {
    QList<QWidget*> items;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !child->size().isEmpty()) {
            items << child;
        }
    }
    std::sort(items.begin(), items.end(),
              [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    // Rows: each starts at its topmost control; then left to right.
    for (auto row = items.begin(); row != items.end();) {
        const int top = (*row)->y();
        auto end = std::find_if(row, items.end(),
                                [top](const QWidget* w) { return w->y() >= top + kRowTolerance; });
        std::stable_sort(row, end,
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        row = end;
    }
    for (QWidget* w : items) {
        if (takesTab(w)) {
            out << w;
        } else {
            collect(w, out);
        }
    }
}

} // namespace

void orderTabsByScreen(QWidget* root) {
    QList<QWidget*> chain;
    collect(root, chain);
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

} // namespace orv
