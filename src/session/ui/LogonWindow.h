#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orv {

// frmLogon: the skinned logon window. It asks; the shell decides.
class LogonWindow : public QWidget {
    Q_OBJECT
public:
    explicit LogonWindow(QWidget* parent = nullptr);

    QLabel* picLogon = nullptr;
    QLabel* lblLogin = nullptr;
    QLabel* lblSenha = nullptr;
    QLineEdit* txtLogin = nullptr;
    QLineEdit* txtPass = nullptr;
    QPushButton* cmdLogar = nullptr;
    QPushButton* cmdNovoUsuario = nullptr;
    QPushButton* imgFechar = nullptr;

    // Shapes the window from its skin; once per run.
    void shapeOnce();
    // cmdLogar and txtPass are usable only when some user exists.
    void setUsersExist(bool exist);

Q_SIGNALS:
    void logonRequested(const QString& login, const QString& password);
    void newUserRequested(const QString& login);
    void closeRequested();

private:
    bool shaped_ = false;
};

} // namespace orv
