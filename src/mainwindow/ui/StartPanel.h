#pragma once

#include "mainwindow/ui/Panel.h"

namespace orv {

// frmInicial: the welcome page about the program and its panels.
class StartPanel : public Panel {
    Q_OBJECT
public:
    explicit StartPanel(QWidget* parent = nullptr);
};

} // namespace orv
