#include "app/GridModel.h"

#include "app/DisplayFormat.h"
#include "app/Money.h"

#include <algorithm>

namespace {

Qt::Alignment cellAlignment(int alignment)
{
    switch (alignment) {
    case GridColumn::Centre: return Qt::AlignCenter;
    case GridColumn::Right: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// Numbers before text, numbers by value, text without case; nulls first.
int compareValues(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    const auto na = DisplayFormat::toNumber(a);
    const auto nb = DisplayFormat::toNumber(b);
    if (na && nb)
        return *na < *nb ? -1 : (*na > *nb ? 1 : 0);
    if (na != nb)
        return na ? -1 : 1;
    return a.toString().compare(b.toString(), Qt::CaseInsensitive);
}

} // namespace

GridModel::GridModel(QObject *parent) : QAbstractTableModel(parent) {}

void GridModel::setColumns(const GridColumns &columns)
{
    beginResetModel();
    m_columns = columns;
    mapFields();
    endResetModel();
    Q_EMIT footersChanged();
}

void GridModel::setRows(RowSet rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_loaded = true;
    mapFields();
    endResetModel();
    Q_EMIT footersChanged();
}

void GridModel::clear()
{
    setRows(RowSet());
    m_loaded = false;
}

void GridModel::setRowStyle(RowStyle style)
{
    m_rowStyle = std::move(style);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void GridModel::mapFields()
{
    m_fieldIndex.clear();
    for (const GridColumn &c : m_columns)
        m_fieldIndex.append(m_rows.fieldIndex(c.field));
}

int GridModel::fieldIndex(int column) const
{
    return column >= 0 && column < m_fieldIndex.size() ? m_fieldIndex.at(column) : -1;
}

QVariant GridModel::value(int row, int column) const { return m_rows.value(row, fieldIndex(column)); }

void GridModel::setValue(int row, const QString &field, const QVariant &value)
{
    const int f = m_rows.fieldIndex(field);
    if (row < 0 || row >= m_rows.rowCount() || f < 0)
        return;
    m_rows.rows()[row][f] = value;
    for (int c = 0; c < m_columns.size(); ++c)
        if (fieldIndex(c) == f)
            Q_EMIT dataChanged(index(row, c), index(row, c));
    Q_EMIT footersChanged();
}

void GridModel::sortBy(int column, Qt::SortOrder order)
{
    const int f = fieldIndex(column);
    if (f < 0)
        return;
    Q_EMIT layoutAboutToBeChanged();
    auto &rows = m_rows.rows();
    std::stable_sort(rows.begin(), rows.end(), [f, order](const QVariantList &a, const QVariantList &b) {
        const int c = compareValues(a.at(f), b.at(f));
        return order == Qt::AscendingOrder ? c < 0 : c > 0;
    });
    Q_EMIT layoutChanged();
}

double GridModel::columnSum(int column) const
{
    const int f = fieldIndex(column);
    Money sum;
    for (int r = 0; f >= 0 && r < m_rows.rowCount(); ++r)
        if (const auto n = DisplayFormat::toNumber(m_rows.value(r, f)))
            sum += Money::fromDouble(*n);
    return sum.toDouble();
}

QString GridModel::footerText(int column) const
{
    const GridColumn &c = m_columns.at(column);
    switch (c.footer) {
    case GridColumn::Footer::Text: return c.footerValue;
    case GridColumn::Footer::Sum: return DisplayFormat::formatValue(columnSum(column), c.displayFormat);
    default: return {};
    }
}

GridModel::RowStyle GridModel::retiredRows(const QString &flagField)
{
    return [flagField](const RowSet &rows, int row) -> std::optional<RowColours> {
        if (!rows.value(row, flagField).toBool())
            return std::nullopt;
        return RowColours{QColor(Qt::red), QColor(240, 240, 240)};
    };
}

int GridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rows.rowCount(); }

int GridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_columns.size()); }

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const GridColumn &c = m_columns.at(index.column());
    const QVariant raw = value(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return c.checkBox ? QVariant() : QVariant(DisplayFormat::formatValue(raw, c.displayFormat));
    case Qt::EditRole:
        // A number is edited as text: Qt's own number editor keeps two
        // decimals and would cut a four-decimal price on every edit.
        if (raw.metaType().id() == QMetaType::Double)
            return DisplayFormat::plainText(raw);
        return raw;
    case Qt::CheckStateRole:
        if (c.checkBox)
            return raw.toBool() ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(cellAlignment(c.alignment));
    case Qt::ForegroundRole:
    case Qt::BackgroundRole:
        if (m_rowStyle) {
            if (const auto colours = m_rowStyle(m_rows, index.row()))
                return role == Qt::ForegroundRole ? colours->text : colours->background;
        }
        if (role == Qt::BackgroundRole && c.background.isValid())
            return c.background;
        return {};
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int f = fieldIndex(index.column());
    if (f < 0)
        return false;
    const QVariant old = m_rows.value(index.row(), f);
    QVariant stored = value;
    if (role == Qt::CheckStateRole) {
        stored = value.toInt() == Qt::Checked;
    } else if (role != Qt::EditRole) {
        return false;
    } else if (const GridColumn &c = m_columns.at(index.column());
               !c.checkBox && (DisplayFormat::toNumber(old).has_value() && old.metaType().id() != QMetaType::QString
                               || (!c.displayFormat.isEmpty() && !DisplayFormat::isDatePattern(c.displayFormat)))) {
        // A number column takes numbers only; an empty entry is zero.
        const QString text = value.toString().trimmed();
        const auto number = text.isEmpty() ? std::optional<double>(0.0) : DisplayFormat::toNumber(text);
        if (!number)
            return false;
        stored = *number;
    }
    if (old == stored && old.isNull() == stored.isNull())
        return true;
    m_rows.rows()[index.row()][f] = stored;
    Q_EMIT dataChanged(index, index);
    Q_EMIT footersChanged();
    Q_EMIT cellEdited(index.row(), m_columns.at(index.column()).field, old, stored);
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const GridColumn &c = m_columns.at(index.column());
    if (m_editable && !c.readOnly && fieldIndex(index.column()) >= 0)
        f |= c.checkBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable;
    return f;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}
