#include "search/ui/SearchFrame.h"

#include "db/DbError.h"
#include "mainwindow/ui/AccessibleNames.h"
#include "session/AppContext.h"
#include "session/ui/KeyMode.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orv::search {
namespace {

constexpr int kPauseMs = 250;
const QString kDay = QStringLiteral("dd/MM/yyyy");

QString groupCaption(Kind kind) {
    switch (kind) {
    case Kind::Appointment:
        return QStringLiteral("Compromissos");
    case Kind::Contact:
        return QStringLiteral("Endereços");
    case Kind::Task:
        return QStringLiteral("Tarefas");
    case Kind::Note:
        return QStringLiteral("Anotações");
    case Kind::Ledger:
        return QStringLiteral("Finanças");
    }
    return {};
}

// The three cells of a found row: when, what, and the amount of a ledger entry.
QStringList cells(const Hit& h) {
    QString when;
    if (h.kind == Kind::Appointment) {
        when = (h.day.toString(kDay) + QLatin1Char(' ') + h.time).trimmed();
    } else if (h.kind == Kind::Task) {
        when = h.day.toString(kDay);
    } else if (h.kind == Kind::Ledger) {
        when = h.day.toString(QStringLiteral("MM/yyyy"));
    }
    QString text = h.text.simplified();
    if (!h.owner.isEmpty()) {
        text += QStringLiteral(" [%1]").arg(h.owner);
    }
    QString amount;
    if (h.kind == Kind::Ledger) {
        amount = (h.paid ? QStringLiteral("Pago ") : QStringLiteral("Recebido ")) +
                 QLocale().toString(h.amount, 'f', 2);
    }
    return {when, text, amount};
}

} // namespace

SearchFrame::SearchFrame(AppContext& ctx, QWidget* parent) : QFrame(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmPesquisaGeral"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    auto* caption = new QLabel(QStringLiteral("Procurar em tudo:"), this);
    txtPesquisaGeral = new QLineEdit(this);
    txtPesquisaGeral->setObjectName(QStringLiteral("txtPesquisaGeral"));
    txtPesquisaGeral->setPlaceholderText(
        QStringLiteral("compromissos, endereços, tarefas, anotações e finanças"));
    txtPesquisaGeral->setClearButtonEnabled(true);
    applyKeyMode(txtPesquisaGeral, KeyMode::Text);
    labelFor(caption, txtPesquisaGeral);

    lstPesquisaGeral = new QTreeWidget(this);
    lstPesquisaGeral->setObjectName(QStringLiteral("lstPesquisaGeral"));
    lstPesquisaGeral->setAccessibleName(QStringLiteral("Resultados da pesquisa"));
    lstPesquisaGeral->setHeaderLabels(
        {QStringLiteral("Quando"), QStringLiteral("Texto"), QStringLiteral("Valor")});
    lstPesquisaGeral->setRootIsDecorated(false);
    lstPesquisaGeral->setUniformRowHeights(true);
    lstPesquisaGeral->header()->setStretchLastSection(false);
    lstPesquisaGeral->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    lstPesquisaGeral->setColumnWidth(0, 130);
    lstPesquisaGeral->setColumnWidth(2, 120);

    lblPesquisaGeral = new QLabel(this);
    lblPesquisaGeral->setObjectName(QStringLiteral("lblPesquisaGeral"));
    cmdPesquisaFechar = new QPushButton(QStringLiteral("Fechar"), this);
    cmdPesquisaFechar->setObjectName(QStringLiteral("cmdPesquisaFechar"));
    cmdPesquisaFechar->setToolTip(QStringLiteral("Fechar a pesquisa (Esc)"));
    cmdPesquisaFechar->setAutoDefault(false);
    nameByCaption(cmdPesquisaFechar);

    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(txtPesquisaGeral, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblPesquisaGeral, 1);
    bottom->addWidget(cmdPesquisaFechar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lstPesquisaGeral, 1);
    layout->addLayout(bottom);

    tmrPesquisa = new QTimer(this);
    tmrPesquisa->setObjectName(QStringLiteral("tmrPesquisa"));
    tmrPesquisa->setSingleShot(true);
    tmrPesquisa->setInterval(kPauseMs);
    connect(txtPesquisaGeral, &QLineEdit::textChanged, tmrPesquisa, qOverload<>(&QTimer::start));
    connect(tmrPesquisa, &QTimer::timeout, this, guarded(ctx_.guard, this, &SearchFrame::search));
    connect(lstPesquisaGeral, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QVariant index = item->data(0, Qt::UserRole);
        if (index.isValid()) {
            activate(index.toInt());
        }
    });
    connect(cmdPesquisaFechar, &QPushButton::clicked, this, &SearchFrame::close);
    connect(&reader_, &IndexReader::ready, this, &SearchFrame::indexArrived);
    connect(&reader_, &IndexReader::failed, this, [this](const DbError& error) {
        close();
        ctx_.guard.run([&error] { throw error; });
    });
    hide();
    // Nothing one user searched or found is left for the next.
    ctx_.resets.add(this, [this] { reset(); });
}

void SearchFrame::open() {
    index_ = SearchIndex();
    indexRead_ = false;
    reader_.start(ctx_.db.dataPath(), Scope{ctx_.session.userCode, ctx_.settings.showShared});
    search();
    raise();
    show();
    txtPesquisaGeral->setFocus(Qt::ShortcutFocusReason);
    txtPesquisaGeral->selectAll();
}

void SearchFrame::indexArrived(const SearchIndex& index) {
    index_ = index;
    indexRead_ = true;
    search(); // what the box holds, in the data as it is now
}

void SearchFrame::close() {
    reader_.cancel();
    tmrPesquisa->stop();
    hide();
    Q_EMIT closed();
}

void SearchFrame::reset() {
    reader_.cancel();
    hide();
    txtPesquisaGeral->clear();
    tmrPesquisa->stop(); // the clearing typed
    index_ = SearchIndex();
    indexRead_ = false;
    hits_.clear();
    showHits();
}

void SearchFrame::search() {
    tmrPesquisa->stop();
    hits_ = index_.find(txtPesquisaGeral->text());
    showHits();
}

void SearchFrame::showHits() {
    lstPesquisaGeral->clear();
    QTreeWidgetItem* group = nullptr;
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < hits_.size(); ++i) {
        const Hit& h = hits_[i];
        if (group == nullptr || hits_[i - 1].kind != h.kind) {
            group = new QTreeWidgetItem(lstPesquisaGeral, {groupCaption(h.kind)});
            group->setFirstColumnSpanned(true);
            group->setFlags(Qt::ItemIsEnabled);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
        }
        auto* item = new QTreeWidgetItem(lstPesquisaGeral, cells(h));
        item->setData(0, Qt::UserRole, i);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (first == nullptr) {
            first = item;
        }
    }
    if (first != nullptr) {
        lstPesquisaGeral->setCurrentItem(first);
    }
    const bool typed = !txtPesquisaGeral->text().trimmed().isEmpty();
    lblPesquisaGeral->setText(!typed            ? QString()
                              : !indexRead_     ? QStringLiteral("Pesquisando…")
                              : hits_.isEmpty() ? QStringLiteral("Nada encontrado.")
                                                : QStringLiteral("Enter abre o item escolhido."));
}

void SearchFrame::activate(int index) {
    const Hit hit = hits_.value(index);
    close();
    Q_EMIT openWanted(hit);
}

void SearchFrame::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // From the box: the arrows move in the results, Enter opens the current one.
        if (QTreeWidgetItem* current = lstPesquisaGeral->currentItem();
            current != nullptr && txtPesquisaGeral->hasFocus()) {
            if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
                Q_EMIT lstPesquisaGeral->itemActivated(current, 0);
            } else {
                lstPesquisaGeral->setFocus(Qt::OtherFocusReason);
                QApplication::sendEvent(lstPesquisaGeral, event);
            }
            return;
        }
        break;
    default:
        break;
    }
    QFrame::keyPressEvent(event);
}

} // namespace orv::search
