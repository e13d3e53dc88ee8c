#pragma once

#include "ContactTestData.h"
#include "contacts/ui/ContactDetailFrame.h"
#include "contacts/ui/ContactSearchFrame.h"
#include "contacts/ui/ContactsPanel.h"
#include "contacts/ui/LetterBar.h"
#include "mainwindow/ui/Grid.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

namespace orv::test {

// Takes the "mailto:" addresses the panel hands to the desktop.
class MailCatcher : public QObject {
    Q_OBJECT
public:
    MailCatcher() { QDesktopServices::setUrlHandler("mailto", this, "open"); }
    ~MailCatcher() override { QDesktopServices::unsetUrlHandler("mailto"); }
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

// The contacts panel of ANA on its own, shown, over the data file of ContactBook.
struct ContactsPanelFixture : ContactBook {
    contacts::ContactsPanel panel{app.ctx};
    contacts::ContactDetailFrame& detail = *panel.frmDadosEndereco;
    contacts::ContactSearchFrame& searchFrame = *panel.frmPesquisaEndereco;
    Grid& grid = *panel.grdEndereco;
    QList<bool> printButton; // what the panel asked of the print button, in order

    ContactsPanelFixture() {
        QObject::connect(&panel, &Panel::printButtonWanted,
                         [this](bool visible) { printButton << visible; });
        panel.show();
        panel.activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&panel);
        panel.load();
        panel.afterShow();
    }

    // The cmdLetra buttons are found by name, as the user's keyboard finds them.
    QPushButton* letterButton(int index) {
        const auto buttons = panel.findChildren<QPushButton*>("cmdLetra");
        for (QPushButton* b : buttons) {
            if (b->property("index").toInt() == index) {
                return b;
            }
        }
        return nullptr;
    }
    QStringList gridNames() const { return gridColumn(grid, 1); }
    void typeInto(QWidget* box, const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }
};

} // namespace orv::test
