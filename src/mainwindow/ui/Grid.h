#pragma once

#include <QColor>
#include <QTableWidget>

namespace orv {

// The list grid of the panels. Rows are counted as the panels count them: row 0
// is the bold header (kept fixed while the rows scroll), data rows start at 1.
// Column 0 holds the row's key text and is normally hidden (width 0). Widths are
// given in twips. A cell may carry a picture, known by its control name, which
// can be read back.
class Grid : public QTableWidget {
    Q_OBJECT
public:
    Grid(int columns, QWidget* parent = nullptr);

    int rows() const { return rowCount() + 1; }
    void clearRows() { setRowCount(0); }
    // Appends a data row and returns its index (1 for the first).
    int addRow();

    void setHeader(int col, const QString& text, int widthTwips, Qt::Alignment columnAlignment);
    QString header(int col) const;
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

    // The clicked data row, the row made current first.
    void clickRow(int row);

Q_SIGNALS:
    void rowClicked(int row);

private:
    QTableWidgetItem* item(int row, int col);
    const QTableWidgetItem* constItem(int row, int col) const;
};

} // namespace orv
