#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QVector>
#include <memory>

namespace orv {

// One cell of a list grid: its text, its horizontal alignment, its text and
// background colours, a bold font, and a picture known by the name of the
// main window's image control that shows it ("imgAlarme").
class GridCell {
public:
    QString text;
    QString picture; // empty: none
    Qt::Alignment alignment() const { return Qt::Alignment(alignment_); }
    Qt::Alignment pictureAlignment() const { return Qt::Alignment(pictureAlignment_); }
    QColor foreground() const { return colour(HasForeground, foreground_); }
    QColor background() const { return colour(HasBackground, background_); }
    bool bold() const { return flags_ & Bold; }

    void setAlignment(Qt::Alignment a) { alignment_ = quint16(a & Qt::AlignHorizontal_Mask); }
    void setPicture(const QString& name, Qt::Alignment a) {
        picture = name;
        pictureAlignment_ = quint16(a);
    }
    void setForeground(const QColor& c) { setColour(HasForeground, foreground_, c); }
    void setBackground(const QColor& c) { setColour(HasBackground, background_, c); }
    void setBold(bool bold) { flags_ = bold ? flags_ | Bold : flags_ & ~Bold; }

private:
    enum Flag : quint8 { HasForeground = 1, HasBackground = 2, Bold = 4 };
    QColor colour(Flag flag, QRgb rgb) const {
        return flags_ & flag ? QColor::fromRgb(rgb) : QColor();
    }
    void setColour(Flag flag, QRgb& rgb, const QColor& c) {
        rgb = c.rgb();
        flags_ = c.isValid() ? flags_ | flag : flags_ & ~flag;
    }

    QRgb foreground_ = 0;
    QRgb background_ = 0;
    quint16 alignment_ = 0;
    quint16 pictureAlignment_ = 0;
    quint8 flags_ = 0;
};

// One data row: its cells and its height in twips (0: the grid's own).
struct GridRow {
    explicit GridRow(int columns = 0) : cells(columns) {}
    QVector<GridCell> cells;
    int heightTwips = 0;
};

// Rows whose cells are made when they are asked for: a list of thousands of
// rows keeps what it read and makes the texts of the rows on screen only.
class GridRowSource {
public:
    virtual ~GridRowSource() = default;
    virtual int rowCount() const = 0;
    virtual GridCell cell(int row, int column) const = 0;
};

// The cells of a list grid, column headers included. A refresh hands over all
// rows at once (replaceRows: one reset of the views, whatever the count), as
// made cells or as a source that makes them; single rows and cells change
// with the usual notifications.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The picture of a cell by control name, and its alignment, for the painter.
    static constexpr int PictureRole = Qt::UserRole + 1;
    static constexpr int PictureAlignmentRole = Qt::UserRole + 2;

    GridModel(int columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setHeader(int column, const QString& text, Qt::Alignment alignment);
    QString header(int column) const { return headers_.value(column).text; }
    Qt::Alignment headerAlignment(int column) const { return headers_.value(column).alignment; }

    void replaceRows(QVector<GridRow> rows);
    void replaceRows(std::shared_ptr<const GridRowSource> source);
    // Appends an empty row; returns its index (0 for the first).
    int appendRow();
    // A cell as shown; an empty one outside the rows.
    GridCell cellAt(int row, int column) const;
    // The cell to change, followed by cellChanged(); null outside the rows.
    // Rows of a source are made into cells first.
    GridCell* cell(int row, int column);
    void cellChanged(int row, int column);

private:
    struct Header {
        QString text;
        Qt::Alignment alignment;
    };
    void reset(QVector<GridRow> rows, std::shared_ptr<const GridRowSource> source);
    // A source's rows become cells of their own, to be changed one by one.
    void makeCells();

    int columns_;
    QVector<Header> headers_;
    QVector<GridRow> rows_;
    std::shared_ptr<const GridRowSource> source_; // when set, rows_ is empty
    // The painter asks for a cell's roles one after the other: a made cell is
    // kept until another one is asked for.
    mutable int madeRow_ = -1;
    mutable int madeColumn_ = -1;
    mutable GridCell made_;
};

} // namespace orv

Q_DECLARE_TYPEINFO(orv::GridCell, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(orv::GridRow, Q_RELOCATABLE_TYPE);
