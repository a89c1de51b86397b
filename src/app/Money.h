#pragma once

#include <QString>
#include <cstdint>

// An amount of money in ten-thousandths of a yuan, like the database's
// currency type. Arithmetic stays in whole units; rounding is always explicit.
class Money
{
public:
    enum class Rounding { HalfAwayFromZero, HalfEven };

    static constexpr std::int64_t unitsPerYuan = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t units) { return Money(units); }
    // Rounded to four decimals, half away from zero.
    static Money fromDouble(double yuan);
    static Money fromFen(std::int64_t fen) { return Money(fen * 100); }

    constexpr std::int64_t units() const { return m_units; }
    double toDouble() const { return double(m_units) / unitsPerYuan; }

    // Rounded to the given number of decimals (0 to 4).
    Money rounded(int decimals, Rounding rounding = Rounding::HalfAwayFromZero) const;
    // Whole fen, after rounding to two decimals.
    std::int64_t fen(Rounding rounding = Rounding::HalfAwayFromZero) const;
    // Price times a quantity, rounded to four decimals.
    Money times(double quantity, Rounding rounding = Rounding::HalfAwayFromZero) const;

    Money abs() const { return Money(m_units < 0 ? -m_units : m_units); }
    bool isZero() const { return m_units == 0; }

    // "1234.50": plain digits with the given number of decimals.
    QString toPlainString(int decimals = 2) const;

    constexpr Money operator+(Money o) const { return Money(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return Money(m_units - o.m_units); }
    constexpr Money operator-() const { return Money(-m_units); }
    Money &operator+=(Money o) { m_units += o.m_units; return *this; }
    Money &operator-=(Money o) { m_units -= o.m_units; return *this; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(std::int64_t units) : m_units(units) {}
    std::int64_t m_units = 0;
};

// Divides, rounding half away from zero or half to even.
std::int64_t roundedDivide(std::int64_t value, std::int64_t divisor, Money::Rounding rounding);
