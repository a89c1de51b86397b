// Connecting at start-up: config.ini, the default folder and the dialog that
// asks for the data folder until a connection opens or the user gives up.

#include "support/TestProgram.h"

#include "app/AppPaths.h"
#include "app/IniFile.h"
#include "app/StartupConnection.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

class RecordingSplash : public StartupSplash
{
public:
    QStringList events;
    void setText(const QString &text) override { events.append(text); }
    void destroy() override { events.append(QStringLiteral("<destroy>")); }
    void recreate() override { events.append(QStringLiteral("<recreate>")); }
};

} // namespace

class TstStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void connecting_data();
    void connecting();
    void splashTextsInOrder();
    void iniSectionsAndKeysIgnoreCase();
};

void TstStartup::connecting_data()
{
    QTest::addColumn<QByteArray>("config");      // "$P" stands for the program folder; empty: no config.ini
    QTest::addColumn<QStringList>("picks");      // files picked in the dialog, in turn; then cancel
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<QString>("dsAfter");        // empty: config.ini unchanged (or still absent)

    QTest::newRow("no config.ini") << QByteArray() << QStringList() << true << 0 << QString();
    QTest::newRow("ds of spaces counts as missing") << QByteArray("[config]\nds=   \nibak=1\n") << QStringList() << true << 0
                                                    << QString();
    QTest::newRow("ds without its separator, then a file in the right folder")
        << QByteArray("[config]\nds=$P/data\n") << QStringList{QStringLiteral("$P/data/readme.txt")} << true << 1
        << QStringLiteral("$P/data/");
    QTest::newRow("a file of another name in a folder without salary.mdb")
        << QByteArray("[Config]\nCurOperName=admin\n[config]\nds=$P/empty/\n")
        << QStringList{QStringLiteral("$P/empty/salary2.mdb")} << false << 2 << QStringLiteral("$P/empty/");
    QTest::newRow("cancel leaves config.ini unchanged") << QByteArray("[config]\nds=$P/empty/\nibak=2\n") << QStringList()
                                                        << false << 1 << QString();
    QTest::newRow("a salary.mdb that is no database")
        << QByteArray("[CONFIG]\nDS=$P/bad/\n") << QStringList{QStringLiteral("$P/data/x.mdb")} << true << 1
        << QStringLiteral("$P/data/");
}

void TstStartup::connecting()
{
    QFETCH(QByteArray, config);
    QFETCH(QStringList, picks);
    QFETCH(bool, connected);
    QFETCH(int, dialogs);
    QFETCH(QString, dsAfter);

    TestProgram program;
    const QString p = program.dir();
    QDir().mkpath(program.path(QStringLiteral("empty")));
    const QByteArray notADatabase("这个文件不是数据库");
    writeFile(program.path(QStringLiteral("bad/salary.mdb")), notADatabase);
    if (!config.isEmpty())
        writeFile(AppPaths::configFile(), QByteArray(config).replace("$P", p.toUtf8()));
    const QByteArray configBefore = readFile(AppPaths::configFile());
    for (const QString &pick : picks)
        program.prompter.fileAnswers.enqueue(QString(pick).replace(QStringLiteral("$P"), p));

    TdmData dm;
    RecordingSplash splash;
    QCOMPARE(connectAtStartup(dm, splash), connected);
    QCOMPARE(dm.connected(), connected);
    QCOMPARE(dm.ADOcnn().isOpen(), connected);

    QCOMPARE(program.prompter.fileRequests.size(), dialogs);
    for (const FileRequest &request : program.prompter.fileRequests) {
        QCOMPARE(request.folder, p);
        QVERIFY(request.title.isEmpty());
        QVERIFY(request.filter.isEmpty());
    }
    QCOMPARE(splash.events.count(QStringLiteral("<destroy>")), dialogs);
    QCOMPARE(splash.events.count(QStringLiteral("<recreate>")), int(picks.size()));
    QVERIFY(program.prompter.texts().size() == dialogs); // no message besides the dialogs

    if (dsAfter.isEmpty()) {
        QCOMPARE(readFile(AppPaths::configFile()), configBefore);
        QCOMPARE(QFileInfo::exists(AppPaths::configFile()), !config.isEmpty());
    } else {
        QCOMPARE(IniFile(AppPaths::configFile()).readString(QStringLiteral("config"), QStringLiteral("ds")),
                 QString(dsAfter).replace(QStringLiteral("$P"), p));
    }
    // Failed attempts leave nothing behind and change nothing.
    QCOMPARE(QDir(program.path(QStringLiteral("empty"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QCOMPARE(readFile(program.path(QStringLiteral("bad/salary.mdb"))), notADatabase);
    QVERIFY(!QFileInfo::exists(program.path(QStringLiteral("datasalary.mdb"))));
}

void TstStartup::splashTextsInOrder()
{
    TestProgram program;
    writeFile(AppPaths::configFile(), QByteArray("[config]\nds=") + program.path(QStringLiteral("empty/")).toUtf8() + "\n");
    QDir().mkpath(program.path(QStringLiteral("empty")));
    program.prompter.fileAnswers.enqueue(program.databasePath());
    TdmData dm;
    RecordingSplash splash;
    QVERIFY(connectAtStartup(dm, splash));
    QCOMPARE(splash.events, (QStringList{QStringLiteral("正在连接数据库 ....."), QStringLiteral("<destroy>"),
                                         QStringLiteral("<recreate>"), QStringLiteral("正在连接数据库 ....."),
                                         QStringLiteral("连接成功，正在登录 ...")}));
}

void TstStartup::iniSectionsAndKeysIgnoreCase()
{
    TestProgram program;
    writeFile(AppPaths::configFile(), "; kept\n[config]\nds=/a/\n\n[Other]\nx=1\n");
    IniFile ini(AppPaths::configFile());
    QCOMPARE(ini.readString(QStringLiteral("CONFIG"), QStringLiteral("DS")), QStringLiteral("/a/"));
    ini.writeString(QStringLiteral("Config"), QStringLiteral("CurOperName"), QStringLiteral("张三"));
    ini.writeInteger(QStringLiteral("config"), QStringLiteral("ibak"), 2);
    ini.writeString(QStringLiteral("config"), QStringLiteral("Ds"), QStringLiteral("/b/"));
    QCOMPARE(QString::fromUtf8(readFile(AppPaths::configFile())),
             QStringLiteral("; kept\n[config]\nds=/b/\nCurOperName=张三\nibak=2\n\n[Other]\nx=1\n"));
    IniFile again(AppPaths::configFile());
    QCOMPARE(again.readInteger(QStringLiteral("config"), QStringLiteral("ibak")), 2);
    QCOMPARE(again.readInteger(QStringLiteral("config"), QStringLiteral("missing"), 7), 7);
}

QTEST_GUILESS_MAIN(TstStartup)
#include "tst_startup.moc"
