#include "session/ui/LogonWindow.h"

#include "mainwindow/ui/AccessibleNames.h"
#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/WindowServices.h"
#include "session/ui/KeyMode.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace orv {
namespace {

const QString kSkin = QStringLiteral(":/images/skin_logon.png");

QLabel* caption(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(arial(10, true));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* box(QWidget* parent, const char* name, QRect geometry, QLabel* buddy) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    edit->setFont(arial(10));
    labelFor(buddy, edit);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(arial(9, true));
    b->setAccessibleName(accessibleText(text));
    return b;
}

} // namespace

LogonWindow::LogonWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmLogon"));
    setWindowTitle(QStringLiteral("Orvalune"));
    setWindowIcon(QIcon(QStringLiteral(":/images/orvalune.png")));
    resize(420, 300);

    picLogon = new QLabel(this);
    picLogon->setObjectName(QStringLiteral("picLogon"));
    picLogon->setPixmap(QPixmap(kSkin));
    picLogon->setGeometry(0, 0, 420, 300);
    dragWindowBy(picLogon);

    lblLogin = caption(this, "lblLogin", QStringLiteral("Usuário : "), QRect(50, 132, 100, 26));
    txtLogin = box(this, "txtLogin", QRect(155, 132, 200, 26), lblLogin);
    lblSenha = caption(this, "lblSenha", QStringLiteral("Senha : "), QRect(50, 170, 100, 26));
    txtPass = box(this, "txtPass", QRect(155, 170, 200, 26), lblSenha);
    txtPass->setEchoMode(QLineEdit::Password);
    applyKeyMode(txtLogin, KeyMode::UpperText);
    applyKeyMode(txtPass, KeyMode::Text);

    cmdLogar = button(this, "cmdLogar", QStringLiteral("&Abrir Agenda"), QRect(60, 222, 140, 32));
    cmdNovoUsuario =
        button(this, "cmdNovoUsuario", QStringLiteral("&Novo Usuário"), QRect(220, 222, 140, 32));
    imgFechar = new QPushButton(this);
    imgFechar->setObjectName(QStringLiteral("imgFechar"));
    imgFechar->setIcon(QIcon(QStringLiteral(":/images/fechar.png")));
    imgFechar->setIconSize(QSize(20, 20));
    imgFechar->setFlat(true);
    imgFechar->setGeometry(384, 14, 24, 24);
    imgFechar->setToolTip(QStringLiteral("Fechar"));
    imgFechar->setAccessibleName(QStringLiteral("Fechar"));
    imgFechar->setFocusPolicy(Qt::NoFocus);

    auto logon = [this] { Q_EMIT logonRequested(txtLogin->text(), txtPass->text()); };
    connect(cmdLogar, &QPushButton::clicked, this, logon);
    connect(txtLogin, &QLineEdit::returnPressed, this, logon);
    connect(txtPass, &QLineEdit::returnPressed, this, logon);
    connect(cmdNovoUsuario, &QPushButton::clicked, this,
            [this] { Q_EMIT newUserRequested(txtLogin->text()); });
    connect(imgFechar, &QPushButton::clicked, this, [this] { Q_EMIT closeRequested(); });
    setTabOrder(txtLogin, txtPass);
    setTabOrder(txtPass, cmdLogar);
    setTabOrder(cmdLogar, cmdNovoUsuario);
}

void LogonWindow::shapeOnce() {
    if (shaped_) {
        return;
    }
    const QImage skin(kSkin);
    if (!skin.isNull()) {
        shapeWindow(this, skin);
        picLogon->setGeometry(0, 0, skin.width(), skin.height());
    }
    shaped_ = true;
}

void LogonWindow::setUsersExist(bool exist) {
    cmdLogar->setEnabled(exist);
    txtPass->setEnabled(exist);
}

} // namespace orv
