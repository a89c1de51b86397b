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
// Prints the grid as shown: its visible columns in grid order, the cells
// through their display formats, the footer row.
void PrintGrid(DataGrid *grid, const QString &title, const QString &headerText = {}, const QString &footerText = {},
               int fitMode = 0);
// Title of the first column bound to the field, compared without case.
QString ColumnCaption(const DataGrid *grid, const QString &field);
