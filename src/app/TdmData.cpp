#include "app/TdmData.h"

#include "app/AppInfo.h"
#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/Prompter.h"
#include "app/SqliteFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
TdmData *currentModule = nullptr;
} // namespace

QString connectionFailureText() { return QStringLiteral("操作失败，请检查数据连接... "); }

TdmData::TdmData() : m_config(std::make_unique<IniFile>(AppPaths::configFile()))
{
    currentModule = this;
}

TdmData::~TdmData()
{
    if (currentModule == this)
        currentModule = nullptr;
}

TdmData &TdmData::instance()
{
    Q_ASSERT(currentModule);
    return *currentModule;
}

bool TdmData::exists() { return currentModule != nullptr; }

bool TdmData::ExecSql(const QString &sql, const QVariantMap &params)
{
    if (m_db.exec(sql, params))
        return true;
    qWarning("statement failed: %s", qPrintable(m_db.errorText()));
    ShowMsg(sql, MsgPlain);
    ShowMsg(connectionFailureText(), MsgError);
    return false;
}

QVariant TdmData::firstValue(const QString &sql, const QVariantMap &params)
{
    RowSet rows;
    if (!m_db.select(sql, params, &rows)) {
        qWarning("query failed: %s", qPrintable(m_db.errorText()));
        ShowMsg(connectionFailureText(), MsgError);
        return {};
    }
    return rows.value(0, 0);
}

QString TdmData::QueryString(const QString &sql, const QVariantMap &params)
{
    const QVariant value = firstValue(sql, params);
    return value.isNull() ? QString() : value.toString();
}

double TdmData::QueryFloat(const QString &sql, const QVariantMap &params)
{
    return firstValue(sql, params).toDouble();
}

int TdmData::QueryInteger(const QString &sql, const QVariantMap &params)
{
    const QVariant value = firstValue(sql, params);
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? int(number) : 0;
}

bool TdmData::OpenQuery(const QString &sql, const QVariantMap &params, RowSet &rows)
{
    if (m_db.select(sql, params, &rows))
        return true;
    qWarning("query failed: %s", qPrintable(m_db.errorText()));
    rows = RowSet();
    ShowMsg(QStringLiteral("打开操作失败，请检查数据连接... "), MsgError);
    return false;
}

QStringList TdmData::FillComboBox(const QString &sql, const QVariantMap &params)
{
    RowSet rows;
    QStringList values;
    if (!m_db.select(sql, params, &rows)) {
        ShowMsg(connectionFailureText(), MsgError);
        return values;
    }
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString value = rows.value(r, 0).toString();
        if (!value.trimmed().isEmpty())
            values.append(value);
    }
    return values;
}

bool TdmData::DeleteRecordById(const QString &table, qint64 id)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    // The table name cannot be bound: it must be one of the database's own.
    RowSet tables;
    const bool known = identifier.match(table).hasMatch()
        && m_db.select(QStringLiteral("select name from sqlite_master where type = 'table' and name = :t collate nocase "
                                      "union all select name from sqlite_temp_master "
                                      "where type = 'table' and name = :t collate nocase"),
                       {{QStringLiteral("t"), table}}, &tables)
        && !tables.isEmpty();
    if (!known
        || !m_db.exec(QStringLiteral("delete from \"%1\" where F_ID = :id").arg(table), {{QStringLiteral("id"), id}})) {
        ShowMsg(QStringLiteral("删除操作失败，请检查数据连接... "), MsgError);
        return false;
    }
    return true;
}

void TdmData::WriteLog(const QString &what)
{
    const QDateTime now = Clock::current().now();
    // The log never complains about itself.
    m_db.exec(QStringLiteral("insert into T_LogRec(F_EmpName,F_OperType,F_OperDate,F_OperTime) "
                             "values(:EmpName,:OperType,:OperDate,:OperTime)"),
              {{QStringLiteral("EmpName"), CurrentOperator()},
               {QStringLiteral("OperType"), what},
               {QStringLiteral("OperDate"), now.toString(QStringLiteral("yyyy-MM-dd"))},
               {QStringLiteral("OperTime"), now.toString(QStringLiteral("hh:mm:ss"))}});
}

bool TdmData::HasPermission(const QString &code)
{
    return QueryInteger(QStringLiteral("select o.F_ID from OperLimit as o left join Limits as l "
                                       "on o.F_lmtName = l.F_name "
                                       "where (o.F_OperName = :Oper) and (l.F_code = :Code)"),
                        {{QStringLiteral("Oper"), CurrentOperator()}, {QStringLiteral("Code"), code}})
        > 0;
}

QString TdmData::backupFileName(const QString &folder, const QDate &day)
{
    return QDir(folder).filePath(QStringLiteral("dp") + day.toString(QStringLiteral("yyyyMMdd"))
                                 + QStringLiteral(".back"));
}

void TdmData::AutoBackup()
{
    const QString folder = QueryString(QStringLiteral("select f_BakPath from sysInfo")).trimmed();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        if (ShowMsg(QStringLiteral("当前目录") + folder + QStringLiteral(" 不存在，是否创建！"), MsgQuestion) != MsgOk)
            return;
        if (folder.isEmpty() || !QDir().mkpath(folder)) {
            ShowMsg(QStringLiteral("目录") + folder + QStringLiteral(" 创建失败,请检测路径是否合法!"), MsgError);
            return;
        }
    }
    // One automatic copy a day, never replaced.
    const QString target = backupFileName(folder, Clock::current().today());
    if (QFileInfo::exists(target))
        return;
    QString error;
    if (!SqliteFile::backup(m_db.filePath(), target, &error)) {
        qWarning("backup failed: %s", qPrintable(error));
        ShowMsg(QStringLiteral("数据备份失败！"), MsgError);
    }
}
