#include "app/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

QStringList workTableStatements()
{
    QFile file(QStringLiteral(":/db/worktables.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList statements;
    for (const QString &part : QString::fromUtf8(file.readAll()).split(QLatin1Char(';'))) {
        QStringList lines;
        for (const QString &line : part.split(QLatin1Char('\n')))
            if (!line.trimmed().startsWith(QStringLiteral("--")))
                lines.append(line);
        const QString statement = lines.join(QLatin1Char('\n')).trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
    }
    return statements;
}

} // namespace

Database::Database(QString connectionName) : m_name(std::move(connectionName)) {}

Database::~Database()
{
    close();
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase Database::handle() const { return QSqlDatabase::database(m_name, false); }

bool Database::isOpen() const { return QSqlDatabase::contains(m_name) && handle().isOpen(); }

bool Database::open(const QString &filePath)
{
    close();
    m_filePath = filePath;
    m_error.clear();
    // SQLite would create a missing file; we only ever open one that is there.
    if (!QFileInfo(filePath).isFile()) {
        m_error = QStringLiteral("文件不存在：") + filePath;
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                     : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    QUrl url = QUrl::fromLocalFile(QFileInfo(filePath).absoluteFilePath());
    url.setQuery(QStringLiteral("mode=rw"));
    db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    // A file that is not a database, or not ours, is refused without touching it.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master where type = 'table' "
                                   "and name in ('SysInfo', 'OperList')"))
        || !probe.next() || probe.value(0).toInt() != 2) {
        m_error = probe.lastError().isValid() ? probe.lastError().text()
                                              : QStringLiteral("不是本软件的数据库：") + filePath;
        probe.finish();
        db.close();
        return false;
    }
    probe.finish();
    for (const QString &statement : workTableStatements()) {
        QSqlQuery create(db);
        if (!create.exec(statement)) {
            m_error = create.lastError().text();
            db.close();
            return false;
        }
    }
    return true;
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase db = handle();
    if (db.isOpen()) {
        if (m_depth > 0)
            db.rollback();
        db.close();
    }
    m_depth = 0;
    m_rollbackOnly = false;
}

bool Database::ensureOpen()
{
    if (isOpen())
        return true;
    if (m_filePath.isEmpty()) {
        m_error = QStringLiteral("数据库没有连接");
        return false;
    }
    return open(m_filePath);
}

bool Database::prepareAndRun(QSqlQuery &query, const QString &sql, const QVariantMap &params)
{
    m_error.clear();
    query.setForwardOnly(true);
    if (!query.prepare(sql)) {
        m_error = query.lastError().text();
        return false;
    }
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        const QString name = it.key().startsWith(QLatin1Char(':')) ? it.key() : QLatin1Char(':') + it.key();
        // An empty text is text, not NULL: Qt would bind a null QString as NULL.
        const QVariant &value = it.value();
        if (value.metaType().id() == QMetaType::QString && value.toString().isNull())
            query.bindValue(name, QString(QLatin1String("")));
        else
            query.bindValue(name, value);
    }
    if (!query.exec()) {
        m_error = query.lastError().text();
        return false;
    }
    return true;
}

bool Database::exec(const QString &sql, const QVariantMap &params)
{
    if (!ensureOpen())
        return false;
    QSqlQuery query(handle());
    if (!prepareAndRun(query, sql, params))
        return false;
    m_rowsAffected = query.numRowsAffected();
    m_lastInsertId = query.lastInsertId();
    return true;
}

bool Database::select(const QString &sql, const QVariantMap &params, RowSet *rows)
{
    if (!ensureOpen())
        return false;
    QSqlQuery query(handle());
    if (!prepareAndRun(query, sql, params))
        return false;
    RowSet result = RowSet::fromQuery(query);
    if (query.lastError().isValid()) {
        m_error = query.lastError().text();
        return false;
    }
    if (rows)
        *rows = std::move(result);
    return true;
}

bool Database::begin()
{
    if (m_depth > 0) {
        ++m_depth;
        return true;
    }
    if (!ensureOpen())
        return false;
    // Take the write lock at the start, so two workstations saving at once
    // wait for each other instead of failing half way.
    QSqlQuery query(handle());
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        m_error = query.lastError().text();
        return false;
    }
    m_depth = 1;
    m_rollbackOnly = false;
    return true;
}

bool Database::commit()
{
    if (m_depth == 0)
        return false;
    if (--m_depth > 0)
        return !m_rollbackOnly;
    QSqlQuery query(handle());
    if (m_rollbackOnly || !query.exec(QStringLiteral("COMMIT"))) {
        if (!m_rollbackOnly)
            m_error = query.lastError().text();
        QSqlQuery(handle()).exec(QStringLiteral("ROLLBACK"));
        m_rollbackOnly = false;
        return false;
    }
    return true;
}

void Database::rollback()
{
    if (m_depth == 0)
        return;
    if (--m_depth > 0) {
        m_rollbackOnly = true;
        return;
    }
    QSqlQuery(handle()).exec(QStringLiteral("ROLLBACK"));
    m_rollbackOnly = false;
}

Transaction::Transaction(Database &db) : m_db(db) { m_active = m_db.begin(); }

Transaction::~Transaction()
{
    if (m_active)
        m_db.rollback();
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    return m_db.commit();
}
