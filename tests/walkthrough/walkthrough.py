"""A family's first afternoon with the installed program, from outside: the first
user is created, an appointment, a contact with a birthday, a ledger entry, a
task and a note are added, the data is backed up, a task added after the copy
is undone by restoring it; an appointment comes due and the notification-area
menu logs out over its reminder, and ends the program over a message box. The
data file is read back with the sqlcipher shell at the end.

usage: walkthrough.py <launcher> <data folder> <folder of drives, holding PENDRIVE>
The display, session bus and accessibility bus are set up by run_walkthrough.sh."""

import datetime
import os
import shutil
import subprocess
import sys
import time

import desktop as d

MESSAGE = "Mensagem do Orvalune"


def answer(app, expected, button="Okay"):
    """Waits for the message box that says expected and presses one of its buttons."""
    def box_saying():
        for box in app.widgets("dialog", MESSAGE):
            if any(expected in w.get_name() for w in app.widgets("label", inside=box)):
                return box
        return None
    box = d.wait_until(box_saying, 10, f"a message saying '{expected}'")
    d.click(app.find("push button", button, inside=box))
    d.wait_until(lambda: not box_saying(), 10, f"the message '{expected}' to go away")


def open_panel(app, tab, frame):
    d.click(app.find("push button", tab))
    app.find("frame", frame)


def create_first_user(app):
    answer(app, "Primera execução")
    d.type_into(app.find("text", "Usuário"), "ana")
    assert d.text_of(app.find("text", "Usuário")) == "ANA", "the login is typed in capitals"
    d.click(app.find("push button", "Novo Usuário"))
    app.find("frame", "frmConfig")
    d.type_into(app.find("text", "Nome"), "Ana Souza")
    d.type_into(app.find("text", "Email"), "ana@exemplo.com.br")
    d.type_into(app.find("text", "Data de Nascimento"), "15/03/1980")
    d.type_into(app.find("password text", "Nova"), "abc")
    d.type_into(app.find("password text", "Confirme"), "abc")
    d.click(app.find("push button", "Gravar"))
    answer(app, "Dados Gravados e Atualizados com Sucesso !")
    app.find("frame", "frmInicial")


def log_on(app, login, password):
    d.type_into(app.find("text", "Usuário"), login)
    d.type_into(app.find("password text", "Senha"), password)
    d.click(app.find("push button", "Abrir Agenda"))
    app.find("label", "Essa agenda pertence a")


def add_appointment(app):
    # Tomorrow, so that no reminder comes up while the walk goes on.
    open_panel(app, "Compromissos", "frmCompromissos")
    d.click(app.find("push button", "Próximo Dia >>"))
    d.click(app.find("table cell", "09:00"))
    d.type_into(app.find("text", "Descrição Compromisso"), "Dentista com a Bia")
    d.click(app.find("push button", "Salvar Compromisso"))
    app.find("table cell", "Dentista com a Bia")


def add_contact(app):
    open_panel(app, "Endereços", "frmEndereco")
    d.click(app.find("push button", "Novo Contato"))
    form = app.frame_of("label", "DADOS DO CONTATO")
    d.type_into(app.find("text", "Nome", inside=form), "bia Lima")
    d.type_into(app.find("text", "Celular", inside=form), "11988887777")
    d.type_into(app.find("text", "Aniversário", inside=form), "2004")
    assert d.text_of(app.find("text", "Aniversário", inside=form)) == "20/04"
    d.click(app.find("push button", "Salvar Contato", inside=form))
    app.gone("label", "DADOS DO CONTATO")
    app.find("table cell", "Bia Lima")


def add_ledger_entry(app):
    open_panel(app, "Finanças", "frmFinancas")
    d.click(app.find("push button", "Novo Lançamento"))
    d.type_into(app.find("text", "Descrição da Receita ou Despesa"), "Conta de luz")
    d.click(app.find("radio button", "Pago"))
    d.type_into(app.find("text", "Valor"), "123,45")
    d.click(app.find("push button", "Salvar Lançamento"))
    app.find("table cell", "Conta de luz")
    assert d.text_of(app.find("text", "Saldo Atual")) == "-123,45"


def add_task(app, text):
    open_panel(app, "Tarefas", "frmTarefas")
    d.click(app.find("push button", "Nova Tarefa"))
    d.type_into(app.find("text", "Descrição da Tarefa"), text)
    d.click(app.find("push button", "Salvar Tarefa"))
    app.find("table cell", text)


def write_note(app):
    open_panel(app, "Anotações", "frmNotas")
    d.type_into(app.find("text", "Suas Anotações"), "Ligar para a vovó no domingo")
    d.click(app.find("push button", "Salvar Anotações"))


def back_up_and_restore(app, media):
    d.click(app.find("push button", "Cópia de segurança dos dados"))
    answer(app, "Backup Realizado com Sucesso!")
    assert os.path.getsize(os.path.join(media, "PENDRIVE", "Orvalune", "Orvalune.Bck")) > 0
    add_task(app, "Tarefa depois da cópia")
    d.click(app.find("push button", "Recuperar cópia de segurança"))
    answer(app, "Você Confirma Restaução do Backup?", "Confirmar")
    answer(app, "Restauração Realizada com Sucesso!")
    log_on(app, "ana", "abc")
    open_panel(app, "Tarefas", "frmTarefas")
    app.find("table cell", "Comprar presente da Bia")
    assert not app.widgets("table cell", "Tarefa depois da cópia"), "the restore kept a later task"


def tray_menu(app, entry):
    """A right click on the icon in the notification area; the menu opens over
    whatever waits on screen, and the entry is chosen by its access key."""
    def docked():
        for window in d.windows_of_class("trayer"):
            geometry = d.xdotool("getwindowgeometry", "--shell", window)
            g = dict(line.split("=") for line in geometry.split())
            if int(g["WIDTH"]) >= 16 and int(g["HEIGHT"]) >= 16:
                return g
        return None
    g = d.wait_until(docked, 10, "the icon in the notification area")
    d.xdotool("mousemove", "--sync", int(g["X"]) + int(g["WIDTH"]) // 2,
              int(g["Y"]) + int(g["HEIGHT"]) // 2)
    # The menu is a popup, out of the accessibility tree: it is waited for as a
    # new window of the program's on screen.
    before = set(d.windows_of_class("orvalune", showing=True))
    d.xdotool("click", 3)
    d.wait_until(lambda: set(d.windows_of_class("orvalune", showing=True)) - before, 10,
                 "the icon's menu")
    time.sleep(0.3)
    d.key(entry[0].lower())


def tray_over_reminder_and_message(app, program):
    """An appointment of yesterday with its alarm comes due at the next check:
    "Log Out" from the icon closes its reminder; then, over a message, "Encerrar"
    ends the program."""
    open_panel(app, "Compromissos", "frmCompromissos")
    d.click(app.find("push button", "<< Dia Anterior"))
    d.click(app.find("table cell", "09:00"))
    d.type_into(app.find("text", "Descrição Compromisso"), "Remédio da vovó")
    d.click(app.find("push button", "Salvar Compromisso"))
    app.find("dialog", "Lembrete", timeout=150)
    tray_menu(app, "Log Out")
    app.gone("dialog", "Lembrete")
    log_on(app, "ana", "abc")
    d.click(app.find("push button", "Configurações (Alt+7)"))
    d.type_into(app.find("text", "Nome"), " ")
    d.click(app.find("push button", "Gravar"))
    app.find("dialog", MESSAGE)
    tray_menu(app, "Encerrar")
    program.wait(timeout=20)


def sql(data_file, query):
    out = subprocess.run(
        ["sqlcipher", "-batch", "-cmd", "PRAGMA key='quietharbo318pelican';", data_file, query],
        check=True, capture_output=True, text=True).stdout
    return [line.split("|") for line in out.splitlines() if line and line != "ok"]


def next_birthday(day, month, today):
    this_year = datetime.date(today.year, month, day)
    return this_year if this_year > today else datetime.date(today.year + 1, month, day)


def check_data_file(data_file, started):
    today = started.date()
    assert sql(data_file, "select Login, Nome, Email from Usuarios") == [
        ["ANA", "Ana Souza", "ana@exemplo.com.br"]]
    password = sql(data_file, "select Senha from Usuarios")[0][0]
    assert password.startswith("$pbkdf2-sha256$") and "abc" not in password, password
    appointments = sql(data_file, "select Compromisso, Data, Hora from Compromissos")
    assert sorted(appointments) == [  # a NULL reads as the empty text
        ["Aniversário Bia Lima", next_birthday(20, 4, today).isoformat(), ""],
        ["Dentista com a Bia", (today + datetime.timedelta(days=1)).isoformat(), "09:00:00"],
        ["Remédio da vovó", (today - datetime.timedelta(days=1)).isoformat(), "09:00:00"]], appointments
    assert sql(data_file, "select Status from Compromissos where Compromisso like 'Rem%'") == [
        ["0"]], "logging out over the reminder left its appointment as it was"
    contact = sql(data_file, "select e.Nome, e.FoneCel, e.Aniversario, c.Compromisso from Enderecos e "
                             "join Compromissos c on c.Chave = e.ChaveAniversario")
    assert contact == [["Bia Lima", "11988887777", "20/04", "Aniversário Bia Lima"]], contact
    assert sql(data_file, "select Descricao, Pago, Data from Financas") == [
        ["Conta de luz", "123.45", today.isoformat()]]
    assert sql(data_file, "select Descricao from Tarefas") == [["Comprar presente da Bia"]]
    assert sql(data_file, "select Notas from Notas") == [["Ligar para a vovó no domingo"]]


def main():
    launcher, home, media = sys.argv[1:4]
    started = datetime.datetime.now()
    # The program must reach the display and the accessibility bus, whatever
    # platform the caller's environment names for Qt.
    env = dict(os.environ, ORVALUNE_HOME=home, ORVALUNE_MEDIA_ROOTS=media, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="pt_BR.UTF-8")
    program = subprocess.Popen([launcher], env=env)
    try:
        app = d.App("Orvalune")
        create_first_user(app)
        add_appointment(app)
        add_contact(app)
        add_ledger_entry(app)
        add_task(app, "Comprar presente da Bia")
        write_note(app)
        back_up_and_restore(app, media)
        tray_over_reminder_and_message(app, program)
    except BaseException:
        if shutil.which("import"):  # what the screen showed, for ORVALUNE_WALKTHROUGH_KEEP
            subprocess.run(["import", "-window", "root", os.path.join(home, "falha.png")])
        program.kill()
        raise
    assert program.returncode == 0, f"the program ended with {program.returncode}"
    check_data_file(os.path.join(home, "dadosn.lst"), started)
    print("walkthrough: all steps passed")


if __name__ == "__main__":
    main()
