#pragma once

#include <QWidget>

class QLabel;

namespace orv {

// frmAguarde: "Carregando Agenda" while the main window loads.
class WaitWindow : public QWidget {
    Q_OBJECT
public:
    explicit WaitWindow(QWidget* parent = nullptr);
    QLabel* lblCarregando = nullptr;

    // Shows the window above the others and lets it paint before the long load.
    void showAndPaint();
};

} // namespace orv
