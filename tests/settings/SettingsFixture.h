#pragma once

#include "mainwindow/ui/MainWindow.h"
#include "mainwindow/ui/SettingsPage.h"
#include "session/SettingsSave.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QSignalSpy>
#include <memory>

namespace orv::test {

// A main window on a real data file with the settings page open.
class SettingsFixture : public ::testing::Test {
protected:
    TestApp app;
    std::unique_ptr<MainWindow> window;
    // The window the helpers look into: the test's own, or one a shell opened.
    MainWindow* shown = nullptr;

    // Logs the user on and opens his settings page through the window.
    void openFor(qint64 userCode) {
        app.logOn(userCode);
        startWindow();
        window->openSettings();
    }

    // Starts the creation of a user with the given login, as the logon window does.
    void openNewUser(const QString& login) {
        app.ctx.session.login = login;
        app.ctx.session.newUserMode = true;
        startWindow();
    }

    void startWindow() {
        window = std::make_unique<MainWindow>(app.ctx);
        window->show();
        window->loadSequence();
        shown = window.get();
    }

    template <typename T = QLineEdit> T* find(const char* name) const {
        T* widget = shown->findChild<T*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    // The texts of the named boxes (blank-separated), as "text|text|...".
    QString texts(const QString& names) const {
        QStringList values;
        for (const QString& name : names.split(QLatin1Char(' '))) {
            values << box(name.toLatin1().constData())->text();
        }
        return values.join(QLatin1Char('|'));
    }
    void type(const char* name, const QString& text) const {
        QLineEdit* edit = box(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void click(const char* name) const { find<QPushButton>(name)->click(); }
    QString focused() const {
        QWidget* focus = shown->focusWidget();
        return focus ? focus->objectName() : QString();
    }
    QByteArray dataBytes() const { return fileBytes(app.ctx.db.dataPath()); }
    RowSet row(const QString& table, const QString& where, const Params& params) const {
        return app.ctx.db.runQuery(QStringLiteral("Select * from %1 Where %2").arg(table, where),
                                   params);
    }
    RowSet userRow(qint64 code) const { return row("Usuarios", "Codigo = ?", {code}); }
    RowSet configRow(qint64 code) const { return row("Configuracao", "Usuario = ?", {code}); }
};

} // namespace orv::test
