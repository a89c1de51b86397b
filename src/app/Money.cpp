#include "app/Money.h"

#include <cmath>

std::int64_t roundedDivide(std::int64_t value, std::int64_t divisor, Money::Rounding rounding)
{
    const bool negative = value < 0;
    const std::int64_t magnitude = negative ? -value : value;
    std::int64_t quotient = magnitude / divisor;
    const std::int64_t remainder = magnitude % divisor;
    const std::int64_t twice = remainder * 2;
    if (twice > divisor || (twice == divisor && (rounding == Money::Rounding::HalfAwayFromZero || quotient % 2 != 0)))
        ++quotient;
    return negative ? -quotient : quotient;
}

Money Money::fromDouble(double yuan)
{
    // The nearest ten-thousandth: decimal input such as 0.1 + 0.2 lands on the
    // unit it was meant to be, not on its binary neighbour.
    const double scaled = yuan * double(unitsPerYuan);
    const double nearest = std::round(scaled * 1000.0) / 1000.0; // shed binary noise first
    return Money(std::int64_t(std::llround(nearest)));
}

Money Money::rounded(int decimals, Rounding rounding) const
{
    if (decimals >= 4)
        return *this;
    std::int64_t step = 1;
    for (int d = decimals; d < 4; ++d)
        step *= 10;
    return Money(roundedDivide(m_units, step, rounding) * step);
}

std::int64_t Money::fen(Rounding rounding) const { return roundedDivide(m_units, 100, rounding); }

Money Money::times(double quantity, Rounding rounding) const
{
    // Quantities carry at most a few decimals; work in millionths of them.
    const std::int64_t q = std::llround(quantity * 1000000.0);
    const __int128 product = __int128(m_units) * q;
    const __int128 divisor = 1000000;
    const bool negative = product < 0;
    const __int128 magnitude = negative ? -product : product;
    __int128 quotient = magnitude / divisor;
    const __int128 twice = (magnitude % divisor) * 2;
    if (twice > divisor || (twice == divisor && (rounding == Rounding::HalfAwayFromZero || quotient % 2 != 0)))
        ++quotient;
    return Money(std::int64_t(negative ? -quotient : quotient));
}

QString Money::toPlainString(int decimals) const
{
    const Money r = rounded(decimals);
    const std::int64_t magnitude = r.m_units < 0 ? -r.m_units : r.m_units;
    QString text = QString::number(magnitude / unitsPerYuan);
    if (decimals > 0) {
        const QString fraction = QStringLiteral("%1").arg(magnitude % unitsPerYuan, 4, 10, QLatin1Char('0'));
        text += QLatin1Char('.') + fraction.left(decimals);
    }
    return r.m_units < 0 ? QLatin1Char('-') + text : text;
}
