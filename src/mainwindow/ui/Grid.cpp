#include "mainwindow/ui/Grid.h"

#include "mainwindow/ui/Pictures.h"
#include "mainwindow/ui/Twips.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace orv {
namespace {

// Draws a cell's picture at the left or in the centre, then its text.
class PictureDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString name = index.data(GridModel::PictureRole).toString();
        QPixmap pixmap;
        if (!name.isEmpty()) {
            pixmap = picture(name);
        }
        opt.icon = QIcon();
        opt.features &= ~QStyleOptionViewItem::HasDecoration;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (!pixmap.isNull()) {
            const auto align =
                static_cast<Qt::Alignment>(index.data(GridModel::PictureAlignmentRole).toInt());
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

Grid::Grid(int columns, QWidget* parent)
    : QTableView(parent), gridModel_(new GridModel(columns, this)), widthsTwips_(columns) {
    setModel(gridModel_);
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
    setColumnWidthTwips(0, 0);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& at) { clickRow(at.row() + 1); });
    connect(this, &QAbstractItemView::activated, this,
            [this](const QModelIndex& at) { clickRow(at.row() + 1); });
}

void Grid::setRows(QVector<GridRow> rows) {
    QVector<int> heights;
    heights.reserve(rows.size());
    for (const GridRow& row : rows) {
        heights << row.heightTwips;
    }
    gridModel_->replaceRows(std::move(rows));
    // Only rows of their own height are set, with updates held back: each
    // resize with updates on would place every row again.
    const int standard = verticalHeader()->defaultSectionSize();
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    for (int r = 0; r < heights.size(); ++r) {
        if (heights[r] > 0 && px(heights[r]) != standard) {
            setRowHeight(r, px(heights[r]));
        }
    }
    setUpdatesEnabled(updates);
}

void Grid::setRows(std::shared_ptr<const GridRowSource> rows) {
    gridModel_->replaceRows(std::move(rows));
}

int Grid::addRow() {
    return gridModel_->appendRow() + 1;
}

void Grid::clearCurrent() {
    setCurrentIndex(QModelIndex());
}

void Grid::setHeader(int col, const QString& text, int widthTwips, Qt::Alignment columnAlignment) {
    gridModel_->setHeader(col, text, columnAlignment | Qt::AlignVCenter);
    setColumnWidthTwips(col, widthTwips);
}

void Grid::setColumnWidthTwips(int col, int widthTwips) {
    if (col < 0 || col >= widthsTwips_.size()) {
        return;
    }
    setColumnHidden(col, widthTwips == 0);
    if (widthTwips > 0) {
        setColumnWidth(col, px(widthTwips));
    }
    widthsTwips_[col] = widthTwips;
}

int Grid::columnWidthTwips(int col) const {
    return widthsTwips_.value(col);
}

template <typename Change> void Grid::change(int row, int col, Change apply) {
    if (GridCell* c = gridModel_->cell(row - 1, col)) {
        apply(*c);
        gridModel_->cellChanged(row - 1, col);
    }
}

void Grid::setText(int row, int col, const QString& text) {
    if (row == 0) {
        gridModel_->setHeader(col, text, gridModel_->headerAlignment(col));
        return;
    }
    change(row, col, [&](GridCell& c) { c.text = text; });
}

QString Grid::text(int row, int col) const {
    return row == 0 ? header(col) : cell(row, col).text;
}

void Grid::setAlignment(int row, int col, Qt::Alignment alignment) {
    change(row, col, [&](GridCell& c) { c.setAlignment(alignment); });
}

Qt::Alignment Grid::alignment(int row, int col) const {
    return cell(row, col).alignment();
}

void Grid::setTextColour(int row, int col, const QColor& colour) {
    change(row, col, [&](GridCell& c) { c.setForeground(colour); });
}

QColor Grid::textColour(int row, int col) const {
    return cell(row, col).foreground();
}

void Grid::setBackground(int row, int col, const QColor& colour) {
    change(row, col, [&](GridCell& c) { c.setBackground(colour); });
}

QColor Grid::background(int row, int col) const {
    return cell(row, col).background();
}

void Grid::setBold(int row, int col, bool bold) {
    change(row, col, [&](GridCell& c) { c.setBold(bold); });
}

void Grid::setPicture(int row, int col, const QString& pictureName, Qt::Alignment alignment) {
    change(row, col, [&](GridCell& c) { c.setPicture(pictureName, alignment); });
}

QString Grid::pictureName(int row, int col) const {
    return cell(row, col).picture;
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

int Grid::selectKey(qint64 key) {
    const QString wanted = QString::number(key);
    for (int row = 1; row < rows(); ++row) {
        if (text(row, 0).section(QLatin1Char('\t'), 0, 0) == wanted) {
            const QModelIndex at = gridModel_->index(row - 1, 1);
            setCurrentIndex(at);
            scrollTo(at);
            return row;
        }
    }
    return 0;
}

void Grid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier &&
        currentIndex().isValid()) {
        Q_EMIT deleteWanted(currentIndex().row() + 1);
        return;
    }
    QTableView::keyPressEvent(event);
}

void Grid::clickRow(int row) {
    if (row < 1 || row >= rows()) {
        return;
    }
    const int col = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(gridModel_->index(row - 1, col));
    Q_EMIT rowClicked(row);
}

QRect Grid::cellRect(int row, int col) {
    const QModelIndex at = gridModel_->index(row - 1, col);
    scrollTo(at);
    return visualRect(at);
}

} // namespace orv
