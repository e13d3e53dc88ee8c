#include "session/ui/TrayIcon.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

namespace orv {

TrayIcon::TrayIcon(QObject* parent)
    : QObject(parent), mnu0_(new QMenu), icon_(new QSystemTrayIcon(this)) {
    mnu0_->setObjectName(QStringLiteral("mnu0"));
    LogOut = mnu0_->addAction(QStringLiteral("&Log Out"));
    LogOut->setObjectName(QStringLiteral("LogOut"));
    Mostrar = mnu0_->addAction(QStringLiteral("&Mostrar"));
    Mostrar->setObjectName(QStringLiteral("Mostrar"));
    Encerrar = mnu0_->addAction(QStringLiteral("&Encerrar"));
    Encerrar->setObjectName(QStringLiteral("Encerrar"));
    connect(LogOut, &QAction::triggered, this, &TrayIcon::logOutWanted);
    connect(Mostrar, &QAction::triggered, this, &TrayIcon::showWanted);
    connect(Encerrar, &QAction::triggered, this, &TrayIcon::quitWanted);

    icon_->setIcon(QIcon(QStringLiteral(":/images/orvalune48.png")));
    icon_->setToolTip(QStringLiteral("Orvalune"));
    icon_->setContextMenu(mnu0_);
    connect(icon_, &QSystemTrayIcon::activated, this, &TrayIcon::activate);
}

TrayIcon::~TrayIcon() {
    delete mnu0_;
}

bool TrayIcon::available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::add() {
    icon_->show();
}

void TrayIcon::remove() {
    icon_->hide();
}

void TrayIcon::setLogOutVisible(bool visible) {
    LogOut->setVisible(visible);
}

bool TrayIcon::logOutVisible() const {
    return LogOut->isVisible();
}

void TrayIcon::activate(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Trigger) {
        Q_EMIT showWanted();
    }
}

} // namespace orv
