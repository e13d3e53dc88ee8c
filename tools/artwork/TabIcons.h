// The 32 x 32 icons of the panel tabs.
#pragma once

#include <QImage>

namespace art {

QImage appointmentsIcon(); // compromissos: a calendar page
QImage contactsIcon();     // enderecos: an address book
QImage financesIcon();     // financas: a bank note and coins
QImage tasksIcon();        // tarefas: a clipboard with ticked lines
QImage notesIcon();        // notas: a note sheet and a pencil
QImage startIcon();        // ajuda: the question mark of the start and help page

} // namespace art
