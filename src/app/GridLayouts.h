#pragma once

#include "app/GridColumn.h"

class TdmData;

// Grid layouts in cfg_Grid, one row per window key and column. Rows are
// delivered with the database: saving only updates rows that exist.
namespace GridLayouts {

// Rebuilds the columns from the key's rows; without rows they stay as designed.
// Returns whether rows were found.
bool load(TdmData &dm, const QString &key, GridColumns &columns);

// Applies the stored settings to the columns that have a row, keeping their
// field, title and position.
void apply(TdmData &dm, const QString &key, GridColumns &columns);

// Writes every column back, in grid order, under the key in lower case. A
// column without a row is skipped; a failing column is reported and the
// others are still saved. Returns the number of rows written.
int save(TdmData &dm, const QString &key, const GridColumns &columns);

} // namespace GridLayouts
