#pragma once

#include "app/GridColumn.h"
#include "app/RowSet.h"

// A grid as an .xlsx workbook: the title of every column, hidden ones too,
// in grid order, then one row per record. A column without a display format
// becomes text cells (codes keep their leading zeros); one with a format
// stores numbers and dates as such under the matching number format. The
// placeholder date 1900-08-14 is left empty.
namespace GridExport {

bool writeWorkbook(const QString &path, const QString &sheetName, const GridColumns &columns, const RowSet &rows,
                   QString *error = nullptr);

// A name for a new export file in the folder that no file has yet.
QString uniqueFileName(const QString &folder, const QString &sheetName, const QDateTime &now);

} // namespace GridExport
