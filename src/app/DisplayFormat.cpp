#include "app/DisplayFormat.h"

#include <QStringList>

namespace {

// One section of a number pattern.
struct NumberMask
{
    QString prefix;
    QString suffix;
    int integerZeros = 0;
    bool hasDigits = false;
    bool thousands = false;
    int decimalZeros = 0;
    int decimalHashes = 0;
};

bool isQuote(QChar c) { return c == QLatin1Char('"') || c == QLatin1Char('\''); }

QStringList splitSections(const QString &pattern)
{
    QStringList sections{QString()};
    QChar quote;
    for (const QChar c : pattern) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (isQuote(c)) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections.append(QString());
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

NumberMask parseMask(const QString &section)
{
    NumberMask mask;
    bool afterPoint = false;
    QString literal;
    QChar quote;
    for (const QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                literal += c;
            continue;
        }
        if (isQuote(c)) {
            quote = c;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (!mask.hasDigits)
                mask.prefix = literal;
            literal.clear();
            mask.hasDigits = true;
            const bool zero = c == QLatin1Char('0');
            if (afterPoint)
                (zero ? mask.decimalZeros : mask.decimalHashes)++;
            else if (zero)
                mask.integerZeros++;
        } else if (c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
            if (!mask.hasDigits) {
                mask.prefix = literal;
                literal.clear();
                mask.hasDigits = true;
            }
        } else if (c == QLatin1Char(',')) {
            mask.thousands = true;
        } else {
            literal += c;
        }
    }
    if (mask.hasDigits)
        mask.suffix = literal;
    else
        mask.prefix = literal;
    return mask;
}

// The decimal digits of a non-negative value rounded half away from zero to
// `decimals` places, taken from its shortest 15-digit decimal form, so 2.675
// rounds to 2.68 as it reads, not as the binary neighbour below it.
void roundedDigits(double magnitude, int decimals, QString *integer, QString *fraction)
{
    const QString e = QString::number(magnitude, 'e', 14); // d.dddddddddddddde±x
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    QString digits = e.left(ePos);
    digits.remove(QLatin1Char('.'));
    const int exponent = e.mid(ePos + 1).toInt();
    int pointAt = exponent + 1; // digits before the decimal point
    if (magnitude == 0.0) {
        digits = QStringLiteral("0");
        pointAt = 1;
    }
    // Bring the digits to start at the point when the value is below one.
    if (pointAt < 1) {
        digits.prepend(QString(1 - pointAt, QLatin1Char('0')));
        pointAt = 1;
    }
    const int keep = pointAt + decimals;
    if (keep < digits.size()) {
        const bool up = digits.at(keep) >= QLatin1Char('5');
        digits.truncate(keep);
        if (up) {
            int i = keep - 1;
            for (; i >= 0; --i) {
                if (digits.at(i) == QLatin1Char('9')) {
                    digits[i] = QLatin1Char('0');
                } else {
                    digits[i] = QChar(digits.at(i).unicode() + 1);
                    break;
                }
            }
            if (i < 0) {
                digits.prepend(QLatin1Char('1'));
                ++pointAt;
            }
        }
    } else {
        digits += QString(keep - digits.size(), QLatin1Char('0'));
    }
    *integer = digits.left(pointAt);
    *fraction = digits.mid(pointAt, decimals);
    while (integer->size() > 1 && integer->startsWith(QLatin1Char('0')))
        integer->remove(0, 1);
}

QString applyMask(double magnitude, const NumberMask &mask)
{
    if (!mask.hasDigits)
        return mask.prefix;
    QString integer;
    QString fraction;
    roundedDigits(magnitude, mask.decimalZeros + mask.decimalHashes, &integer, &fraction);
    while (fraction.size() > mask.decimalZeros && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (integer == QStringLiteral("0") && mask.integerZeros == 0)
        integer.clear();
    while (integer.size() < mask.integerZeros)
        integer.prepend(QLatin1Char('0'));
    if (mask.thousands)
        for (qsizetype at = integer.size() - 3; at > 0; at -= 3)
            integer.insert(at, QLatin1Char(','));
    QString text = mask.prefix + integer;
    if (!fraction.isEmpty())
        text += QLatin1Char('.') + fraction;
    return text + mask.suffix;
}

bool roundsToZero(double magnitude, const NumberMask &mask)
{
    QString integer;
    QString fraction;
    roundedDigits(magnitude, mask.decimalZeros + mask.decimalHashes, &integer, &fraction);
    return integer == QStringLiteral("0") && fraction.count(QLatin1Char('0')) == fraction.size();
}

QString quotedLiteral(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString spreadsheetMask(const NumberMask &mask)
{
    if (!mask.hasDigits)
        return quotedLiteral(mask.prefix);
    QString digits;
    if (mask.thousands)
        digits = QStringLiteral("#,##") + QString(std::max(1, mask.integerZeros), QLatin1Char('0'));
    else
        digits = mask.integerZeros > 0 ? QString(mask.integerZeros, QLatin1Char('0')) : QStringLiteral("#");
    if (mask.decimalZeros + mask.decimalHashes > 0)
        digits += QLatin1Char('.') + QString(mask.decimalZeros, QLatin1Char('0'))
            + QString(mask.decimalHashes, QLatin1Char('#'));
    return quotedLiteral(mask.prefix) + digits + quotedLiteral(mask.suffix);
}

// Date tokens of a pattern: (token letter run, is literal).
struct DateToken
{
    QString text;
    bool literal;
};

QList<DateToken> dateTokens(const QString &pattern)
{
    QList<DateToken> tokens;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (isQuote(c)) {
            const qsizetype end = pattern.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            tokens.append({pattern.mid(i + 1, stop - i - 1), true});
            i = stop + 1;
            continue;
        }
        const QChar lower = c.toLower();
        if (QStringLiteral("ymdhnsz").contains(lower)) {
            qsizetype j = i;
            while (j < pattern.size() && pattern.at(j).toLower() == lower)
                ++j;
            tokens.append({pattern.mid(i, j - i).toLower(), false});
            i = j;
            continue;
        }
        tokens.append({QString(c), true});
        ++i;
    }
    // An m run right after an hour means minutes.
    bool afterHour = false;
    for (DateToken &t : tokens) {
        if (t.literal)
            continue;
        if (t.text.startsWith(QLatin1Char('m')) && afterHour && t.text.size() <= 2)
            t.text = QString(t.text.size(), QLatin1Char('n'));
        afterHour = t.text.startsWith(QLatin1Char('h'));
    }
    return tokens;
}

} // namespace

namespace DisplayFormat {

bool isDatePattern(const QString &pattern)
{
    if (pattern.contains(QLatin1Char('0')) || pattern.contains(QLatin1Char('#')))
        return false;
    for (const DateToken &t : dateTokens(pattern))
        if (!t.literal)
            return true;
    return false;
}

QString formatNumber(double value, const QString &pattern)
{
    const QStringList sections = splitSections(pattern);
    const double magnitude = std::fabs(value);
    const NumberMask positive = parseMask(sections.at(0));
    if (sections.size() >= 3 && !sections.at(2).isEmpty() && roundsToZero(magnitude, positive))
        return applyMask(0.0, parseMask(sections.at(2)));
    if (value < 0 && !roundsToZero(magnitude, positive)) {
        if (sections.size() >= 2 && !sections.at(1).isEmpty())
            return applyMask(magnitude, parseMask(sections.at(1)));
        return QLatin1Char('-') + applyMask(magnitude, positive);
    }
    return applyMask(magnitude, positive);
}

QString qtDatePattern(const QString &pattern)
{
    QString qt;
    for (const DateToken &t : dateTokens(pattern)) {
        if (t.literal) {
            bool plain = true;
            for (const QChar c : t.text)
                if (c.isLetter() && c.unicode() < 128)
                    plain = false;
            qt += plain && !t.text.contains(QLatin1Char('\'')) ? t.text
                                                              : QLatin1Char('\'') + QString(t.text).replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
            continue;
        }
        const QChar kind = t.text.at(0);
        const int n = int(t.text.size());
        switch (kind.unicode()) {
        case 'y': qt += n <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
        case 'm': qt += QString(std::min(n, 4), QLatin1Char('M')); break;
        case 'd': qt += QString(std::min(n, 4), QLatin1Char('d')); break;
        case 'h': qt += n >= 2 ? QStringLiteral("HH") : QStringLiteral("H"); break;
        case 'n': qt += n >= 2 ? QStringLiteral("mm") : QStringLiteral("m"); break;
        case 's': qt += n >= 2 ? QStringLiteral("ss") : QStringLiteral("s"); break;
        case 'z': qt += QStringLiteral("zzz"); break;
        }
    }
    return qt;
}

QString formatDateTime(const QDateTime &value, const QString &pattern)
{
    return value.toString(qtDatePattern(pattern));
}

std::optional<QDateTime> toDateTime(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.metaType().id() == QMetaType::QDate)
        return value.toDate().startOfDay();
    const QString text = value.toString().trimmed();
    if (text.size() < 10 || text.at(4) != QLatin1Char('-'))
        return std::nullopt;
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    if (text.size() == 10)
        return date.startOfDay();
    const QTime time = QTime::fromString(text.mid(11, 8), QStringLiteral("hh:mm:ss"));
    if (!time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

bool isNumberType(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

std::optional<double> toNumber(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    if (isNumberType(value) || value.metaType().id() == QMetaType::Bool)
        return value.toDouble();
    bool ok = false;
    const double number = value.toString().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(number) : std::nullopt;
}

QString plainText(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.metaType().id() == QMetaType::Double)
        return QString::number(value.toDouble(), 'g', 15);
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return value.toString();
}

QString formatValue(const QVariant &value, const QString &pattern)
{
    if (value.isNull())
        return {};
    if (pattern.isEmpty())
        return plainText(value);
    if (isDatePattern(pattern)) {
        if (const auto dt = toDateTime(value))
            return formatDateTime(*dt, pattern);
        return plainText(value);
    }
    if (const auto number = toNumber(value))
        return formatNumber(*number, pattern);
    return plainText(value);
}

QString spreadsheetFormat(const QString &pattern)
{
    if (pattern.trimmed().isEmpty())
        return QStringLiteral("@");
    if (isDatePattern(pattern)) {
        QString excel;
        for (const DateToken &t : dateTokens(pattern)) {
            if (t.literal) {
                const bool safe = t.text == QStringLiteral("-") || t.text == QStringLiteral(":")
                    || t.text == QStringLiteral(" ") || t.text == QStringLiteral("/");
                excel += safe ? t.text : quotedLiteral(t.text);
                continue;
            }
            const int n = int(t.text.size());
            switch (t.text.at(0).unicode()) {
            case 'y': excel += n <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); break;
            case 'm': excel += QString(std::min(n, 4), QLatin1Char('m')); break;
            case 'd': excel += QString(std::min(n, 4), QLatin1Char('d')); break;
            case 'h': excel += QString(std::min(n, 2), QLatin1Char('h')); break;
            case 'n': excel += QString(std::min(n, 2), QLatin1Char('m')); break;
            case 's': excel += QString(std::min(n, 2), QLatin1Char('s')); break;
            case 'z': excel += QStringLiteral(".000"); break;
            }
        }
        return excel;
    }
    QStringList parts;
    for (const QString &section : splitSections(pattern))
        parts.append(section.isEmpty() ? QString() : spreadsheetMask(parseMask(section)));
    return parts.join(QLatin1Char(';'));
}

} // namespace DisplayFormat
