#pragma once

#include <QWidget>
#include <functional>

class DataGrid;

// The first, prior, next and last buttons of an edit dialog in change mode
// (DBNavigator1): they move the list window's cursor, and the dialog reloads
// its fields from the new row.
class RowNavigator : public QWidget
{
    Q_OBJECT
public:
    RowNavigator(DataGrid *list, std::function<void()> moved, QWidget *parent = nullptr);
};
