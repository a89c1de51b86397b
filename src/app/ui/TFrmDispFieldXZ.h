#pragma once

#include <QDialog>

class QListWidget;
class DataGrid;

// The column picker: one line per grid column, ticked when it is shown.
class TFrmDispFieldXZ : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmDispFieldXZ(DataGrid *grid, QWidget *parent = nullptr);

    // Shows or hides the grid's columns by the ticks (what "确定" does).
    void applyToGrid();

private:
    DataGrid *m_grid;
    QListWidget *m_list;
    QList<int> m_columns; // model column of each line
};
