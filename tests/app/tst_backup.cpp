// The automatic daily backup and the compaction of the database file.

#include "support/TestProgram.h"

#include "app/Clock.h"
#include "app/DeliveredDatabase.h"
#include "app/SqliteFile.h"

#include <QFileInfo>
#include <QTest>
#include <sqlite3.h>

namespace {

int employeesIn(const QString &path)
{
    Database db(QStringLiteral("inspect"));
    if (!db.open(path))
        return -1;
    RowSet rows;
    db.select(QStringLiteral("select count(*) from t_employee"), {}, &rows);
    return rows.value(0, 0).toInt();
}

// A second workstation on the same file, holding a lock.
class OtherWorkstation
{
public:
    OtherWorkstation(const QString &path, const char *sql)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
        m_ok = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~OtherWorkstation() { sqlite3_close_v2(m_db); }
    bool ok() const { return m_ok; }
    void run(const char *sql) { sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }

private:
    sqlite3 *m_db = nullptr;
    bool m_ok = false;
};

} // namespace

class TstBackup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void oneBackupADay();
    void backsUpTheDatabaseInUse();
    void missingFolderIsAskedFor_data();
    void missingFolderIsAskedFor();
    void backupWhileAnotherWorkstationWrites();
    void compactionOfABusyDatabaseFails();
    void compactionKeepsTheData();

private:
    FixedClock m_clock{QDateTime()};
};

void TstBackup::init()
{
    m_clock.set(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    Clock::install(&m_clock);
}

void TstBackup::cleanup() { Clock::install(nullptr); }

void TstBackup::oneBackupADay()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("update SysInfo set F_BakPath = :p"), {{QStringLiteral("p"), program.path(QStringLiteral("bak"))}}));
    QDir().mkpath(program.path(QStringLiteral("bak")));
    dm.AutoBackup();
    const QString file = program.path(QStringLiteral("bak/dp20261207.back"));
    QVERIFY(QFileInfo::exists(file));
    QCOMPARE(employeesIn(file), 0);

    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code) values('A1')")));
    dm.AutoBackup();
    QCOMPARE(employeesIn(file), 0); // the day's copy is never replaced

    m_clock.set(QDateTime(QDate(2026, 12, 8), QTime(9, 0)));
    dm.AutoBackup();
    QCOMPARE(employeesIn(program.path(QStringLiteral("bak/dp20261208.back"))), 1);
    QVERIFY(program.prompter.prompts.isEmpty());
    QCOMPARE(QDir(program.path(QStringLiteral("bak"))).entryList(QDir::Files).size(), 2);
}

void TstBackup::backsUpTheDatabaseInUse()
{
    TestProgram program;
    const QString shared = program.path(QStringLiteral("network/share"));
    QCOMPARE(DeliveredDatabase::create(shared), QString());
    TdmData dm;
    QVERIFY(dm.ADOcnn().open(shared + QStringLiteral("/salary.mdb")));
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code) values('shared1'), ('shared2')")));
    QVERIFY(dm.ExecSql(QStringLiteral("update SysInfo set F_BakPath = :p"), {{QStringLiteral("p"), program.path(QStringLiteral("bak"))}}));
    QDir().mkpath(program.path(QStringLiteral("bak")));
    dm.AutoBackup();
    QCOMPARE(employeesIn(program.path(QStringLiteral("bak/dp20261207.back"))), 2);
}

void TstBackup::missingFolderIsAskedFor_data()
{
    QTest::addColumn<QString>("folder"); // "$P" is the program folder
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("copied");
    QTest::newRow("created on OK") << QStringLiteral("$P/a/b/bak") << int(MsgOk)
                                   << QStringList{QStringLiteral("当前目录$P/a/b/bak 不存在，是否创建！")} << true;
    QTest::newRow("nothing on cancel") << QStringLiteral("$P/a/b/bak") << int(MsgCancel)
                                       << QStringList{QStringLiteral("当前目录$P/a/b/bak 不存在，是否创建！")} << false;
    QTest::newRow("a folder that cannot be made")
        << QStringLiteral("$P/data/salary.mdb/bak") << int(MsgOk)
        << QStringList{QStringLiteral("当前目录$P/data/salary.mdb/bak 不存在，是否创建！"),
                       QStringLiteral("目录$P/data/salary.mdb/bak 创建失败,请检测路径是否合法!")}
        << false;
    QTest::newRow("no folder set") << QString() << int(MsgOk)
                                   << QStringList{QStringLiteral("当前目录 不存在，是否创建！"),
                                                  QStringLiteral("目录 创建失败,请检测路径是否合法!")}
                                   << false;
}

void TstBackup::missingFolderIsAskedFor()
{
    QFETCH(QString, folder);
    QFETCH(int, answer);
    QFETCH(QStringList, messages);
    QFETCH(bool, copied);
    TestProgram program;
    TdmData &dm = program.connect();
    folder.replace(QStringLiteral("$P"), program.dir());
    for (QString &m : messages)
        m.replace(QStringLiteral("$P"), program.dir());
    QVERIFY(dm.ExecSql(QStringLiteral("update SysInfo set F_BakPath = :p"), {{QStringLiteral("p"), folder}}));
    program.prompter.questionAnswers.enqueue(answer);
    dm.AutoBackup();
    QCOMPARE(program.prompter.texts(), messages);
    QCOMPARE(QFileInfo::exists(folder + QStringLiteral("/dp20261207.back")), copied);
    if (answer == MsgCancel)
        QVERIFY(!QFileInfo::exists(program.path(QStringLiteral("a"))));
}

void TstBackup::backupWhileAnotherWorkstationWrites()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code) values('A1')")));
    OtherWorkstation other(program.databasePath(), "BEGIN IMMEDIATE; insert into t_employee(F_Code) values('half done');");
    QVERIFY(other.ok());
    const QString target = program.path(QStringLiteral("copy.back"));
    QString error;
    QVERIFY2(SqliteFile::backup(program.databasePath(), target, &error), qPrintable(error));
    other.run("COMMIT");
    QCOMPARE(DeliveredDatabase::check(target), QStringList());
    QCOMPARE(employeesIn(target), 1); // what was committed when the copy was made
    QVERIFY(!QFileInfo::exists(target + QStringLiteral(".part")));
    QVERIFY(!SqliteFile::backup(program.databasePath(), target, &error)); // never over an existing file
}

void TstBackup::compactionOfABusyDatabaseFails()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code) values('A1')")));
    dm.ADOcnn().close();
    const QByteArray before = readFile(program.databasePath());
    OtherWorkstation reader(program.databasePath(), "BEGIN; select count(*) from t_employee;");
    QVERIFY(reader.ok());
    QVERIFY(!SqliteFile::compactInPlace(program.databasePath(), nullptr, 300));
    QCOMPARE(readFile(program.databasePath()), before);
    reader.run("COMMIT");
    QCOMPARE(employeesIn(program.databasePath()), 1);
}

void TstBackup::compactionKeepsTheData()
{
    TestProgram program;
    TdmData &dm = program.connect();
    Database &db = dm.ADOcnn();
    QVERIFY(db.begin());
    for (int i = 0; i < 3000; ++i)
        QVERIFY(db.exec(QStringLiteral("insert into t_employee(F_Code, F_Mem) values(:c, :m)"),
                        {{QStringLiteral("c"), QString::number(i)}, {QStringLiteral("m"), QString(200, QLatin1Char('x'))}}));
    QVERIFY(db.commit());
    QVERIFY(dm.ExecSql(QStringLiteral("delete from t_employee where F_Code <> '7'")));
    db.close();
    const qint64 before = QFileInfo(program.databasePath()).size();
    // Another workstation that merely has the file open does not stop it.
    OtherWorkstation idle(program.databasePath(), "select 1;");
    QVERIFY(CompactDatabaseFile(program.databasePath(), QString::fromLatin1(DatabasePassword)));
    QVERIFY(QFileInfo(program.databasePath()).size() < before / 2);
    QCOMPARE(employeesIn(program.databasePath()), 1);
    QCOMPARE(DeliveredDatabase::check(program.databasePath()), QStringList());
}

QTEST_GUILESS_MAIN(TstBackup)
#include "tst_backup.moc"
