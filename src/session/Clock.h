#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace orv {

// Every reading of "now" goes through a clock, so tests can stand at any moment.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    QTime time() const { return now().time(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until it is set or moved.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime at = QDateTime(QDate(2026, 3, 15), QTime(9, 0))) : at_(at) {}
    QDateTime now() const override { return at_; }
    void set(const QDateTime& at) { at_ = at; }
    void advanceMinutes(int minutes) { at_ = at_.addSecs(60LL * minutes); }

private:
    QDateTime at_;
};

} // namespace orv
