#pragma once

#include <QString>
#include <QStringList>

// Whole-file work on a database file, through SQLite itself, so that it is
// safe while other workstations have the same file open.
namespace SqliteFile {

// A consistent copy of a live database (the online backup): written under a
// temporary name beside the target and renamed when complete, so a torn copy
// never carries the target's name. The target must not exist.
bool backup(const QString &sourcePath, const QString &targetPath, QString *error = nullptr,
            int busyTimeoutMs = 8000);

// Rewrites the file compactly in place, all or nothing. Fails (and leaves the
// file as it was) when another connection holds it busy for longer than the wait.
bool compactInPlace(const QString &path, QString *error = nullptr, int busyTimeoutMs = 3000);

// Opens the file without creating it; "ok" or the problems of SQLite's integrity check.
QStringList integrityProblems(const QString &path);

// Runs a script of statements (triggers included) on a file, creating it.
bool runScript(const QString &path, const QString &script, QString *error = nullptr);

} // namespace SqliteFile

// The password of the database file. SQLite files carry none; it is kept
// for the callers that pass it along.
inline const char *const DatabasePassword = "plomavetro";

// Compacts a database file in place; true when it was compacted. Fails when
// other workstations keep the file busy, and the file stays as it was.
bool CompactDatabaseFile(const QString &path, const QString &password = QString::fromLatin1(DatabasePassword));
