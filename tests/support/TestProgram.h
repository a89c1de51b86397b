#pragma once

#include "support/ScriptedPrompter.h"

#include "app/TdmData.h"

#include <QTemporaryDir>
#include <memory>

// A program folder of its own in a temporary directory, with a freshly
// delivered database in data/ (unless asked not to), a scripted prompter and,
// once connect() ran, a connected data module.
class TestProgram
{
public:
    enum Seed { WithDatabase, WithoutDatabase };
    explicit TestProgram(Seed seed = WithDatabase);
    ~TestProgram();

    QString dir() const { return m_dir.path(); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    QString databasePath() const { return path(QStringLiteral("data/salary.mdb")); }

    // A data module connected to data/salary.mdb.
    TdmData &connect();
    TdmData &dm() { return *m_dm; }
    ::Database &db();

    ScriptedPrompter prompter;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TdmData> m_dm;
};

// Writes a text file, creating its folder.
void writeFile(const QString &path, const QByteArray &content);
QByteArray readFile(const QString &path);
