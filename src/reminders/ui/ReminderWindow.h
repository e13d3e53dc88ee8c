#pragma once

#include "reminders/DueItem.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace orv {

class AppContext;
class SoundPlayer;

// frmLembrete: the small borderless window that shows one due birthday or
// appointment, plays the user's alarm when it first appears, and closes only
// through its three actions (delete, complete, reschedule), each of which
// stops the sound and writes the item.
class ReminderWindow : public QDialog {
    Q_OBJECT
public:
    ReminderWindow(AppContext& ctx, SoundPlayer& sound, QWidget* parent = nullptr);

    // Puts the item into the controls; its key is the reminded key.
    void fill(const reminders::DueItem& item);
    const reminders::DueItem& item() const { return item_; }

    // Closes the window without touching the item (the session ended).
    void dismiss();

    QLabel* lblData = nullptr;
    QLabel* lblLembrete = nullptr;
    QLineEdit* TxtData = nullptr;
    QLabel* lblHoraAviso = nullptr;
    QLineEdit* TxtHora = nullptr;
    QLabel* lblHoraTermino = nullptr;
    QLineEdit* txtHoraFim = nullptr;
    QLabel* lblAniversario = nullptr;
    QLabel* lblDescricao = nullptr;
    QLineEdit* TxtCompromisso = nullptr;
    QLabel* lblReagendar = nullptr;
    QComboBox* cmbReAgendar = nullptr;
    QPushButton* cmdExcluir = nullptr;
    QPushButton* cmdExecutar = nullptr;
    QPushButton* cmdReagendar = nullptr;
    QTimer* Timer1 = nullptr;

public Q_SLOTS:
    // Only the three actions close the window.
    void reject() override {}

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void showClock();
    void deleteItem();
    void completeItem();
    void rescheduleItem();
    // Runs an action's statement under the program's guard; the window closes
    // when it is done and stays open, with what was typed, when it failed.
    template <class Action> void act(Action&& action);
    void finish();

    AppContext& ctx_;
    SoundPlayer& sound_;
    reminders::DueItem item_;
    bool firstShown_ = false;
    bool closing_ = false;
};

} // namespace orv
