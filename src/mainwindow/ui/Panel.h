#pragma once

#include <QDate>
#include <QFrame>

#include <functional>

class QPushButton;

namespace orv {

class AppContext;
class Grid;

// What the standard keys of the main window reach in a panel: Ctrl+N presses
// newButton (or runs newItem), Ctrl+S presses save while the editor is open (the editor may be the
// panel itself), Escape presses back, and Delete on a grid row opens the row as
// a click does and presses remove, whose handler asks its confirmation.
struct PanelKeys {
    QPushButton* newButton = nullptr;
    std::function<void()> newItem; // instead of a button
    QWidget* editor = nullptr;
    QPushButton* save = nullptr;
    QPushButton* back = nullptr;
    QPushButton* remove = nullptr;
};

// A panel frame of the main window. The main window loads it before showing it
// and runs its extra step after; the panel keeps its own working values.
class Panel : public QFrame {
    Q_OBJECT
public:
    Panel(const QString& frameName, QWidget* parent = nullptr);

    // Loads the panel's data; runs before the panel is shown by its button.
    virtual void load() {}
    // The panel's extra step after it is shown (a focus, say).
    virtual void afterShow() {}
    // Prints the panel's report (the print button of the main window).
    virtual void print() {}
    // The clock passed midnight; returns true when the panel is shown and has
    // set lblData itself (to a day of its own).
    virtual bool dayChanged(const QDate& previous, const QDate& today) {
        Q_UNUSED(previous);
        Q_UNUSED(today);
        return false;
    }

    // Shows one of its rows, found by the search, where it lives (the panel is
    // shown and loaded); the text is the row's text as found.
    virtual void showItem(qint64 key, const QDate& day, const QString& text) {
        Q_UNUSED(key);
        Q_UNUSED(day);
        Q_UNUSED(text);
    }

    // The standard keys; each returns whether it did something.
    bool newItem();
    bool saveOpen();
    bool closeOpen();
    // Delete on a row of the panel's grid.
    void deleteRow(Grid* grid, int row);

protected:
    // Also makes Delete on the grid's rows delete through the editor.
    void setKeys(PanelKeys keys, Grid* grid = nullptr);

Q_SIGNALS:
    // The panel asks the main window to show or hide the print button.
    void printButtonWanted(bool visible);
    // Moves the keyboard focus to the main window's hidden focus target.
    void restoreFocusWanted();
    // Sets the date caption of the main window (lblData).
    void dateCaptionWanted(const QString& caption);

private:
    PanelKeys keys_;
};

// The panel of a part of the program that this version does not offer yet.
class PlaceholderPanel : public Panel {
    Q_OBJECT
public:
    PlaceholderPanel(const QString& frameName, const QString& title, QWidget* parent = nullptr);
};

} // namespace orv

namespace orv {

// The settings page: filled from the session, or with the new user's values.
class SettingsPanel : public Panel {
    Q_OBJECT
public:
    using Panel::Panel;
    virtual void fillFromSession() = 0;
    virtual void fillForNewUser() = 0;

Q_SIGNALS:
    // Cancel: back to the last panel, or abandon the new user.
    void cancelled();
    // The new user was saved, or the logged-on user's data changed.
    void saved(bool wasNewUser);
    // The user deleted himself.
    void userDeleted();
};

} // namespace orv
