#include "session/ui/KeyMode.h"

#include "session/KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QValidator>

namespace orv {
namespace {

int keyCode(const QKeyEvent* e) {
    if (e->key() == Qt::Key_Backspace) {
        return keys::Backspace;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        return keys::Enter;
    }
    const QString text = e->text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

bool hasSelection(QObject* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        return line->hasSelectedText();
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        return plain->textCursor().hasSelection();
    }
    if (auto* rich = qobject_cast<QTextEdit*>(box)) {
        return rich->textCursor().hasSelection();
    }
    return false;
}

QString boxText(QObject* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        return line->text();
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        return plain->toPlainText();
    }
    return {};
}

void insertText(QObject* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->insert(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
        plain->insertPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(box)) {
        rich->insertPlainText(text);
    }
}

class KeyModeFilter : public QObject {
public:
    KeyModeFilter(QObject* parent, KeyMode mode) : QObject(parent), mode_(mode) {}

protected:
    bool eventFilter(QObject* box, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* key = static_cast<QKeyEvent*>(event);
        // Navigation and editing keys without text (Tab, arrows, Delete...) keep
        // their usual meaning; shortcuts with Ctrl are the box's own.
        // Escape goes on to the frame, which closes.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
            key->key() == Qt::Key_Escape) {
            return false;
        }
        const int code = keyCode(key);
        if (code == 0 || (key->modifiers() & Qt::ControlModifier)) {
            return false;
        }
        // Enter types nothing into a one-line box; letting it through keeps
        // returnPressed (the logon boxes log on with Enter).
        if (code == keys::Enter && qobject_cast<QLineEdit*>(box)) {
            return false;
        }
        return handle(box, code);
    }

private:
    bool handle(QObject* box, int code) {
        switch (mode_) {
        case KeyMode::Time:
        case KeyMode::DayMonth: {
            const QChar separator = mode_ == KeyMode::Time ? QLatin1Char(':') : QLatin1Char('/');
            const MaskResult r = twoDigitMask(boxText(box), hasSelection(box), code, separator);
            if (r.kind == MaskResult::Replace) {
                if (auto* line = qobject_cast<QLineEdit*>(box)) {
                    line->setText(r.text);
                    line->setCursorPosition(r.caret);
                }
                return true;
            }
            return r.kind == MaskResult::Drop;
        }
        case KeyMode::MultilineText:
            if (code == keys::Enter) {
                return false;
            }
            return filterKey(code, false) == 0;
        case KeyMode::Phone:
            if (code == '(' || code == ')') {
                return false;
            }
            return filterKey(code, true) == 0;
        case KeyMode::Date:
            if (code == '/') {
                return false;
            }
            return filterKey(code, true) == 0;
        case KeyMode::Amount:
            // A comma typed for the decimals would be dropped and multiply the
            // amount by a hundred; it is the point the amount boxes read.
            if (code != '.' && QChar(code) == QLocale().decimalPoint().at(0)) {
                insertText(box, QStringLiteral("."));
                return true;
            }
            return filterKey(code, true) == 0;
        case KeyMode::Numeric:
            return filterKey(code, true) == 0;
        case KeyMode::Text:
        case KeyMode::UpperText: // the box's capitals validator does the rest
            return filterKey(code, false) == 0;
        }
        return false;
    }

    KeyMode mode_;
};

// The login box: whatever comes in, typed or pasted, is filtered as typed text
// and turned into capitals.
class Capitals final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& caret) const override {
        const QString upper = capitals(text);
        if (upper != text) {
            caret = static_cast<int>(capitals(text.left(caret)).size());
            text = upper;
        }
        return Acceptable;
    }

private:
    static QString capitals(const QString& text) {
        QString kept;
        for (const QChar c : text) {
            if (filterKey(c.unicode(), false) != 0) {
                kept.append(c);
            }
        }
        return kept.toUpper();
    }
};

} // namespace

void applyKeyMode(QWidget* box, KeyMode mode) {
    box->installEventFilter(new KeyModeFilter(box, mode));
    if (auto* line = qobject_cast<QLineEdit*>(box); line && mode == KeyMode::UpperText) {
        line->setValidator(new Capitals(line));
    }
}

} // namespace orv
