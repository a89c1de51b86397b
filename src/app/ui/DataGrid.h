#pragma once

#include "app/GridModel.h"

#include <QHash>
#include <QWidget>

class QTableView;
class GridHeader;
class GridFooter;

// The grid of every list and statistics window: columns with their formats,
// a footer row under its columns, sort markers on the titles, whole-row
// selection, row colours, in-place editing where the window allows it.
class DataGrid : public QWidget
{
    Q_OBJECT
public:
    enum class Marker { None, Ascending, Descending };

    explicit DataGrid(QWidget *parent = nullptr);

    GridModel *model() const { return m_model; }
    QTableView *view() const { return m_view; }

    // The columns in grid order, with their current widths and visibility.
    GridColumns columns() const;
    void setColumns(const GridColumns &columns);
    void setColumnVisible(int column, bool visible);
    bool isColumnVisible(int column) const;
    // Model column of the first column bound to the field; -1 if none.
    int columnOf(const QString &field) const;

    void setRows(RowSet rows);
    const RowSet &rows() const { return m_model->rows(); }
    int rowCount() const { return m_model->rowCount(); }

    int currentRow() const;
    void setCurrentRow(int row);
    QList<int> selectedRows() const;
    void setMultiSelect(bool multi);

    void setEditable(bool editable);
    void setShowFooter(bool show);
    void setDescendingFirst(bool descendingFirst) { m_descendingFirst = descendingFirst; }
    void setRowStyle(GridModel::RowStyle style) { m_model->setRowStyle(std::move(style)); }

    Marker marker(int column) const { return m_markers.value(column, Marker::None); }
    // What a click on a column title does.
    void clickTitle(int column);

    // The selected cells as tab-separated text, visible columns only.
    QString selectionText() const;
    void copySelection() const;
    // Enter in the grid: the next visible column, wrapping to the first.
    void moveToNextColumn();

Q_SIGNALS:
    void currentRowChanged(int row);
    void rowDoubleClicked(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GridModel *m_model;
    QTableView *m_view;
    GridHeader *m_header;
    GridFooter *m_footer;
    QHash<int, Marker> m_markers;
    bool m_descendingFirst = false;
};
