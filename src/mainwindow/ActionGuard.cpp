#include "mainwindow/ActionGuard.h"

#include "db/DbError.h"

#include <QDir>
#include <QFileInfo>

namespace orv {

ActionGuard::ActionGuard(Messages& messages, QString dataFile)
    : messages_(messages), dataFile_(std::move(dataFile)) {}

QString ActionGuard::textFor(const DbError& error) const {
    const QString file = QDir::toNativeSeparators(dataFile_);
    const QString folder = QDir::toNativeSeparators(QFileInfo(dataFile_).absolutePath());
    const QString nothingWritten = QStringLiteral("Nada foi gravado; o que você digitou continua "
                                                  "na tela.\n");
    switch (error.cause()) {
    case DbCause::Missing:
        return QStringLiteral("O arquivo de dados não foi encontrado:\n%1\n").arg(file) +
               nothingWritten +
               QStringLiteral("Verifique se a pasta está disponível (ou recupere a cópia de "
                              "segurança) e tente de novo.");
    case DbCause::NoAccess:
        return QStringLiteral("Você não tem permissão para usar o arquivo de dados ou a pasta:\n"
                              "%1\n")
                   .arg(folder) +
               nothingWritten +
               QStringLiteral("Peça a quem cuida do computador para incluir você no grupo "
                              "orvalune e tente de novo.");
    case DbCause::ReadOnly:
        return QStringLiteral("Não foi possível gravar: o arquivo de dados está protegido contra "
                              "gravação:\n%1\n")
                   .arg(file) +
               nothingWritten +
               QStringLiteral("Peça a quem cuida do computador permissão de gravação e tente "
                              "gravar de novo.");
    case DbCause::DiskFull:
        return QStringLiteral("Não foi possível gravar: o disco onde fica o arquivo de dados está "
                              "cheio.\n") +
               nothingWritten + QStringLiteral("Libere espaço no disco e tente gravar de novo.");
    case DbCause::Busy:
        return QStringLiteral("O arquivo de dados está ocupado por outro programa.\n") +
               nothingWritten + QStringLiteral("Aguarde um momento e tente de novo.");
    case DbCause::Damaged:
        return QStringLiteral("O arquivo de dados está danificado ou não é um arquivo do "
                              "Orvalune:\n%1\n")
                   .arg(file) +
               nothingWritten + QStringLiteral("Recupere a cópia de segurança e tente de novo.");
    case DbCause::Other:
        break;
    }
    return QStringLiteral("Não foi possível usar o arquivo de dados (erro %1: %2).\n")
               .arg(error.code())
               .arg(error.description()) +
           nothingWritten +
           QStringLiteral("Tente de novo; se o erro continuar, anote o número do erro.");
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
