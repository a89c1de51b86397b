#include "masterdata/EmployeePicker.h"

namespace EmployeePicker {

QString openingStatement() { return QStringLiteral("select * from t_employee where F_Flag = 0 order by F_Code"); }

QString searchStatement(const QString &code, const QString &name, const QString &dept, QVariantMap *params)
{
    QString sql = QStringLiteral("select * from t_employee where (1=1) ");
    params->clear();
    if (!code.isEmpty()) {
        sql += QStringLiteral("and F_Code like :code || '%' ");
        params->insert(QStringLiteral("code"), code);
    }
    if (!name.trimmed().isEmpty()) {
        sql += QStringLiteral("and F_Name like '%' || :name || '%' ");
        params->insert(QStringLiteral("name"), name);
    }
    if (!dept.trimmed().isEmpty()) {
        sql += QStringLiteral("and F_Dept like :dept || '%' ");
        params->insert(QStringLiteral("dept"), dept);
    }
    return sql + QStringLiteral("order by F_Code");
}

QString result(const QString &given, bool confirmed, const RowSet &rows, int currentRow)
{
    if (!confirmed || rows.isEmpty() || currentRow < 0 || currentRow >= rows.rowCount())
        return given;
    return rows.text(currentRow, QStringLiteral("F_Code"));
}

} // namespace EmployeePicker
