#pragma once

#include "app/GridColumn.h"
#include "app/RowSet.h"

#include <QAbstractTableModel>
#include <QColor>
#include <functional>
#include <optional>

// The rows of a grid under its columns: cells shown through their display
// formats, footers (text or sums), sorting of the rows already loaded, row
// colours by a rule the window gives, and in-place edits kept in the rows.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct RowColours
    {
        QColor text;
        QColor background;
    };
    using RowStyle = std::function<std::optional<RowColours>(const RowSet &rows, int row)>;

    explicit GridModel(QObject *parent = nullptr);

    void setColumns(const GridColumns &columns);
    const GridColumns &columns() const { return m_columns; }
    const GridColumn &column(int c) const { return m_columns.at(c); }

    void setRows(RowSet rows);
    const RowSet &rows() const { return m_rows; }
    bool isLoaded() const { return m_loaded; }
    void clear();

    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }
    void setRowStyle(RowStyle style);

    // The raw value of a cell (the column's field in that row).
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString &field) const { return m_rows.value(row, field); }
    // Stores a value without the edit signal (a window updating its own rows).
    void setValue(int row, const QString &field, const QVariant &value);

    // Stable sort of the loaded rows by one column.
    void sortBy(int column, Qt::SortOrder order);

    // The footer of a column: its text, or its sum in its display format.
    QString footerText(int column) const;
    double columnSum(int column) const;

    // Red text on button-face grey for rows whose flag field is true.
    static RowStyle retiredRows(const QString &flagField);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // A cell was changed in place by the user; the window decides what to store.
    void cellEdited(int row, const QString &field, const QVariant &oldValue, const QVariant &newValue);
    void footersChanged();

private:
    int fieldIndex(int column) const;
    void mapFields();

    GridColumns m_columns;
    QList<int> m_fieldIndex; // RowSet column of each grid column, -1 when absent
    RowSet m_rows;
    bool m_loaded = false;
    bool m_editable = false;
    RowStyle m_rowStyle;
};
