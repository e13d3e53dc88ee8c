#include "support/PanelTest.h"

#include "tasks/ui/NotesPanel.h"

using namespace orv;

namespace {

struct NotesPanelTest : test::PanelTest<tasks::NotesPanel> {
    QPlainTextEdit* box = nullptr;

    void SetUp() override {
        openOn(panel::Notas, QDateTime(QDate(2026, 5, 20), QTime(9, 0)));
        box = window.findChild<QPlainTextEdit*>("txtNotas");
        ASSERT_NE(box, nullptr);
    }
    void click(const char* name) { window.findChild<QPushButton*>(name)->click(); }
    RowSet stored() {
        return app.ctx.db.runQuery("Select * from Notas Where Usuario = ?",
                                   {app.ctx.session.userCode});
    }
};

TEST_F(NotesPanelTest, TypedNotesAreSavedAsTypedAndShownAgainAtEveryOpening) {
    EXPECT_TRUE(window.panelFrame(panel::Notas)->isVisibleTo(&window));
    EXPECT_TRUE(window.imgImpressora->isHidden());
    EXPECT_EQ(box->toPlainText(), "");

    QTest::keyClicks(box, "  Ligar p/ D'Avila \"ja\"");
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, "linha 2  ");
    click("cmdNotasSalvar");
    EXPECT_EQ(stored().text("Notas"), "Ligar p/ D'Avila \"ja\"\nlinha 2");

    // Unsaved typing is gone when the panel opens again.
    QTest::keyClicks(box, " rascunho");
    open();
    EXPECT_EQ(box->toPlainText(), "Ligar p/ D'Avila \"ja\"\nlinha 2");
    box->setPlainText("Outra");
    click("cmdNotasSalvar");
    EXPECT_EQ(app.count("Notas"), 1);
    EXPECT_EQ(stored().text("Notas"), "Outra");

    // Clearing asks; a cancel keeps everything.
    click("cmdNotasLimpar");
    EXPECT_EQ(app.messages.last(), "Você Confirma Limpeza das Anotações?");
    EXPECT_EQ(box->toPlainText(), "Outra");
    app.messages.answer(true);
    click("cmdNotasLimpar");
    EXPECT_EQ(box->toPlainText(), "");
    EXPECT_TRUE(stored().isNull("Notas"));
    EXPECT_EQ(app.count("Notas"), 1);
}

} // namespace
