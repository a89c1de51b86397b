#pragma once

#include <QString>

class DataGrid;

// The grid services of the data module, over a DataGrid.
void LoadGridLayout(DataGrid *grid, const QString &key);
void ApplyColumnLayout(DataGrid *grid, const QString &key);
void SaveGridLayout(DataGrid *grid, const QString &key);
void ChooseVisibleColumns(DataGrid *grid);
// Writes the grid to a new workbook and opens it with the desktop's
// spreadsheet program; says where it was saved when nothing can open it.
// Returns the file written, empty on failure.
QString ExportGridToExcel(DataGrid *grid, const QString &sheetName, bool show = true);
// Title of the first column bound to the field, compared without case.
QString ColumnCaption(const DataGrid *grid, const QString &field);
