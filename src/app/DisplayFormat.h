#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

// Display formats of grids, reports and exports, in the pattern language the
// layouts are stored in:
//  numbers  "￥,0.00##;-￥,0.00##"  sections positive;negative;zero, digit
//           placeholders 0 and #, a comma anywhere for thousands, quoted or
//           other text as literal; a negative value without its own section
//           gets a minus in front;
//  dates    "yyyy-MM-dd hh:nn:ss", "yyyy年MM月dd日": m after h is minutes, n
//           is minutes too.
// Rounding is half away from zero on the value's decimal digits.
namespace DisplayFormat {

bool isDatePattern(const QString &pattern);

QString formatNumber(double value, const QString &pattern);
QString formatDateTime(const QDateTime &value, const QString &pattern);

// How a cell shows a value: through its pattern where the value fits it,
// otherwise as plain text. Nulls show as nothing.
QString formatValue(const QVariant &value, const QString &pattern);
// A value without a pattern: numbers without trailing zeros, text as is.
QString plainText(const QVariant &value);

// A date or date-time value, or the stored text "yyyy-MM-dd[ hh:mm:ss]".
std::optional<QDateTime> toDateTime(const QVariant &value);
// Whether the value is held as a number (not text that reads as one).
bool isNumberType(const QVariant &value);
// A number, or text that reads as one.
std::optional<double> toNumber(const QVariant &value);

// The matching spreadsheet number format ("#,##0.00##" style), "@" for none.
QString spreadsheetFormat(const QString &pattern);

// The Qt date pattern of a stored date pattern.
QString qtDatePattern(const QString &pattern);

} // namespace DisplayFormat
