#include "mainwindow/ui/Grid.h"

#include "mainwindow/ui/Pictures.h"
#include "mainwindow/ui/Twips.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace orv {
namespace {

constexpr int kPictureRole = Qt::UserRole + 1;
constexpr int kPictureAlignRole = Qt::UserRole + 2;

// Draws a cell's picture at the left or in the centre, then its text.
class PictureDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString name = index.data(kPictureRole).toString();
        QPixmap pixmap;
        if (!name.isEmpty()) {
            pixmap = picture(name);
        }
        opt.icon = QIcon();
        opt.features &= ~QStyleOptionViewItem::HasDecoration;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (!pixmap.isNull()) {
            const auto align = static_cast<Qt::Alignment>(index.data(kPictureAlignRole).toInt());
            const QSize size = pixmap.size()
                                   .scaled(opt.rect.size() - QSize(2, 2), Qt::KeepAspectRatio)
                                   .boundedTo(pixmap.size());
            QRect target(QPoint(), size);
            target.moveCenter(opt.rect.center());
            if (align & Qt::AlignLeft) {
                target.moveLeft(opt.rect.left() + 2);
            }
            if (style) {
                style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
            }
            painter->drawPixmap(target, pixmap);
            opt.backgroundBrush = Qt::NoBrush;
            if (align & Qt::AlignLeft) {
                opt.rect.setLeft(target.right() + 2);
            }
        }
        if (style) {
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        }
    }
};

} // namespace

Grid::Grid(int columns, QWidget* parent) : QTableWidget(0, columns, parent) {
    setItemDelegate(new PictureDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    QFont headerFont = horizontalHeader()->font();
    headerFont.setBold(true);
    horizontalHeader()->setFont(headerFont);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(true);
    for (int c = 0; c < columns; ++c) {
        setHorizontalHeaderItem(c, new QTableWidgetItem());
    }
    setColumnWidthTwips(0, 0);
    connect(this, &QTableWidget::cellClicked, this, [this](int r, int) { clickRow(r + 1); });
    connect(this, &QTableWidget::cellActivated, this, [this](int r, int) { clickRow(r + 1); });
}

int Grid::addRow() {
    const int r = rowCount();
    insertRow(r);
    for (int c = 0; c < columnCount(); ++c) {
        setItem(r, c, new QTableWidgetItem());
    }
    return r + 1;
}

void Grid::setHeader(int col, const QString& text, int widthTwips, Qt::Alignment columnAlignment) {
    QTableWidgetItem* h = horizontalHeaderItem(col);
    h->setText(text);
    h->setTextAlignment(columnAlignment | Qt::AlignVCenter);
    setColumnWidthTwips(col, widthTwips);
}

QString Grid::header(int col) const {
    return horizontalHeaderItem(col) ? horizontalHeaderItem(col)->text() : QString();
}

void Grid::setColumnWidthTwips(int col, int widthTwips) {
    setColumnHidden(col, widthTwips == 0);
    if (widthTwips > 0) {
        setColumnWidth(col, px(widthTwips));
    }
    setProperty(QByteArray("widthTwips") + QByteArray::number(col), widthTwips);
}

int Grid::columnWidthTwips(int col) const {
    return property(QByteArray("widthTwips") + QByteArray::number(col)).toInt();
}

QTableWidgetItem* Grid::item(int row, int col) {
    QTableWidgetItem* it = QTableWidget::item(row - 1, col);
    if (!it) {
        it = new QTableWidgetItem();
        setItem(row - 1, col, it);
    }
    return it;
}

const QTableWidgetItem* Grid::constItem(int row, int col) const {
    return QTableWidget::item(row - 1, col);
}

void Grid::setText(int row, int col, const QString& text) {
    if (row == 0) {
        horizontalHeaderItem(col)->setText(text);
        return;
    }
    item(row, col)->setText(text);
}

QString Grid::text(int row, int col) const {
    if (row == 0) {
        return header(col);
    }
    const QTableWidgetItem* it = constItem(row, col);
    return it ? it->text() : QString();
}

void Grid::setAlignment(int row, int col, Qt::Alignment alignment) {
    item(row, col)->setTextAlignment(alignment | Qt::AlignVCenter);
}

Qt::Alignment Grid::alignment(int row, int col) const {
    const QTableWidgetItem* it = constItem(row, col);
    return it ? static_cast<Qt::Alignment>(it->textAlignment()) & Qt::AlignHorizontal_Mask
              : Qt::Alignment();
}

void Grid::setTextColour(int row, int col, const QColor& colour) {
    item(row, col)->setForeground(colour);
}

QColor Grid::textColour(int row, int col) const {
    const QTableWidgetItem* it = constItem(row, col);
    return it ? it->foreground().color() : QColor();
}

void Grid::setBackground(int row, int col, const QColor& colour) {
    item(row, col)->setBackground(colour);
}

QColor Grid::background(int row, int col) const {
    const QTableWidgetItem* it = constItem(row, col);
    return it ? it->background().color() : QColor();
}

void Grid::setBold(int row, int col, bool bold) {
    QFont f = font();
    f.setBold(bold);
    item(row, col)->setFont(f);
}

void Grid::setPicture(int row, int col, const QString& pictureName, Qt::Alignment alignment) {
    QTableWidgetItem* it = item(row, col);
    it->setData(kPictureRole, pictureName);
    it->setData(kPictureAlignRole, static_cast<int>(alignment));
}

QString Grid::pictureName(int row, int col) const {
    const QTableWidgetItem* it = constItem(row, col);
    return it ? it->data(kPictureRole).toString() : QString();
}

void Grid::setRowHeightTwips(int row, int heightTwips) {
    setRowHeight(row - 1, px(heightTwips));
}

int Grid::rowHeightTwips(int row) const {
    return twips(rowHeight(row - 1));
}

int Grid::heightTwips() const {
    return twips(height());
}

void Grid::clickRow(int row) {
    if (row < 1 || row > rowCount()) {
        return;
    }
    setCurrentCell(row - 1, currentColumn() < 0 ? 0 : currentColumn());
    Q_EMIT rowClicked(row);
}

} // namespace orv
