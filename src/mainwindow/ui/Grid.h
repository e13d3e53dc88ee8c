#pragma once

#include "mainwindow/ui/GridModel.h"

#include <QColor>
#include <QTableView>

namespace orv {

// The list grid of the panels. Rows are counted as the panels count them: row 0
// is the bold header (kept fixed while the rows scroll), data rows start at 1.
// Column 0 holds the row's key text and is normally hidden (width 0). Widths are
// given in twips. A cell may carry a picture, known by its control name, which
// can be read back. The cells live in a GridModel; a refresh hands all rows over
// at once (setRows), single cells change through the setters.
class Grid : public QTableView {
    Q_OBJECT
public:
    Grid(int columns, QWidget* parent = nullptr);

    int rows() const { return gridModel_->rowCount() + 1; }
    int columns() const { return gridModel_->columnCount(); }
    void clearRows() { setRows(QVector<GridRow>()); }
    // Replaces every data row in one go, row heights included; nothing is current after.
    void setRows(QVector<GridRow> rows);
    // The same with rows made as they are shown, all of the grid's own height.
    void setRows(std::shared_ptr<const GridRowSource> rows);
    // Appends a data row and returns its index (1 for the first).
    int addRow();
    void clearCurrent();

    void setHeader(int col, const QString& text, int widthTwips, Qt::Alignment columnAlignment);
    QString header(int col) const { return gridModel_->header(col); }
    void setColumnWidthTwips(int col, int widthTwips);
    int columnWidthTwips(int col) const;

    void setText(int row, int col, const QString& text);
    QString text(int row, int col) const;
    void setAlignment(int row, int col, Qt::Alignment alignment);
    Qt::Alignment alignment(int row, int col) const;
    void setTextColour(int row, int col, const QColor& colour);
    QColor textColour(int row, int col) const;
    void setBackground(int row, int col, const QColor& colour);
    QColor background(int row, int col) const;
    void setBold(int row, int col, bool bold);

    // pictureName: a control name such as "imgAlarme"; empty removes it.
    void setPicture(int row, int col, const QString& pictureName, Qt::Alignment alignment);
    QString pictureName(int row, int col) const;
    bool hasPicture(int row, int col) const { return !pictureName(row, col).isEmpty(); }

    void setRowHeightTwips(int row, int heightTwips);
    int rowHeightTwips(int row) const;
    int heightTwips() const;

    // Makes current (and scrolls to) the data row whose key (column 0, up to a
    // tab) is the key; returns the row, or 0 when no row has it.
    int selectKey(qint64 key);
    // The clicked data row, the row made current first.
    void clickRow(int row);
    // Where a cell is on the viewport, scrolled into view first.
    QRect cellRect(int row, int col);

Q_SIGNALS:
    void rowClicked(int row);
    // Delete was pressed on the current data row.
    void deleteWanted(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The data cell (row 1 and below) to change; the change is announced after.
    template <typename Change> void change(int row, int col, Change apply);
    GridCell cell(int row, int col) const { return gridModel_->cellAt(row - 1, col); }

    GridModel* gridModel_;
    QVector<int> widthsTwips_;
};

} // namespace orv
