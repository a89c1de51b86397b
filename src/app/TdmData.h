#pragma once

#include "app/Database.h"
#include "app/IniFile.h"
#include "app/RowSet.h"

#include <QStringList>
#include <QVariantMap>
#include <memory>

// The data module: the connection, config.ini and the shared data services.
// Each service reports its own failure to the user and hands back a neutral
// result (false, empty text, 0), so callers only look at the result. Values
// are always bound, never pasted into the statement.
class TdmData
{
public:
    // Opens config.ini beside the executable; connecting is a separate step.
    TdmData();
    ~TdmData();
    TdmData(const TdmData &) = delete;
    TdmData &operator=(const TdmData &) = delete;

    // The one data module of the run (the last one created).
    static TdmData &instance();
    static bool exists();

    Database &ADOcnn() { return m_db; }
    IniFile &config() { return *m_config; }
    bool connected() const { return m_connected; }
    void setConnected(bool connected) { m_connected = connected; }

    bool ExecSql(const QString &sql, const QVariantMap &params = {});
    QString QueryString(const QString &sql, const QVariantMap &params = {});
    double QueryFloat(const QString &sql, const QVariantMap &params = {});
    int QueryInteger(const QString &sql, const QVariantMap &params = {});
    bool OpenQuery(const QString &sql, const QVariantMap &params, RowSet &rows);
    bool OpenQuery(const QString &sql, RowSet &rows) { return OpenQuery(sql, {}, rows); }
    // The non-blank values of the first column, in the statement's order.
    QStringList FillComboBox(const QString &sql, const QVariantMap &params = {});
    bool DeleteRecordById(const QString &table, qint64 id);

    void WriteLog(const QString &what);
    bool HasPermission(const QString &code);
    void AutoBackup();

    // Where the copies of AutoBackup go: <folder>/dp<yyyyMMdd>.back
    static QString backupFileName(const QString &folder, const QDate &day);

private:
    QVariant firstValue(const QString &sql, const QVariantMap &params);

    Database m_db;
    std::unique_ptr<IniFile> m_config;
    bool m_connected = false;
};

// The message every failed read or statement ends with.
QString connectionFailureText();
