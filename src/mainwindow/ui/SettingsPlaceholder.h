#pragma once

#include "mainwindow/ui/Panel.h"

namespace orv {

// Stands for the settings page until it is built: it only lets the user go back.
class SettingsPlaceholder : public SettingsPanel {
    Q_OBJECT
public:
    SettingsPlaceholder(AppContext& ctx, QWidget* parent = nullptr);
    void fillFromSession() override {}
    void fillForNewUser() override {}
};

} // namespace orv
