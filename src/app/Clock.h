#pragma once

#include <QDate>
#include <QDateTime>

// "Now" for the whole program. Tests install a clock of their own.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const;
    QDate today() const { return now().date(); }

    static const Clock &current();
    // Installs a clock (not owned); nullptr goes back to the system clock.
    static void install(const Clock *clock);
};

// A clock that stands still until it is set; for tests.
class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime at) : m_at(std::move(at)) {}
    QDateTime now() const override { return m_at; }
    void set(QDateTime at) { m_at = std::move(at); }

private:
    QDateTime m_at;
};
