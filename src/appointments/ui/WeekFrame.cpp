#include "appointments/ui/WeekFrame.h"

#include "mainwindow/ui/Fonts.h"
#include "mainwindow/ui/Pictures.h"

#include <QAbstractListModel>
#include <QGridLayout>
#include <QHash>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QStyle>
#include <QVBoxLayout>

namespace orv::appointments {

// The appointments of one day, with the day grid's status pictures.
class WeekDayModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setEntries(QVector<WeekEntry> entries) {
        beginResetModel();
        entries_ = std::move(entries);
        endResetModel();
    }
    const WeekEntry& at(int row) const { return entries_.at(row); }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(entries_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        const WeekEntry& e = entries_.at(index.row());
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
            return e.caption();
        }
        if (role == Qt::DecorationRole) {
            return iconOf(e.picture);
        }
        return {};
    }

private:
    // Rows without a picture keep its room, so that the times line up.
    static QIcon iconOf(const QString& name) {
        static QHash<QString, QIcon> icons;
        auto found = icons.find(name);
        if (found == icons.end()) {
            QPixmap blank(16, 16);
            blank.fill(Qt::transparent);
            found = icons.insert(name, QIcon(name.isEmpty() ? blank : picture(name)));
        }
        return *found;
    }

    QVector<WeekEntry> entries_;
};

namespace {

const QString kStyle =
    QStringLiteral("QFrame#frmSemanaDia { background: white; border: 1px solid #a0a0a0; }"
                   "QLabel[dia=\"true\"] { background: #ece9e2; border-bottom: 1px solid #a0a0a0; }"
                   "QLabel[hoje=\"true\"] { background: #c9dcf2; }"
                   "QLabel#lblSemanaAjuda { color: #505050; }");
constexpr int kColumns = 4;
constexpr int kGap = 4;

} // namespace

WeekFrame::WeekFrame(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("frmSemana"));
    setStyleSheet(kStyle);
    const QFont font = designFont(QStringLiteral("Book Antiqua"), 9);
    const QFont bold = designFont(QStringLiteral("Book Antiqua"), 9, true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(kGap);
    for (int i = 0; i < 7; ++i) {
        auto* box = new QFrame(this);
        box->setObjectName(QStringLiteral("frmSemanaDia"));
        auto* column = new QVBoxLayout(box);
        column->setContentsMargins(1, 1, 1, 1);
        column->setSpacing(0);
        headers_[i] = new QLabel(box);
        headers_[i]->setObjectName(QStringLiteral("lblSemanaDia%1").arg(i));
        headers_[i]->setProperty("dia", true);
        headers_[i]->setFont(bold);
        headers_[i]->setAlignment(Qt::AlignCenter);
        headers_[i]->setFixedHeight(20);
        models_[i] = new WeekDayModel(this);
        lists_[i] = new QListView(box);
        lists_[i]->setObjectName(QStringLiteral("lstSemanaDia%1").arg(i));
        lists_[i]->setModel(models_[i]);
        lists_[i]->setFont(font);
        lists_[i]->setFrameShape(QFrame::NoFrame);
        lists_[i]->setWordWrap(true);
        lists_[i]->setSpacing(1);
        // Wrapped rows are measured one by one: a day of hundreds is laid out
        // in steps, its first rows on screen at once.
        lists_[i]->setLayoutMode(QListView::Batched);
        lists_[i]->setBatchSize(40);
        lists_[i]->setIconSize(QSize(16, 16));
        lists_[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        column->addWidget(headers_[i]);
        column->addWidget(lists_[i]);
        grid->addWidget(box, i / kColumns, i % kColumns);
        // A click and Enter open; the first to come switches to the day.
        lists_[i]->installEventFilter(this);
        for (auto signal : {&QListView::clicked, &QListView::activated}) {
            connect(lists_[i], signal, this,
                    [this, i](const QModelIndex& at) { choose(i, at.row()); });
        }
    }
    auto* note = new QLabel(QStringLiteral("Clique num compromisso, ou escolha-o com as setas "
                                           "e tecle Enter, para abri-lo no seu dia."),
                            this);
    note->setObjectName(QStringLiteral("lblSemanaAjuda"));
    note->setFont(font);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->setMargin(8);
    grid->addWidget(note, 1, 3);
    for (int c = 0; c < kColumns; ++c) {
        grid->setColumnStretch(c, 1);
    }
}

void WeekFrame::setWeek(WeekSchedule week, const QDate& today) {
    week_ = std::move(week);
    const QLocale locale;
    for (int i = 0; i < 7; ++i) {
        const WeekDay& d = week_.days[i];
        const QString name = locale.dayName(d.day.dayOfWeek()) + QStringLiteral(", ") +
                             d.day.toString(QStringLiteral("dd/MM"));
        headers_[i]->setText(name);
        const bool isToday = d.day == today;
        if (headers_[i]->property("hoje").toBool() != isToday) {
            headers_[i]->setProperty("hoje", isToday);
            style()->unpolish(headers_[i]); // the new property takes effect
            style()->polish(headers_[i]);
        }
        models_[i]->setEntries(d.entries);
        lists_[i]->setAccessibleName(QStringLiteral("Compromissos de ") + name);
        // Tab passes over a day with nothing in it.
        lists_[i]->setFocusPolicy(d.entries.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    }
}

void WeekFrame::choose(int day, int row) {
    if (!isVisible() || row < 0) {
        return;
    }
    Q_EMIT entryChosen(models_[day]->at(row).key, week_.days[day].day);
}

void WeekFrame::focusEntry(qint64 key, const QDate& day) {
    for (int i = 0; i < 7; ++i) {
        if (week_.days[i].day != day) {
            continue;
        }
        lists_[i]->setFocus(Qt::OtherFocusReason);
        for (int row = 0; row < models_[i]->rowCount({}); ++row) {
            if (models_[i]->at(row).key == key) {
                lists_[i]->setCurrentIndex(models_[i]->index(row));
            }
        }
    }
}

bool WeekFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        for (int i = 0; i < 7; ++i) {
            const int row = lists_[i]->currentIndex().row();
            if (watched == lists_[i] && row >= 0) {
                Q_EMIT entryDeleteWanted(models_[i]->at(row).key, week_.days[i].day);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace orv::appointments
