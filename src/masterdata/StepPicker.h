#pragma once

#include "app/RowSet.h"

#include <QVariantMap>

// The rules of the step picker: what it lists, how it searches, and which
// step it hands back.
namespace StepPicker {

// Every step, disabled ones too, in key order.
QString openingStatement();

// Step codes match from their start as typed (blanks count), names
// anywhere and products from their start when they are not blank.
QString searchStatement(const QString &code, const QString &name, const QString &product, QVariantMap *params);

// The F_ID of the chosen row when the pick was confirmed on a non-empty
// list, otherwise the step the caller gave.
qint64 result(qint64 given, bool confirmed, const RowSet &rows, int currentRow);

} // namespace StepPicker
