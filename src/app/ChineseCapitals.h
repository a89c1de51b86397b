#pragma once

#include <QString>

// An amount in capital numerals, every place written out, zeros included:
// 1234.5 -> 壹千贰佰叁拾肆元伍角零分, 100 -> 壹佰零拾零元整. The sign is dropped.
// Also the report function MoneyMinToBig.
QString MoneyToChineseCapitals(double amount);
