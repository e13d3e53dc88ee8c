#pragma once

#include "mainwindow/ui/Panel.h"
#include "session/SettingsForm.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orv {

class SoundPlayer;

// frmConfig: the user's personal data, password and schedule settings; in
// new-user mode the page that creates the user. It also deletes the user.
class SettingsPage : public SettingsPanel {
    Q_OBJECT
public:
    SettingsPage(AppContext& ctx, QWidget* parent = nullptr);

    void fillFromSession() override;
    void fillForNewUser() override;
    void afterShow() override;

    // The page as typed, and the page shown from values.
    SettingsForm form() const;
    void showForm(const SettingsForm& form);

    void save();
    void cancel();
    void deleteCurrentUser();
    void preview();

    QGroupBox* frmConfigAgenda = nullptr;
    QLineEdit* txtAgendaInicio = nullptr;
    QLineEdit* txtAgendaFim = nullptr;
    QLineEdit* txtAgendaIntervalo = nullptr;
    QRadioButton* optAgendaNiverInicio = nullptr;
    QRadioButton* optAgendaNiverFim = nullptr;
    QComboBox* cmbAgendaSom = nullptr;
    QPushButton* cmdAgendaOuvir = nullptr;
    QLineEdit* txtAgendaTempoChecagem = nullptr;
    QCheckBox* chkAgendaVisCompartilhados = nullptr;

    QGroupBox* frmConfigSenha = nullptr;
    QLineEdit* txtSenhaAtual = nullptr;
    QLineEdit* txtSenhaNova = nullptr;
    QLineEdit* txtSenhaReNova = nullptr;

    QGroupBox* frmConfigDados = nullptr;
    QLineEdit* txtDadosNome = nullptr;
    QLineEdit* txtDadosEndereco = nullptr;
    QLineEdit* txtDadosCidade = nullptr;
    QLineEdit* txtDadosEstado = nullptr;
    QLineEdit* txtDadosCep = nullptr;
    QLineEdit* txtDadosEmail = nullptr;
    QLineEdit* txtDadosTelefone = nullptr;
    QLineEdit* txtDadosCelular = nullptr;
    QLineEdit* txtDadosNascimento = nullptr;

    QPushButton* cmdAgendaGravar = nullptr;
    QPushButton* cmdAgendaCancelar = nullptr;
    QPushButton* cmdExcluirUsuario = nullptr;

    SoundPlayer* sound() const { return sound_; }

private:
    void buildScheduleGroup();
    void buildPasswordGroup();
    void buildPersonalGroup();
    void buildButtons();
    void focusField(SettingsField field);

    AppContext& ctx_;
    SoundPlayer* sound_ = nullptr;
};

} // namespace orv
