#include "backup/ui/DriveChoiceWindow.h"

#include "mainwindow/ui/AccessibleNames.h"
#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/MsgBox.h"
#include "mainwindow/ui/WindowServices.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace orv {
namespace {

constexpr int kWidth = 324;
constexpr int kHeight = 204;
// The message box's picture is drawn with its title band and bottom edge
// unstretched; only the plain middle grows to the window's height.
constexpr int kPictureTop = 30;
constexpr int kPictureBottom = 10;

} // namespace

DriveChoiceWindow::DriveChoiceWindow(const QList<backup::Drive>& drives, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmUnidades"));
    setWindowTitle(QStringLiteral("Unidade do Backup"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setFixedSize(kWidth, kHeight);

    lblUnidades = new QLabel(QStringLiteral("Escolha a &unidade do Backup:"), this);
    lblUnidades->setObjectName(QStringLiteral("lblUnidades"));
    lblUnidades->setGeometry(18, 36, 288, 20);
    lblUnidades->setFont(arial(9, true, true));

    lstUnidades = new QListWidget(this);
    lstUnidades->setObjectName(QStringLiteral("lstUnidades"));
    lstUnidades->setGeometry(18, 58, 288, 96);
    lstUnidades->setFont(arial(9, true));
    lstUnidades->setStyleSheet(
        QStringLiteral("QListWidget { background: #fffaf2; border: 1px solid #b0703a; } "
                       "QListWidget::item { padding: 3px; } "
                       "QListWidget::item:selected { background: #ff8000; color: white; }"));
    for (const backup::Drive& drive : drives) {
        lstUnidades->addItem(backup::describeDrive(drive));
    }
    lstUnidades->setCurrentRow(0);
    labelFor(lblUnidades, lstUnidades);

    cmdUCancelar = cancelButton(this, "cmdUCancelar", QRect(62, 166, 80, 24));
    cmdUConfirmar = confirmButton(this, "cmdUConfirmar", QRect(182, 166, 80, 24));
    cmdUConfirmar->setDefault(true);
    setTabOrder(lstUnidades, cmdUConfirmar);
    setTabOrder(cmdUConfirmar, cmdUCancelar);
    connect(cmdUConfirmar, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdUCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstUnidades, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    lstUnidades->setFocus();
    dragWindowBy(this);
}

int DriveChoiceWindow::chosen() const {
    return result() == QDialog::Accepted ? lstUnidades->currentRow() : -1;
}

int DriveChoiceWindow::choose(const QList<backup::Drive>& drives, QWidget* parent) {
    DriveChoiceWindow window(drives, parent);
    if (parent == nullptr) {
        centreOnScreen(&window);
    }
    window.exec();
    return window.chosen();
}

void DriveChoiceWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap picture(QStringLiteral(":/images/fundo_msgbox.png"));
    if (picture.isNull()) {
        painter.fillRect(rect(), QColor(255, 128, 0));
        return;
    }
    const int w = picture.width();
    const int middle = picture.height() - kPictureTop - kPictureBottom;
    painter.drawPixmap(QRect(0, 0, width(), kPictureTop), picture, QRect(0, 0, w, kPictureTop));
    painter.drawPixmap(QRect(0, kPictureTop, width(), height() - kPictureTop - kPictureBottom),
                       picture, QRect(0, kPictureTop, w, middle));
    painter.drawPixmap(QRect(0, height() - kPictureBottom, width(), kPictureBottom), picture,
                       QRect(0, kPictureTop + middle, w, kPictureBottom));
}

} // namespace orv
