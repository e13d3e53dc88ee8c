#include "support/TestSupport.h"

#include "mainwindow/Panels.h"
#include "mainwindow/ui/FocusRing.h"
#include "mainwindow/ui/Grid.h"
#include "mainwindow/ui/MainWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {

struct StandardKeys : ::testing::Test {
    TestApp app;
    qint64 ana = app.addUser(QStringLiteral("ANA"));
    MainWindow window{app.ctx};

    StandardKeys() {
        app.clock.set(QDateTime(QDate(2026, 12, 2), QTime(9, 0)));
        app.logOn(ana);
        window.show();
        QApplication::setActiveWindow(&window);
        window.loadSequence();
    }
    static void press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, Qt::Key(key), mods);
    }
    template <typename T = QWidget> T* find(const QString& name) const {
        T* w = window.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    // The grid row showing the text, made current as the arrow keys would.
    void selectRow(Grid* grid, const QString& text) {
        for (int r = 1; r < grid->rows(); ++r) {
            for (int c = 1; c < grid->columns(); ++c) {
                if (grid->text(r, c).contains(text)) {
                    grid->setCurrentIndex(grid->model()->index(r - 1, c));
                    grid->setFocus();
                    return;
                }
            }
        }
        ADD_FAILURE() << "no row with " << text.toStdString();
    }
};

// Per panel: Ctrl+N opens a new item, Ctrl+S saves it, Escape leaves a new
// one unsaved, and Delete on its row asks first and deletes only when confirmed.
TEST_F(StandardKeys, NewSaveEscapeAndDeleteInEveryListPanel) {
    // Each of these panels is named after its table.
    const struct {
        QString panel, editor, grid, box, slotRow;
    } panels[] = {
        {panel::Compromissos, "frmDadosCompromisso", "grdCompromissos", "txtDescricaoCompromisso",
         "14:00"},
        {panel::Enderecos, "frmDadosEndereco", "grdEndereco", "txtDadosEndNome", {}},
        {panel::Financas, "frmFinancasDados", "grdFinancas", "txtFinancasDescricao", {}},
        {panel::Tarefas, "frmTarefasDados", "grdTarefas", "txtTarefaDescricao", {}},
    };
    for (const auto& p : panels) {
        SCOPED_TRACE(p.panel.toStdString());
        window.pressPanel(p.panel);
        auto* editor = find(p.editor);
        auto* grid = find<Grid>(p.grid);
        if (!p.slotRow.isEmpty()) {
            selectRow(grid, p.slotRow);
        }
        press(Qt::Key_N, Qt::ControlModifier);
        ASSERT_TRUE(editor->isVisible());
        press(Qt::Key_Escape);
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(app.count(p.panel), 0);

        press(Qt::Key_N, Qt::ControlModifier);
        typeText(find(p.box), QStringLiteral("Teclado çá"));
        if (p.panel == panel::Financas) {
            auto* amount = find<QLineEdit>(QStringLiteral("txtFinancasValor"));
            amount->setFocus();
            amount->selectAll();
            typeText(amount, QStringLiteral("12"));
        }
        press(Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(editor->isVisible()) << app.messages.last().toStdString();
        ASSERT_EQ(app.count(p.panel), 1);
        if (!p.slotRow.isEmpty()) { // at the slot selected
            EXPECT_TRUE(app.ctx.db.runQuery(QStringLiteral("Select Hora from Compromissos"))
                            .text("Hora")
                            .startsWith(p.slotRow));
        }

        selectRow(grid, QStringLiteral("Teclado"));
        press(Qt::Key_Delete); // not confirmed
        EXPECT_EQ(app.count(p.panel), 1);
        EXPECT_FALSE(editor->isVisible());
        app.messages.answer(true);
        selectRow(grid, QStringLiteral("Teclado"));
        press(Qt::Key_Delete);
        EXPECT_EQ(app.count(p.panel), 0);
        EXPECT_FALSE(editor->isVisible());
    }
    // Each panel asked twice: cancelled, then confirmed.
    EXPECT_EQ(app.messages.shown().size(), 8u);
}

TEST_F(StandardKeys, SavesNotesAndSettingsQuitsAndShowsWhereTheKeyboardIs) {
    window.pressPanel(panel::Notas);
    typeText(find(QStringLiteral("txtNotas")), QStringLiteral("lembrar"));
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(app.ctx.db.runQuery(QStringLiteral("Select Notas from Notas")).text("Notas"),
              QStringLiteral("lembrar"));

    // Tab goes round the screen from the top left, the focus always framed.
    window.openSettings();
    auto* name = find(QStringLiteral("txtDadosNome"));
    name->setFocus();
    QWidget* ring = FocusRing::ringOf(&window);
    ASSERT_NE(ring, nullptr);
    EXPECT_TRUE(ring->isVisible());
    EXPECT_TRUE(ring->geometry().contains(name->mapTo(&window, QPoint(0, 0))));
    QStringList visited;
    for (int i = 0; i < 40 && !visited.contains(QStringLiteral("cmdAgendaGravar")); ++i) {
        press(Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_TRUE(visited.contains(QStringLiteral("txtDadosNascimento")));
    EXPECT_LT(visited.indexOf(QStringLiteral("txtDadosNascimento")),
              visited.indexOf(QStringLiteral("cmdAgendaGravar")));

    typeText(find(QStringLiteral("txtDadosNome")), QStringLiteral(" Souza"));
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(app.ctx.db.runQuery(QStringLiteral("Select Nome from Usuarios"))
                    .text("Nome")
                    .endsWith(QStringLiteral(" Souza")));

    QSignalSpy quit(&window, &MainWindow::quitRequested);
    press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(quit.size(), 1);
}

} // namespace
