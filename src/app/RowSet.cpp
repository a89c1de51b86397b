#include "app/RowSet.h"

#include <QSqlQuery>
#include <QSqlRecord>

RowSet::RowSet(QStringList fields, QList<QVariantList> rows)
    : m_fields(std::move(fields)), m_rows(std::move(rows))
{
}

RowSet RowSet::fromQuery(QSqlQuery &query)
{
    RowSet set;
    const QSqlRecord record = query.record();
    const int columns = record.count();
    for (int c = 0; c < columns; ++c)
        set.m_fields.append(record.fieldName(c));
    while (query.next()) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c)
            row.append(query.isNull(c) ? QVariant() : query.value(c));
        set.m_rows.append(std::move(row));
    }
    return set;
}

int RowSet::fieldIndex(const QString &field) const
{
    for (int c = 0; c < m_fields.size(); ++c)
        if (m_fields.at(c).compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

QVariant RowSet::value(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_rows.at(row).size())
        return {};
    return m_rows.at(row).at(column);
}

QVariant RowSet::value(int row, const QString &field) const { return value(row, fieldIndex(field)); }
