#include "masterdata/StepPicker.h"

namespace StepPicker {

QString openingStatement() { return QStringLiteral("select * from wg_WorkingProduct order by F_Code"); }

QString searchStatement(const QString &code, const QString &name, const QString &product, QVariantMap *params)
{
    QString sql = QStringLiteral("select * from wg_WorkingProduct where (1=1) ");
    params->clear();
    if (!code.isEmpty()) {
        sql += QStringLiteral("and F_gxCode like :code || '%' ");
        params->insert(QStringLiteral("code"), code);
    }
    if (!name.trimmed().isEmpty()) {
        sql += QStringLiteral("and F_Name like '%' || :name || '%' ");
        params->insert(QStringLiteral("name"), name);
    }
    if (!product.trimmed().isEmpty()) {
        sql += QStringLiteral("and F_GoodName like :product || '%' ");
        params->insert(QStringLiteral("product"), product);
    }
    return sql + QStringLiteral("order by F_Code");
}

qint64 result(qint64 given, bool confirmed, const RowSet &rows, int currentRow)
{
    if (!confirmed || currentRow < 0 || currentRow >= rows.rowCount())
        return given;
    return rows.value(currentRow, QStringLiteral("F_ID")).toLongLong();
}

} // namespace StepPicker
