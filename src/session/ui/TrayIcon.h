#pragma once

#include <QObject>
#include <QSystemTrayIcon>

class QAction;
class QMenu;

namespace orv {

// The program's one icon in the notification area with its menu mnu0
// ("&Log Out", "&Mostrar", "&Encerrar"). It only reports what was clicked.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // False where the desktop has no notification area: the windows then
    // minimise instead of hiding, and closing the logon window ends the program.
    static bool available();

    void add();
    void remove();
    void setLogOutVisible(bool visible);
    bool logOutVisible() const;

    // A click on the icon: left shows, right opens the menu (the desktop opens it).
    void activate(QSystemTrayIcon::ActivationReason reason);

    QMenu* menu() const { return mnu0_; }
    QAction* LogOut = nullptr;
    QAction* Mostrar = nullptr;
    QAction* Encerrar = nullptr;

Q_SIGNALS:
    void showWanted();
    void logOutWanted();
    void quitWanted();

private:
    QMenu* mnu0_;
    QSystemTrayIcon* icon_;
};

} // namespace orv
