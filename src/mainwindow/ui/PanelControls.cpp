#include "mainwindow/ui/PanelControls.h"

#include "mainwindow/ui/AccessibleNames.h"
#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/Twips.h"
#include "session/ui/BoxLimit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orv {
namespace {

QRect pixels(const QRect& twipsRect) {
    return rectTwips(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height());
}

// Escape closes the calendar without a choice.
class CalendarKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            static_cast<QWidget*>(parent())->hide();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QColor toColour(const Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void layOutColumns(Grid& grid, const QVector<GridColumn>& columns) {
    for (int c = 0; c < columns.size(); ++c) {
        grid.setHeader(c, columns[c].header, columns[c].width, columns[c].alignment);
    }
}

GridRow alignedRow(const QVector<GridColumn>& columns, std::initializer_list<QString> texts) {
    GridRow row(static_cast<int>(columns.size()));
    int c = 0;
    for (const QString& text : texts) {
        row.cells[c].text = text;
        row.cells[c].setAlignment(columns[c].cellAlignment);
        ++c;
    }
    return row;
}

GridRow markedRow(const QVector<GridColumn>& columns, std::initializer_list<QString> texts,
                  bool done, int first, const Rgb& colour, RowColour paint) {
    GridRow row = alignedRow(columns, texts);
    for (int c = first; c < row.cells.size(); ++c) {
        if (paint == RowColour::Text) {
            row.cells[c].setForeground(toColour(colour));
        } else {
            row.cells[c].setBackground(toColour(colour));
        }
    }
    if (done) {
        row.cells[1].setPicture(QStringLiteral("imgExecutado"), Qt::AlignCenter);
    }
    return row;
}

QLabel* panelLabel(QWidget* parent, const QString& text, const QRect& twipsRect, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(pixels(twipsRect));
    label->setFont(arial(8, true));
    if (buddy != nullptr) {
        labelFor(label, buddy);
    }
    return label;
}

QLineEdit* panelLineBox(QWidget* parent, const QString& name, const QRect& twipsRect, int maxLength,
                        Qt::Alignment alignment, KeyMode mode) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(pixels(twipsRect));
    limitLength(box, maxLength);
    box->setAlignment(alignment);
    applyKeyMode(box, mode);
    return box;
}

QPlainTextEdit* panelTextArea(QWidget* parent, const QString& name, const QRect& twipsRect,
                              int maxLength) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setGeometry(pixels(twipsRect));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    if (maxLength > 0) {
        limitLength(box, maxLength);
    }
    return box;
}

QPushButton* panelButton(QWidget* parent, const QString& name, const QString& text,
                         const QRect& twipsRect) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(pixels(twipsRect));
    button->setAccessibleName(accessibleText(text));
    return button;
}

QPushButton* pictureButton(QWidget* parent, const QString& name, const QString& picture,
                           const QString& fallback, const QString& toolTip,
                           const QRect& twipsRect) {
    auto* button = panelButton(parent, name, QString(), twipsRect);
    const QIcon icon(QStringLiteral(":/images/%1.png").arg(picture));
    if (icon.availableSizes().isEmpty()) {
        button->setText(fallback);
    } else {
        button->setIcon(icon);
    }
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    return button;
}

QLineEdit* emptyGridNotice(QWidget* parent, const QString& name, const QString& text,
                           const QRect& twipsRect) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(pixels(twipsRect));
    box->setAccessibleName(text);
    box->setFrame(false);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QCalendarWidget* panelCalendar(QWidget* parent, const QString& name) {
    auto* calendar = new QCalendarWidget(parent);
    calendar->setObjectName(name);
    calendar->setGridVisible(true);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calendar->setAutoFillBackground(true);
    calendar->resize(calendar->sizeHint());
    calendar->installEventFilter(new CalendarKeys(calendar));
    for (QWidget* child : calendar->findChildren<QWidget*>()) {
        child->installEventFilter(new CalendarKeys(calendar));
    }
    calendar->hide();
    return calendar;
}

void showCalendarAt(QCalendarWidget* calendar, const QDate& day, const QPoint& topLeftPx) {
    if (day.isValid()) {
        calendar->setSelectedDate(day);
    }
    const QWidget* area = calendar->parentWidget();
    QPoint at = topLeftPx;
    if (area) {
        at.setX(std::max(0, std::min(at.x(), area->width() - calendar->width())));
        at.setY(std::max(0, std::min(at.y(), area->height() - calendar->height())));
    }
    calendar->move(at);
    calendar->show();
    calendar->raise();
    calendar->setFocus(Qt::OtherFocusReason);
}

} // namespace orv

namespace orv {

bool pressShown(QPushButton* button) {
    if (button == nullptr || !button->isVisible() || !button->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

void closeAndEmpty(QWidget* frame) {
    frame->hide();
    for (QLineEdit* box : frame->findChildren<QLineEdit*>()) {
        box->clear();
    }
    for (QPlainTextEdit* box : frame->findChildren<QPlainTextEdit*>()) {
        box->clear();
    }
}

} // namespace orv
