#include "mainwindow/ui/Grid.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace orv;

namespace {

GridRow row(const QString& key, const QString& text) {
    GridRow r(3);
    r.cells[0].text = key;
    r.cells[2].text = text;
    return r;
}

// What a screen reader is told about a data cell (row 1 and below).
QString spoken(Grid& grid, int row, int col, QAccessible::Text what) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row - 1, col);
    return cell ? cell->text(what) : QStringLiteral("?");
}

TEST(GridTest, ARefreshReplacesEveryRowAtOnceAndCellsReadBack) {
    Grid grid(3);
    grid.resize(300, 200);
    grid.setHeader(2, QStringLiteral("Texto"), 1500, Qt::AlignLeft);
    QSignalSpy resets(grid.model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserts(grid.model(), &QAbstractItemModel::rowsInserted);

    QVector<GridRow> rows{row("1", "  Dentista"), row("2", " "), row("3", "Tarefa\nduas linhas")};
    rows[0].cells[1].setPicture(QStringLiteral("imgAlarme"), Qt::AlignCenter);
    rows[0].cells[2].setPicture(QStringLiteral("imgCompartilhado"), Qt::AlignLeft);
    rows[0].cells[2].setForeground(QColor(0, 0, 255));
    rows[1].cells[2].setBackground(QColor(255, 255, 192));
    rows[1].cells[2].setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    rows[2].heightTwips = 570;
    grid.setRows(rows);
    EXPECT_EQ(resets.size(), 1);
    EXPECT_EQ(inserts.size(), 0) << "one reset, not a notice per row";
    ASSERT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.text(0, 2), "Texto");
    EXPECT_EQ(grid.text(1, 2), "  Dentista");
    EXPECT_EQ(grid.pictureName(1, 1), "imgAlarme");
    EXPECT_EQ(grid.textColour(1, 2), QColor(0, 0, 255));
    EXPECT_EQ(grid.background(2, 2), QColor(255, 255, 192));
    EXPECT_EQ(grid.alignment(2, 2), Qt::AlignRight);
    EXPECT_FALSE(grid.textColour(2, 2).isValid());
    EXPECT_EQ(grid.rowHeightTwips(3), 570);
    EXPECT_EQ(grid.columnWidthTwips(2), 1500);
    EXPECT_TRUE(grid.isColumnHidden(0));

    // A picture alone is spoken as its word; beside a text, as the cell's description.
    EXPECT_EQ(spoken(grid, 1, 1, QAccessible::Name), QStringLiteral("Alarme"));
    EXPECT_EQ(spoken(grid, 1, 2, QAccessible::Name), QStringLiteral("  Dentista"));
    EXPECT_EQ(spoken(grid, 1, 2, QAccessible::Description), QStringLiteral("Compartilhado"));
    EXPECT_EQ(spoken(grid, 2, 1, QAccessible::Description), QString());

    // Single cells change in place; the next refresh forgets them.
    grid.setText(2, 2, QStringLiteral("Mudado"));
    grid.setPicture(2, 1, QStringLiteral("imgExecutado"), Qt::AlignCenter);
    EXPECT_EQ(spoken(grid, 2, 1, QAccessible::Name), QStringLiteral("Executado"));
    QSignalSpy clicks(&grid, &Grid::rowClicked);
    grid.clickRow(2);
    grid.clickRow(9);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 2);
    grid.setRows({row("9", "Outro")});
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_FALSE(grid.hasPicture(1, 1));
    EXPECT_FALSE(grid.currentIndex().isValid());
}

} // namespace
