#include "mainwindow/ui/MsgBox.h"

#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/Twips.h"
#include "mainwindow/ui/WindowServices.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QWindow>
#include <cstdio>

namespace orv {
namespace {

QLabel* iconImage(QWidget* parent, const char* name, const QString& picture) {
    auto* img = new QLabel(parent);
    img->setObjectName(QLatin1String(name));
    img->setPixmap(QPixmap(picture));
    img->setGeometry(rectTwips(270, 495, 240, 240));
    img->setScaledContents(true);
    img->hide();
    return img;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                    QColor colour) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setFont(arial(9, true));
    b->setAutoDefault(true);
    b->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid #5a3a1a; "
                                    "border-radius: 4px; } QPushButton:focus { border: 2px solid "
                                    "#1d3b53; }")
                         .arg(colour.name()));
    return b;
}

// The program window a message belongs to: the active one, else the program's
// window on screen, the reminder first (never the notification-area icon).
QWidget* messageOwner() {
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    for (const char* name : {"frmLembrete", "frmAgenda", "frmLogon"}) {
        if (QWidget* w = visibleWindow(QLatin1String(name))) {
            return w;
        }
    }
    return nullptr;
}

// A word too wide for the label (a long folder path) may break after each "/"
// or "\\"; other words stay whole.
QString wrappable(const QString& text, const QFontMetrics& metrics, int width) {
    static const QRegularExpression word(QStringLiteral("\\S+"));
    QString result;
    qsizetype at = 0;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString w = m.captured();
        if (metrics.horizontalAdvance(w) > width) {
            w.replace(QLatin1Char('/'), QStringLiteral("/\u200B"))
                .replace(QLatin1Char('\\'), QStringLiteral("\\\u200B"));
        }
        result += text.mid(at, m.capturedStart() - at) + w;
        at = m.capturedEnd();
    }
    return result + text.mid(at);
}

} // namespace

QPushButton* cancelButton(QWidget* parent, const char* name, const QRect& geometry) {
    return button(parent, name, QStringLiteral("C&ancelar"), geometry, QColor(255, 128, 128));
}

QPushButton* confirmButton(QWidget* parent, const char* name, const QRect& geometry) {
    return button(parent, name, QStringLiteral("&Confirmar"), geometry, QColor(128, 128, 255));
}

MsgBox::MsgBox(const QString& text, int buttons, int icon, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmMsgBox"));
    setWindowTitle(QStringLiteral("Mensagem do Orvalune"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    // Modal to the window it was raised over, not to the notification area.
    setWindowModality(Qt::WindowModal);
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 128, 0));
    setPalette(pal);

    lblMsg = new QLabel(this);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setFont(arial(9, true, true));
    lblMsg->setWordWrap(true);
    lblMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    imgPergunta = iconImage(this, "imgPergunta", QStringLiteral(":/images/pergunta.png"));
    imgInformacao = iconImage(this, "imgInformacao", QStringLiteral(":/images/informacao.png"));
    imgGrave = iconImage(this, "imgGrave", QStringLiteral(":/images/grave.png"));

    // Tab order Okay, Cancelar, Confirmar: the box opens on "&Okay", or on
    // "C&ancelar" in a confirmation, so Enter alone never confirms.
    cmdMOkay = button(this, "cmdMOkay", QStringLiteral("&Okay"), rectTwips(1920, 1305, 975, 345),
                      QColor(255, 192, 255));
    cmdMCancelar = cancelButton(this, "cmdMCancelar", rectTwips(855, 1305, 1065, 345));
    cmdMConfirmar = confirmButton(this, "cmdMConfirmar", rectTwips(2880, 1305, 1065, 345));
    setTabOrder(cmdMOkay, cmdMCancelar);
    setTabOrder(cmdMCancelar, cmdMConfirmar);
    connect(cmdMOkay, &QPushButton::clicked, this, [this] { answer(true); });
    connect(cmdMConfirmar, &QPushButton::clicked, this, [this] { answer(true); });
    connect(cmdMCancelar, &QPushButton::clicked, this, [this] { answer(false); });

    lblMsg->setAccessibleName(text);
    if (icon != msg::NoIcon) {
        lblMsg->setGeometry(rectTwips(855, 585, 3705, 225));
        imgPergunta->setVisible(icon == msg::Question);
        imgInformacao->setVisible(icon == msg::Information);
        imgGrave->setVisible(icon == msg::Serious);
    } else {
        lblMsg->setGeometry(rectTwips(270, 585, 4290, 225));
    }
    const bool okayOnly = buttons == msg::Okay;
    cmdMOkay->setVisible(okayOnly);
    cmdMCancelar->setVisible(!okayOnly);
    cmdMConfirmar->setVisible(!okayOnly);
    (okayOnly ? cmdMOkay : cmdMCancelar)->setFocus();
    lblMsg->setText(wrappable(text, lblMsg->fontMetrics(), lblMsg->width()));
    layOutText();
}

void MsgBox::layOutText() {
    // The label grows downward with its wrapped lines; one, two or three lines
    // are centred vertically in the box as drawn.
    const int lineHeight = px(225);
    const int width = lblMsg->width();
    const int height = std::max(lineHeight, lblMsg->heightForWidth(width));
    const int lines =
        std::max(1, (height + lineHeight / 2) / std::max(1, lblMsg->fontMetrics().lineSpacing()));
    lblMsg->resize(width, height);
    if (lines <= 3) {
        lblMsg->move(lblMsg->x(), px(lines == 1 ? 585 : lines == 2 ? 470 : 360));
        return;
    }
    // Four lines or more start where three do, and the box grows so that the
    // buttons stand under the last line, as far below it as under three lines.
    lblMsg->move(lblMsg->x(), px(360));
    const int grow = lblMsg->geometry().bottom() + 1 - px(360 + 675);
    for (QPushButton* b : {cmdMOkay, cmdMCancelar, cmdMConfirmar}) {
        b->move(b->x(), b->y() + grow);
    }
    setFixedSize(kWidth, kHeight + grow);
}

void MsgBox::paintEvent(QPaintEvent*) {
    // The background picture; a taller box stretches its middle, keeping the
    // title strip on top and the border at the bottom whole.
    static const QPixmap background(QStringLiteral(":/images/fundo_msgbox.png"));
    if (background.isNull()) {
        return;
    }
    QPainter p(this);
    const int top = std::min(kPictureTop, height() / 2);
    const int bottom = std::min(kPictureBottom, height() - top);
    const int w = background.width();
    const int h = background.height();
    p.drawPixmap(QRect(0, 0, width(), top), background, QRect(0, 0, w, top));
    p.drawPixmap(QRect(0, top, width(), height() - top - bottom), background,
                 QRect(0, top, w, h - top - bottom));
    p.drawPixmap(QRect(0, height() - bottom, width(), bottom), background,
                 QRect(0, h - bottom, w, bottom));
}

void MsgBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QApplication::beep();
    setTopmost(this, true);
}

void MsgBox::mousePressEvent(QMouseEvent* event) {
    if (windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    dragOffset_ = event->globalPosition().toPoint() - pos();
}

void MsgBox::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton) {
        move(event->globalPosition().toPoint() - dragOffset_);
    }
}

void MsgBox::answer(bool agreed) {
    result_ = agreed;
    lblMsg->clear();
    agreed ? accept() : reject();
}

void MsgBox::done(int r) {
    // Closed in any way other than a button: the answer stays false.
    lblMsg->clear();
    setWindowFlag(Qt::WindowStaysOnTopHint, false);
    QDialog::done(r);
}

bool MsgBoxMessages::show(const QString& text, int buttons, int icon) {
    MsgBox box(text, buttons, icon, messageOwner());
    box.exec();
    return box.result();
}

void MsgBoxMessages::showStandard(const QString& text, Standard kind) {
    // These end the program: said on standard error too, for a start without a desktop.
    std::fprintf(stderr, "orvalune: %s\n", qPrintable(QString(text).replace(u'\r', u' ')));
    if (kind == Standard::Critical) {
        QMessageBox::critical(nullptr, QStringLiteral("Orvalune"), text);
    } else {
        QMessageBox::information(nullptr, QStringLiteral("Orvalune"), text);
    }
}

} // namespace orv
