#include "session/ui/BoxLimit.h"

#include "session/TextLimit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>

namespace orv {
namespace {

// The limit of a one-line box, as its validator: the box hands it every new
// text with the caret after what was typed, pasted or dropped.
class LengthLimit final : public QValidator {
public:
    LengthLimit(QLineEdit* box, int limit) : QValidator(box), limit_(limit), last_(box->text()) {}

    void setLimit(int limit) { limit_ = limit; }
    int limit() const { return limit_; }

    State validate(QString& text, int& caret) const override {
        if (text.size() > limit_) {
            const TextEdit edit = editBetween(last_, text, caret);
            const QString kept = cutAtCharacterBoundary(
                edit.inserted, limit_ - (text.size() - edit.inserted.size()));
            if (kept.isEmpty()) {
                return Invalid; // nothing fits: the box takes its text back
            }
            text = text.left(edit.position) + kept + text.mid(edit.position + edit.inserted.size());
            caret = static_cast<int>(edit.position + kept.size());
        }
        last_ = text;
        return Acceptable;
    }

private:
    int limit_;
    mutable QString last_;
};

// The limit of a box of several lines: each change is read against the text
// before it, the caret standing after what was typed or pasted.
class DocumentLimit final : public QObject {
public:
    DocumentLimit(QPlainTextEdit* box, int limit)
        : QObject(box), box_(box), limit_(limit), before_(box->toPlainText()) {
        connect(box, &QPlainTextEdit::textChanged, this, &DocumentLimit::enforce);
    }

    void setLimit(int limit) { limit_ = limit; }

private:
    void enforce() {
        const QString text = box_->toPlainText();
        if (text.size() > limit_ && !busy_) {
            busy_ = true;
            const TextEdit edit = editBetween(before_, text, box_->textCursor().position());
            QTextCursor cut(box_->document());
            if (edit.inserted.isEmpty()) {
                // A whole new text (set, not typed) keeps what fits.
                cut.setPosition(static_cast<int>(cutAtCharacterBoundary(text, limit_).size()));
                cut.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
                cut.removeSelectedText();
            } else {
                const QString kept = cutAtCharacterBoundary(
                    edit.inserted, limit_ - (text.size() - edit.inserted.size()));
                // When nothing fits, a replaced selection comes back.
                cut.setPosition(static_cast<int>(edit.position));
                cut.setPosition(static_cast<int>(edit.position + edit.inserted.size()),
                                QTextCursor::KeepAnchor);
                cut.insertText(kept.isEmpty() ? edit.removed : kept);
                box_->setTextCursor(cut);
            }
            busy_ = false;
        }
        before_ = box_->toPlainText();
    }

    QPlainTextEdit* box_;
    int limit_;
    QString before_;
    bool busy_ = false;
};

template <typename Limit> Limit* limitOf(const QObject* box) {
    for (QObject* child : box->children()) {
        if (auto* limit = dynamic_cast<Limit*>(child)) {
            return limit;
        }
    }
    return nullptr;
}

} // namespace

void limitLength(QLineEdit* box, int limit) {
    if (auto* existing = limitOf<LengthLimit>(box)) {
        existing->setLimit(limit);
    } else {
        box->setValidator(new LengthLimit(box, limit));
    }
}

void limitLength(QPlainTextEdit* box, int limit) {
    if (auto* existing = limitOf<DocumentLimit>(box)) {
        existing->setLimit(limit);
    } else {
        new DocumentLimit(box, limit);
    }
}

int lengthLimit(const QLineEdit* box) {
    const auto* limit = limitOf<LengthLimit>(box);
    return limit ? limit->limit() : 0;
}

} // namespace orv
