#pragma once

#include "app/RowSet.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

// The one connection of the program to salary.mdb. Opening never creates a
// file; a file that is not a database of ours is refused. The connection
// waits for another workstation's lock instead of failing at once, and a
// closed connection opens again on the next statement.
class Database
{
public:
    explicit Database(QString connectionName = QStringLiteral("ADOcnn"));
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    static constexpr int busyTimeoutMs = 8000;

    // Opens the file; false (and errorText()) when it is missing or no database.
    bool open(const QString &filePath);
    void close();
    bool isOpen() const;
    // Opens again with the last path when closed; true when open afterwards.
    bool ensureOpen();
    const QString &filePath() const { return m_filePath; }
    const QString &errorText() const { return m_error; }

    // Runs one statement with its values bound; false on failure (errorText()).
    bool exec(const QString &sql, const QVariantMap &params = {});
    // Runs a select; rows in *rows; false on failure.
    bool select(const QString &sql, const QVariantMap &params, RowSet *rows);
    // Number of rows the last exec changed.
    int rowsAffected() const { return m_rowsAffected; }
    QVariant lastInsertId() const { return m_lastInsertId; }

    QSqlDatabase handle() const;

    // Transactions nest: only the outermost one talks to the database, and an
    // inner one that is not committed makes the outer commit fail.
    bool begin();
    bool commit();
    void rollback();
    bool inTransaction() const { return m_depth > 0; }

private:
    bool prepareAndRun(class QSqlQuery &query, const QString &sql, const QVariantMap &params);

    QString m_name;
    QString m_filePath;
    QString m_error;
    int m_rowsAffected = 0;
    QVariant m_lastInsertId;
    int m_depth = 0;
    bool m_rollbackOnly = false;
};

// One user action, one transaction: rolled back unless committed.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit();

private:
    Database &m_db;
    bool m_active = false;
};
