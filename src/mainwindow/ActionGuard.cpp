#include "mainwindow/ActionGuard.h"

#include "db/DbError.h"

namespace orv {

ActionGuard::ActionGuard(Messages& messages) : messages_(messages) {}

// Short enough for the three lines of the program's message box.
QString ActionGuard::textFor(const DbError& error) const {
    switch (error.cause()) {
    case DbCause::Missing:
        return QStringLiteral("O arquivo de dados não foi encontrado. Verifique a pasta do "
                              "Orvalune e tente de novo.");
    case DbCause::NoAccess:
        return QStringLiteral("Sem permissão para usar o arquivo de dados. Peça para entrar no "
                              "grupo orvalune e tente de novo.");
    case DbCause::ReadOnly:
        return QStringLiteral("Não foi possível gravar: o arquivo de dados está protegido contra "
                              "gravação. Peça permissão e tente de novo.");
    case DbCause::DiskFull:
        return QStringLiteral("Não foi possível gravar: o disco está cheio. Libere espaço e "
                              "tente de novo.");
    case DbCause::Busy:
        return QStringLiteral("O arquivo de dados está ocupado. Aguarde um momento e tente de "
                              "novo.");
    case DbCause::Damaged:
        return QStringLiteral("O arquivo de dados está danificado. Recupere a cópia de segurança "
                              "e tente de novo.");
    case DbCause::Other:
        break;
    }
    return QStringLiteral("Não foi possível usar o arquivo de dados (erro %1). Tente de novo.")
        .arg(error.code());
}

bool ActionGuard::runAndTell(const std::function<void()>& action, bool tell) {
    try {
        action();
        return true;
    } catch (const DbError& e) {
        if (tell) {
            messages_.okay(textFor(e), msg::Serious);
        }
    }
    return false;
}

bool ActionGuard::run(const std::function<void()>& action) {
    return runAndTell(action, true);
}

void ActionGuard::bookkeeping(const std::function<void()>& write) {
    if (!runAndTell(write, !bookkeepingTold_)) {
        bookkeepingTold_ = true;
    }
}

} // namespace orv
