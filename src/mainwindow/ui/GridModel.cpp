#include "mainwindow/ui/GridModel.h"

#include "mainwindow/ui/Pictures.h"

#include <QBrush>
#include <QFont>

namespace orv {
namespace {

QVariant brush(const QColor& colour) {
    return colour.isValid() ? QVariant(QBrush(colour)) : QVariant();
}

// A screen reader hears the picture of a cell: as the cell's name when the
// cell shows nothing else, and always as its description.
QVariant spokenPicture(const GridCell& c, bool alone) {
    if (c.picture.isEmpty() || (alone && !c.text.trimmed().isEmpty())) {
        return {};
    }
    return pictureWord(c.picture);
}

} // namespace

GridModel::GridModel(int columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(columns), headers_(columns) {}

int GridModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    return source_ ? source_->rowCount() : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : columns_;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (index.row() < 0 || index.row() >= rowCount() || index.column() < 0 ||
        index.column() >= columns_) {
        return {};
    }
    if (index.row() != madeRow_ || index.column() != madeColumn_) {
        made_ = cellAt(index.row(), index.column());
        madeRow_ = index.row();
        madeColumn_ = index.column();
    }
    const GridCell* c = &made_;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return c->text;
    case Qt::TextAlignmentRole:
        return c->alignment() ? QVariant(int(c->alignment() | Qt::AlignVCenter)) : QVariant();
    case Qt::ForegroundRole:
        return brush(c->foreground());
    case Qt::BackgroundRole:
        return brush(c->background());
    case Qt::FontRole: {
        if (!c->bold()) {
            return {};
        }
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case Qt::AccessibleTextRole:
        return spokenPicture(*c, true);
    case Qt::AccessibleDescriptionRole:
        return spokenPicture(*c, false);
    case PictureRole:
        return c->picture;
    case PictureAlignmentRole:
        return int(c->pictureAlignment());
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columns_) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
    case Qt::DisplayRole:
        return headers_[section].text;
    case Qt::TextAlignmentRole:
        return int(headers_[section].alignment);
    default:
        return {};
    }
}

void GridModel::setHeader(int column, const QString& text, Qt::Alignment alignment) {
    if (column < 0 || column >= columns_) {
        return;
    }
    headers_[column] = {text, alignment};
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}

void GridModel::reset(QVector<GridRow> rows, std::shared_ptr<const GridRowSource> source) {
    for (GridRow& row : rows) {
        row.cells.resize(columns_);
    }
    beginResetModel();
    rows_.swap(rows);
    source_.swap(source);
    madeRow_ = -1;
    endResetModel();
    // The old rows go after the views have let go of them.
}

void GridModel::replaceRows(QVector<GridRow> rows) {
    reset(std::move(rows), nullptr);
}

void GridModel::replaceRows(std::shared_ptr<const GridRowSource> source) {
    reset({}, std::move(source));
}

int GridModel::appendRow() {
    const int row = rowCount();
    makeCells();
    beginInsertRows({}, row, row);
    rows_.push_back(GridRow(columns_));
    endInsertRows();
    return row;
}

GridCell GridModel::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_) {
        return {};
    }
    return source_ ? source_->cell(row, column) : rows_[row].cells[column];
}

void GridModel::makeCells() {
    if (!source_) {
        return;
    }
    QVector<GridRow> made(source_->rowCount(), GridRow(columns_));
    for (int r = 0; r < made.size(); ++r) {
        for (int c = 0; c < columns_; ++c) {
            made[r].cells[c] = source_->cell(r, c);
        }
    }
    source_.reset();
    rows_.swap(made);
}

GridCell* GridModel::cell(int row, int column) {
    makeCells();
    if (row < 0 || row >= rows_.size() || column < 0 || column >= columns_) {
        return nullptr;
    }
    return &rows_[row].cells[column];
}

void GridModel::cellChanged(int row, int column) {
    madeRow_ = -1;
    const QModelIndex at = index(row, column);
    Q_EMIT dataChanged(at, at);
}

} // namespace orv
