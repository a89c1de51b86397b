#include "app/DeliveredDatabase.h"

#include "app/SqliteFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

namespace {

QString resourceText(const QString &name)
{
    QFile file(QStringLiteral(":/db/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

struct Column
{
    QString name;
    QString type;
};

struct Object
{
    QString name;
    QString type; // table or view
    QList<Column> columns;
};

// Tables and views of a database file with their columns.
QList<Object> objectsOf(const QString &path, QString *error)
{
    QList<Object> objects;
    const QString connection = QStringLiteral("check-") + QUuid::createUuid().toString(QUuid::Id128);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            *error = db.lastError().text();
        } else {
            QSqlQuery list(db);
            list.exec(QStringLiteral("select name, type from sqlite_master where type in ('table', 'view') "
                                     "and name not like 'sqlite_%' order by name"));
            while (list.next())
                objects.append({list.value(0).toString(), list.value(1).toString(), {}});
            for (Object &object : objects) {
                QSqlQuery info(db);
                info.exec(QStringLiteral("pragma table_info(\"%1\")").arg(object.name));
                while (info.next())
                    object.columns.append({info.value(1).toString(), info.value(2).toString().toUpper()});
            }
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return objects;
}

const Object *findObject(const QList<Object> &objects, const QString &name)
{
    for (const Object &o : objects)
        if (o.name.compare(name, Qt::CaseInsensitive) == 0)
            return &o;
    return nullptr;
}

} // namespace

namespace DeliveredDatabase {

QString fileName() { return QStringLiteral("salary.mdb"); }

QString schemaScript() { return resourceText(QStringLiteral("schema.sql")); }

QString seedScript()
{
    return resourceText(QStringLiteral("seed.sql")) + QLatin1Char('\n') + resourceText(QStringLiteral("seed_grid.sql"))
        + QLatin1Char('\n') + resourceText(QStringLiteral("seed_import.sql"));
}

QString create(const QString &folder)
{
    const QString target = QDir(folder).filePath(fileName());
    if (QFileInfo::exists(target))
        return QStringLiteral("数据库文件已存在，不会覆盖：") + target;
    if (!QDir().mkpath(folder))
        return QStringLiteral("无法创建文件夹：") + folder;
    const QString schema = schemaScript();
    if (schema.isEmpty())
        return QStringLiteral("缺少数据库结构脚本");
    // Built under another name and renamed when complete.
    const QString partial = target + QStringLiteral(".new");
    QFile::remove(partial);
    QString error;
    const bool ok = SqliteFile::runScript(partial, QStringLiteral("BEGIN;\n") + schema + QLatin1Char('\n')
                                              + seedScript() + QStringLiteral("\nCOMMIT;\n"),
                                          &error);
    if (!ok || !QFile::rename(partial, target)) {
        QFile::remove(partial);
        return ok ? QStringLiteral("无法写入：") + target : QStringLiteral("创建数据库失败：") + error;
    }
    return {};
}

QStringList check(const QString &path)
{
    QStringList problems = SqliteFile::integrityProblems(path);
    if (!problems.isEmpty()) {
        for (QString &p : problems)
            p = QStringLiteral("数据库文件损坏或不是数据库：") + p;
        return problems;
    }
    // The reference: the delivered schema, built in a scratch file.
    QTemporaryDir scratch;
    const QString referencePath = scratch.filePath(fileName());
    QString error;
    if (!SqliteFile::runScript(referencePath, schemaScript(), &error))
        return {QStringLiteral("数据库结构脚本有误：") + error};
    const QList<Object> expected = objectsOf(referencePath, &error);
    const QList<Object> actual = objectsOf(path, &error);
    if (!error.isEmpty())
        return {QStringLiteral("无法读取数据库结构：") + error};
    for (const Object &want : expected) {
        const Object *have = findObject(actual, want.name);
        const QString what = want.type == QStringLiteral("view") ? QStringLiteral("查询") : QStringLiteral("表");
        if (!have) {
            problems.append(QStringLiteral("缺少%1 %2").arg(what, want.name));
            continue;
        }
        for (const Column &column : want.columns) {
            const auto found = std::find_if(have->columns.cbegin(), have->columns.cend(), [&](const Column &c) {
                return c.name.compare(column.name, Qt::CaseInsensitive) == 0;
            });
            if (found == have->columns.cend())
                problems.append(QStringLiteral("%1 %2 缺少字段 %3").arg(what, want.name, column.name));
            else if (found->type != column.type)
                problems.append(QStringLiteral("%1 %2 的字段 %3 类型为 %4，应为 %5")
                                    .arg(what, want.name, column.name, found->type, column.type));
        }
    }
    return problems;
}

} // namespace DeliveredDatabase
