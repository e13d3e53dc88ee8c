#include "mainwindow/ui/WaitWindow.h"

#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/Twips.h"
#include "mainwindow/ui/WindowServices.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace orv {

WaitWindow::WaitWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmAguarde"));
    setWindowTitle(QStringLiteral("Carregando Agenda"));
    setFixedSize(200, 41);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 255));
    const QPixmap background(QStringLiteral(":/images/fundo_aguarde.png"));
    if (!background.isNull()) {
        pal.setBrush(QPalette::Window, QBrush(background));
    }
    setPalette(pal);
    lblCarregando = new QLabel(QStringLiteral("Carregando Agenda"), this);
    lblCarregando->setObjectName(QStringLiteral("lblCarregando"));
    lblCarregando->setGeometry(rectTwips(220, 90, 2535, 420));
    lblCarregando->setFont(designFont(QStringLiteral("Monotype Corsiva"), 15.75, false, true));
    QPalette text = lblCarregando->palette();
    text.setColor(QPalette::WindowText, QColor(0, 0, 64));
    lblCarregando->setPalette(text);
}

void WaitWindow::showAndPaint() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    raise();
    QCoreApplication::processEvents();
}

} // namespace orv
