#pragma once

#include "app/RowSet.h"

#include <QVariantMap>

// The rules of the employee picker: what it lists on opening, how it
// searches, and which code it hands back.
namespace EmployeePicker {

// Employees in service, by code.
QString openingStatement();

// Codes match from the start as typed (blanks count), names anywhere and
// departments from the start when not blank; employees who left are found too.
QString searchStatement(const QString &code, const QString &name, const QString &dept, QVariantMap *params);

// The code of the chosen row when the pick was confirmed on a non-empty
// list, otherwise the code the caller gave.
QString result(const QString &given, bool confirmed, const RowSet &rows, int currentRow);

} // namespace EmployeePicker
