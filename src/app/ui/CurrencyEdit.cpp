#include "app/ui/CurrencyEdit.h"

#include "app/DisplayFormat.h"

#include <QRegularExpression>

namespace {

// The number inside the text: without the yuan sign, commas and blanks.
QString bareNumber(const QString &text)
{
    QString bare = text;
    bare.remove(QChar(0xFFE5)).remove(QChar(0x00A5)).remove(QLatin1Char(',')).remove(QLatin1Char(' '));
    return bare;
}

bool isEmptyNumber(const QString &bare)
{
    return bare.isEmpty() || bare == QLatin1String("-") || bare == QLatin1String(".") || bare == QLatin1String("-.");
}

} // namespace

CurrencyEdit::CurrencyEdit(int decimals, const QString &displayFormat, QWidget *parent)
    : QDoubleSpinBox(parent), m_format(displayFormat)
{
    setDecimals(decimals);
    setRange(-999999999.0, 999999999.0);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A money field that changes under a passing mouse wheel is a trap.
    setFocusPolicy(Qt::StrongFocus);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QString CurrencyEdit::textFromValue(double value) const { return DisplayFormat::formatNumber(value, m_format); }

double CurrencyEdit::valueFromText(const QString &text) const
{
    const QString bare = bareNumber(text);
    return isEmptyNumber(bare) ? 0.0 : bare.toDouble();
}

QValidator::State CurrencyEdit::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos);
    const QString bare = bareNumber(input);
    if (isEmptyNumber(bare))
        return QValidator::Intermediate;
    static const QRegularExpression number(QStringLiteral("^-?\\d*(\\.(\\d*))?$"));
    const QRegularExpressionMatch match = number.match(bare);
    if (!match.hasMatch() || match.captured(2).size() > decimals())
        return QValidator::Invalid;
    const double value = bare.toDouble();
    return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Invalid;
}

void CurrencyEdit::fixup(QString &input) const
{
    // An emptied field stands for nothing.
    if (isEmptyNumber(bareNumber(input)))
        input = textFromValue(0.0);
}
