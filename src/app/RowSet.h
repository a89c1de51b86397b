#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

class QSqlQuery;

// The rows of a select, read out completely. Field names compare without
// case, as the database's own do. A null stays a null QVariant.
class RowSet
{
public:
    RowSet() = default;
    RowSet(QStringList fields, QList<QVariantList> rows);
    static RowSet fromQuery(QSqlQuery &query);

    const QStringList &fields() const { return m_fields; }
    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return int(m_fields.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    int fieldIndex(const QString &field) const; // -1 when absent
    QVariant value(int row, int column) const;
    QVariant value(int row, const QString &field) const;
    QString text(int row, const QString &field) const { return value(row, field).toString(); }
    const QVariantList &row(int row) const { return m_rows.at(row); }
    QList<QVariantList> &rows() { return m_rows; }
    const QList<QVariantList> &rows() const { return m_rows; }

private:
    QStringList m_fields;
    QList<QVariantList> m_rows;
};
