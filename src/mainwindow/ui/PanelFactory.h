#pragma once

#include "mainwindow/ui/Panel.h"

namespace orv {

// Makes the panel frame of the given panel name for the main window.
Panel* createPanel(const QString& name, AppContext& ctx, QWidget* parent);

} // namespace orv
