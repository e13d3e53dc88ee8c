#pragma once

#include "backup/RemovableDrives.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace orv {

// frmUnidades: the small modal list from which the person picks the drive of the
// backup when several are plugged in. Arrows choose, Enter or a double click
// takes the drive, Escape cancels.
class DriveChoiceWindow : public QDialog {
    Q_OBJECT
public:
    explicit DriveChoiceWindow(const QList<backup::Drive>& drives, QWidget* parent = nullptr);

    // The row picked, or -1 when the window was cancelled.
    int chosen() const;

    // Shows the window and waits; the row picked, or -1.
    static int choose(const QList<backup::Drive>& drives, QWidget* parent);

    QLabel* lblUnidades = nullptr;
    QListWidget* lstUnidades = nullptr;
    QPushButton* cmdUCancelar = nullptr;
    QPushButton* cmdUConfirmar = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orv
