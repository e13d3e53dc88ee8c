#pragma once

#include "mainwindow/Messages.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace orv {

// The message box's "C&ancelar" and "&Confirmar" buttons, also for the other
// small windows drawn in its look.
QPushButton* cancelButton(QWidget* parent, const char* name, const QRect& geometry);
QPushButton* confirmButton(QWidget* parent, const char* name, const QRect& geometry);

// frmMsgBox: the program's own modal message box.
class MsgBox : public QDialog {
    Q_OBJECT
public:
    MsgBox(const QString& text, int buttons, int icon, QWidget* parent = nullptr);

    bool result() const { return result_; }
    QLabel* lblMsg = nullptr;
    QLabel* imgPergunta = nullptr;
    QLabel* imgInformacao = nullptr;
    QLabel* imgGrave = nullptr;
    QPushButton* cmdMOkay = nullptr;
    QPushButton* cmdMCancelar = nullptr;
    QPushButton* cmdMConfirmar = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void done(int r) override;

private:
    void answer(bool agreed);
    void layOutText();

    // The box as drawn (its background picture) and the picture's fixed strips.
    static constexpr int kWidth = 324;
    static constexpr int kHeight = 124;
    static constexpr int kPictureTop = 30;
    static constexpr int kPictureBottom = 8;

    bool result_ = false;
    QPoint dragOffset_;
};

// The message interface of the running program: each message in a new frmMsgBox.
class MsgBoxMessages final : public Messages {
public:
    bool show(const QString& text, int buttons, int icon) override;
    void showStandard(const QString& text, Standard kind) override;
};

} // namespace orv
