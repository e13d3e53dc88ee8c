#pragma once

#include "mainwindow/Panels.h"
#include "mainwindow/ui/Panel.h"

#include <QHash>
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace orv {

class AppContext;
class AnalogClock;
class ReminderController;
namespace search {
class SearchFrame;
struct Hit;
} // namespace search

// frmAgenda: the working window of a logged-on user. It holds the panels and
// switches between them; the shell decides what a session end or a quit means.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& ctx, QWidget* parent = nullptr);

    // The load sequence: the clock, the timers, the user's settings and last
    // panel; in new-user mode only the settings page.
    void loadSequence();

    // Presses the button of a panel (does nothing for the panel already shown
    // and in new-user mode).
    void pressPanel(const QString& name);
    // Opens the settings page (cmdConfig).
    void openSettings();
    // Leaves the settings page for the last panel (the start panel when there is none).
    void leaveSettings();
    // Shows a panel's frame and stores its name as the user's last panel.
    void showPanel(const QString& name);
    void restoreFocus();
    // Ctrl+F and cmdPesquisar: the search over everything, over the panels.
    void openSearch();

    const QString& panelName() const { return panelName_; }
    Panel* panelFrame(const QString& name) const { return panels_.value(name); }
    SettingsPanel* settingsPage() const { return settings_; }
    void setPrintButtonVisible(bool visible);

    QLabel* picMainSkin = nullptr;
    QWidget* picFocus = nullptr;
    QFrame* frmLinhaApagar = nullptr;
    QPushButton* imgAjuda = nullptr;
    QPushButton* imgCompromissos = nullptr;
    QPushButton* imgEnderecos = nullptr;
    QPushButton* imgFinancas = nullptr;
    QPushButton* imgTarefas = nullptr;
    QPushButton* imgNotas = nullptr;
    QPushButton* cmdConfig = nullptr;
    QPushButton* cmdLogout = nullptr;
    QPushButton* cmdAjuda = nullptr;
    QPushButton* cmdCalculadora = nullptr;
    QPushButton* cmdBackup = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* imgImpressora = nullptr;
    QPushButton* cmdPesquisar = nullptr;
    search::SearchFrame* frmPesquisaGeral = nullptr;
    QPushButton* imgMinimizar = nullptr;
    QPushButton* lblMinimizar = nullptr;
    QLabel* lblData = nullptr;
    QLabel* lblHora = nullptr;
    QLabel* lblIdentCaption = nullptr;
    QLabel* lblIdentNome = nullptr;
    QLabel* lblIdentTelefone = nullptr;
    QLabel* lblIdentCelular = nullptr;
    QLabel* lblIdentEmail = nullptr;
    AnalogClock* picRelogio = nullptr;
    QTimer* tmrChecagem = nullptr;
    QTimer* tmrRelogio = nullptr;
    ReminderController* reminders = nullptr;

    // Starts the due-appointment check from its first tick.
    void startDueCheck();

    // Sets the identity labels and the logout tip from the session.
    void showIdentity();
    void setDateCaption(const QDate& day);

Q_SIGNALS:
    void logoutRequested();
    void hideRequested();
    // Ctrl+Q: the program ends as from the notification-area menu.
    void quitRequested();
    void helpRequested();
    void calculatorRequested();
    void backupRequested();
    void restoreRequested();
    void settingsCancelled();
    void settingsSaved(bool wasNewUser);
    void userDeleted();
    void dueCheckTick();

protected:
    // Escape that no control took closes the open editor of the panel shown.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    // Ctrl+N, Ctrl+S and Ctrl+Q.
    void addStandardKeys();
    // Opens a row the search found in its panel.
    void openFound(const search::Hit& hit);
    Panel* shownPanel() const { return panels_.value(panelName_); }
    QPushButton* tabButton(const QString& name, const char* icon, const QString& tip);
    void placeTabGap(const PanelInfo& info);
    void shapeOnce();
    // The window's own part of a session end.
    void endSession();
    // One tick of tmrRelogio: the time, the hands and, past midnight, the date.
    void clockTick();
    void startClock();

    AppContext& ctx_;
    QHash<QString, Panel*> panels_;
    SettingsPanel* settings_ = nullptr;
    QString panelName_;
    bool shaped_ = false;
    QDate clockDay_; // the day of the clock's last tick
};

} // namespace orv
