#pragma once

#include "support/TestSupport.h"

#include "mainwindow/ui/MainWindow.h"

#include <gtest/gtest.h>

namespace orv::test {

// ANA logged on in the real main window, with one of its panels open at a time
// the test chooses. open() opens the panel again, coming from the start panel.
template <typename PanelType> struct PanelTest : ::testing::Test {
    TestApp app;
    qint64 ana = app.addUser(QStringLiteral("ANA"));
    MainWindow window{app.ctx};
    PanelType* p = nullptr;

    void openOn(const QString& panelName, const QDateTime& now) {
        panelName_ = panelName;
        app.clock.set(now);
        app.logOn(ana);
        open();
        p = qobject_cast<PanelType*>(window.panelFrame(panelName));
        ASSERT_NE(p, nullptr);
    }
    void open() {
        window.pressPanel(panel::Inicial);
        window.pressPanel(panelName_);
    }

private:
    QString panelName_;
};

} // namespace orv::test
