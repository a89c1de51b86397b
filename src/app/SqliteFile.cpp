#include "app/SqliteFile.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <sqlite3.h>

namespace {

// An sqlite3 connection that closes itself.
class Connection
{
public:
    Connection(const QString &path, int flags, int busyTimeoutMs)
    {
        m_rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr);
        if (m_rc == SQLITE_OK)
            sqlite3_busy_timeout(m_db, busyTimeoutMs);
    }
    ~Connection() { sqlite3_close_v2(m_db); }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    bool ok() const { return m_rc == SQLITE_OK; }
    sqlite3 *db() const { return m_db; }
    QString error() const
    {
        return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString::fromUtf8(sqlite3_errstr(m_rc));
    }

    bool exec(const char *sql, QString *error)
    {
        char *message = nullptr;
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) == SQLITE_OK)
            return true;
        if (error)
            *error = QString::fromUtf8(message ? message : sqlite3_errmsg(m_db));
        sqlite3_free(message);
        return false;
    }

private:
    sqlite3 *m_db = nullptr;
    int m_rc = SQLITE_ERROR;
};

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

namespace SqliteFile {

bool backup(const QString &sourcePath, const QString &targetPath, QString *error, int busyTimeoutMs)
{
    if (!QFileInfo(sourcePath).isFile()) {
        setError(error, QStringLiteral("数据库文件不存在：") + sourcePath);
        return false;
    }
    if (QFileInfo::exists(targetPath)) {
        setError(error, QStringLiteral("目标文件已存在：") + targetPath);
        return false;
    }
    const QString partial = targetPath + QStringLiteral(".part");
    QFile::remove(partial);
    bool done = false;
    {
        Connection source(sourcePath, SQLITE_OPEN_READWRITE, busyTimeoutMs);
        Connection target(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyTimeoutMs);
        if (!source.ok() || !target.ok()) {
            setError(error, source.ok() ? target.error() : source.error());
        } else if (sqlite3_backup *copy = sqlite3_backup_init(target.db(), "main", source.db(), "main")) {
            int rc = SQLITE_OK;
            int waitedMs = 0;
            do {
                rc = sqlite3_backup_step(copy, -1);
                if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
                    QThread::msleep(50);
                    waitedMs += 50;
                }
            } while ((rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && waitedMs < busyTimeoutMs);
            sqlite3_backup_finish(copy);
            done = rc == SQLITE_DONE;
            if (!done)
                setError(error, QString::fromUtf8(sqlite3_errstr(rc)));
        } else {
            setError(error, target.error());
        }
    }
    if (done && !QFile::rename(partial, targetPath)) {
        setError(error, QStringLiteral("无法写入：") + targetPath);
        done = false;
    }
    if (!done)
        QFile::remove(partial);
    return done;
}

bool compactInPlace(const QString &path, QString *error, int busyTimeoutMs)
{
    if (!QFileInfo(path).isFile()) {
        setError(error, QStringLiteral("数据库文件不存在：") + path);
        return false;
    }
    Connection db(path, SQLITE_OPEN_READWRITE, busyTimeoutMs);
    if (!db.ok()) {
        setError(error, db.error());
        return false;
    }
    return db.exec("VACUUM", error);
}

QStringList integrityProblems(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {QStringLiteral("文件不存在：") + path};
    Connection db(path, SQLITE_OPEN_READONLY, 2000);
    if (!db.ok())
        return {QStringLiteral("无法打开：") + db.error()};
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(db.db(), "PRAGMA integrity_check", -1, &statement, nullptr) != SQLITE_OK)
        return {db.error()};
    QStringList lines;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW)
        lines.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))));
    if (rc != SQLITE_DONE)
        lines = QStringList{db.error()};
    sqlite3_finalize(statement);
    if (lines == QStringList{QStringLiteral("ok")})
        return {};
    return lines;
}

bool runScript(const QString &path, const QString &script, QString *error)
{
    Connection db(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, 2000);
    if (!db.ok()) {
        setError(error, db.error());
        return false;
    }
    return db.exec(script.toUtf8().constData(), error);
}

} // namespace SqliteFile

bool CompactDatabaseFile(const QString &path, const QString &)
{
    QString error;
    if (SqliteFile::compactInPlace(path, &error))
        return true;
    qWarning("compaction of %s failed: %s", qPrintable(path), qPrintable(error));
    return false;
}
