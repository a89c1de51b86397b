#pragma once

#include <QString>
#include <QStringList>

// The database the program is delivered with: its schema and seed rows live
// as text in the resources; a fresh copy is made from them.
namespace DeliveredDatabase {

QString fileName(); // "salary.mdb"

// Creates <folder>/salary.mdb. Refuses an existing file; on failure nothing
// is left behind. Returns the error text, empty on success.
QString create(const QString &folder);

// What is wrong with a database file, in plain words; empty when it is sound:
// it opens, passes the integrity check and has every table, view and field.
QStringList check(const QString &path);

// The scripts, in the order they are run.
QString schemaScript();
QString seedScript();

} // namespace DeliveredDatabase
