#include "Pictures.h"

#include "ButtonIcons.h"
#include "ClockFace.h"
#include "Emblem.h"
#include "MessageArt.h"
#include "Skins.h"
#include "StatusIcons.h"
#include "TabIcons.h"
#include "Welcome.h"

namespace art {

std::vector<Picture> allPictures() {
    std::vector<Picture> pictures;
    const auto add = [&pictures](const char* name, QSize size, std::function<QImage()> draw) {
        pictures.push_back({QString::fromLatin1(name), size, std::move(draw)});
    };
    // Window skins.
    add("skin_logon", {420, 300}, logonSkin);
    add("skin_main", {760, 540}, mainSkin);
    // Panel tabs of the main window.
    add("compromissos", {32, 32}, appointmentsIcon);
    add("enderecos", {32, 32}, contactsIcon);
    add("financas", {32, 32}, financesIcon);
    add("tarefas", {32, 32}, tasksIcon);
    add("notas", {32, 32}, notesIcon);
    add("ajuda", {32, 32}, startIcon);
    // Small buttons.
    add("config", {24, 24}, settingsButton);
    add("logout", {24, 24}, logoutButton);
    add("calculadora", {24, 24}, calculatorButton);
    add("backup", {24, 24}, backupButton);
    add("restore", {24, 24}, restoreButton);
    add("impressora", {24, 24}, printerButton);
    add("minimizar", {24, 24}, minimiseButton);
    add("fechar", {24, 24}, closeButton);
    add("calendario", {24, 24}, calendarButton);
    add("email", {24, 24}, emailButton);
    add("pesquisar", {24, 24}, searchButton);
    add("saldo_anterior", {24, 24}, balanceFromPreviousButton);
    add("saldo_proximo", {24, 24}, balanceToNextButton);
    add("dia_anterior", {24, 24}, previousDayArrow);
    add("dia_proximo", {24, 24}, nextDayArrow);
    // Grid row pictures.
    add("anexado", {16, 16}, attachedPicture);
    add("bloqueado", {16, 16}, lockedPicture);
    add("aniversario", {16, 16}, birthdayPicture);
    add("alarme", {16, 16}, alarmPicture);
    add("executado", {16, 16}, donePicture);
    add("compartilhado", {16, 16}, sharedPicture);
    // Message box, wait window and reminder window.
    add("pergunta", {32, 32}, questionIcon);
    add("informacao", {32, 32}, informationIcon);
    add("grave", {32, 32}, seriousIcon);
    add("fundo_msgbox", {324, 124}, messageBackground);
    add("fundo_aguarde", {200, 41}, waitBackground);
    add("fundo_lembrete", {400, 246}, reminderBackground);
    // Start panel.
    add("inicial", {400, 220}, welcomePicture);
    // Clock.
    add("relogio", {90, 90}, [] { return clockDial(90); });
    add("relogio_centro", {16, 16}, [] { return clockCap(16); });
    // Application icon.
    add("orvalune", {256, 256}, [] { return applicationIcon(256); });
    add("orvalune48", {48, 48}, [] { return applicationIcon(48); });
    return pictures;
}

} // namespace art
