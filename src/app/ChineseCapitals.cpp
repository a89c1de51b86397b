#include "app/ChineseCapitals.h"

#include "app/Money.h"

QString MoneyToChineseCapitals(double amount)
{
    static const QString digitWords = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    // Places -2 (fen) to 11; thousands are written 千, and place 9 is 十.
    static const QString placeWords = QStringLiteral("分角元拾佰千万拾佰千亿十佰千");

    // Round to fen half away from zero on the exact amount, as two decimals print.
    const QString formatted = Money::fromDouble(amount).abs().toPlainString(2);
    QString result;
    int place = -2;
    for (qsizetype i = formatted.size() - 1; i >= 0; --i) {
        const QChar c = formatted.at(i);
        if (c == QLatin1Char('.'))
            continue;
        // Beyond the table each place repeats the word of the one before.
        const qsizetype wordIndex = std::min<qsizetype>(place + 2, placeWords.size() - 1);
        result.prepend(placeWords.at(wordIndex));
        result.prepend(digitWords.at(c.digitValue()));
        ++place;
    }
    if (formatted.endsWith(QStringLiteral("00"))) {
        result.chop(4);
        result += QStringLiteral("整");
    }
    return result;
}
