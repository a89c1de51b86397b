#include "support/TestProgram.h"

#include "app/AppInfo.h"
#include "app/AppPaths.h"
#include "app/DeliveredDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

TestProgram::TestProgram(Seed seed)
{
    AppPaths::setProgramDir(m_dir.path());
    AppPaths::setExportFolder(m_dir.filePath(QStringLiteral("exports")));
    setCurrentOperator(QString());
    if (seed == WithDatabase) {
        const QString error = DeliveredDatabase::create(path(QStringLiteral("data")));
        if (!error.isEmpty())
            qFatal("cannot deliver the test database: %s", qPrintable(error));
    }
}

TestProgram::~TestProgram() { m_dm.reset(); }

TdmData &TestProgram::connect()
{
    m_dm = std::make_unique<TdmData>();
    if (!m_dm->ADOcnn().open(databasePath()))
        qFatal("cannot open the test database: %s", qPrintable(m_dm->ADOcnn().errorText()));
    m_dm->setConnected(true);
    return *m_dm;
}

::Database &TestProgram::db() { return m_dm->ADOcnn(); }

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
