// The delivered database and the connection to it.

#include "support/TestProgram.h"

#include "app/Database.h"
#include "app/DeliveredDatabase.h"
#include "app/SqliteFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>
#include <sqlite3.h>
#include <thread>

namespace {

int count(Database &db, const QString &sql, const QVariantMap &params = {})
{
    RowSet rows;
    if (!db.select(sql, params, &rows))
        qWarning("%s: %s", qPrintable(sql), qPrintable(db.errorText()));
    return rows.value(0, 0).toInt();
}

} // namespace

class TstDatabase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void deliveredDatabasePassesItsCheck();
    void seedRows();
    void wageItemCategoriesFollowTheColumns_data();
    void wageItemCategoriesFollowTheColumns();
    void everyWindowHasItsLayout();
    void creatingRefusesAnExistingFile();
    void checkSaysWhatIsWrong_data();
    void checkSaysWhatIsWrong();
    void uniqueKeysIgnoreCase_data();
    void uniqueKeysIgnoreCase();
    void namesCompareWithoutCase();
    void pieceCountsKeepTheirRowWhenTheStepIsGone();
    void workTablesArePrivateToTheConnection();
    void openingNeverCreatesOrChangesAFile_data();
    void openingNeverCreatesOrChangesAFile();
    void aClosedConnectionOpensAgain();
    void theConnectionWaitsForAnotherWorkstationsLock();
    void transactionsAreAllOrNothing();
};

void TstDatabase::deliveredDatabasePassesItsCheck()
{
    TestProgram program;
    QCOMPARE(DeliveredDatabase::check(program.databasePath()), QStringList());
}

void TstDatabase::seedRows()
{
    TestProgram program;
    Database &db = program.connect().ADOcnn();
    QCOMPARE(count(db, QStringLiteral("select count(*) from SysInfo")), 1);
    QCOMPARE(count(db, QStringLiteral("select count(*) from OperList where F_Name = 'admin' and F_PassWord = ''")), 1);
    QCOMPARE(count(db, QStringLiteral("select count(*) from Limits where F_flag = 1")), 26);
    QCOMPARE(count(db, QStringLiteral("select count(distinct F_code) from Limits")), 26);
    QCOMPARE(count(db, QStringLiteral("select count(*) from Limits where F_code = '402' and F_name = '数据备份恢复'")), 1);
    QCOMPARE(count(db, QStringLiteral("select count(*) from Sys_wgcols where F_tblName = 'sys'")), 70);
    QCOMPARE(count(db, QStringLiteral("select count(distinct F_Code) from Sys_wgcols where F_tblName = 'sys'")), 70);
    QCOMPARE(count(db, QStringLiteral("select F_Order from Sys_wgcols where F_Code = 'f_gz116'")), 305);
    QCOMPARE(count(db, QStringLiteral("select count(*) from cfg_import where F_tablename = 't_employee' and F_iFlag = 1")), 8);
    // Every master item's column exists in the wage rows.
    RowSet items;
    QVERIFY(db.select(QStringLiteral("select F_Code from Sys_wgcols where F_tblName = 'sys'"), {}, &items));
    for (int r = 0; r < items.rowCount(); ++r)
        QVERIFY2(db.exec(QStringLiteral("select %1 from wg_salaryREC").arg(items.text(r, QStringLiteral("F_Code")))),
                 qPrintable(items.text(r, QStringLiteral("F_Code"))));
    // The default formulas run as written.
    QVERIFY(db.exec(QStringLiteral("insert into wg_salaryREC(F_Month, F_Code, F_gz117) values('202401', 'A1', 5000)")));
    RowSet formulas;
    QVERIFY(db.select(QStringLiteral("select F_Code, F_Expression from Sys_wgcols where F_Expression <> ''"), {}, &formulas));
    QCOMPARE(formulas.rowCount(), 6);
    for (int r = 0; r < formulas.rowCount(); ++r)
        QVERIFY2(db.exec(QStringLiteral("select sum(%1) from wg_salaryREC").arg(formulas.text(r, QStringLiteral("F_Expression")))),
                 qPrintable(db.errorText()));
    RowSet tax;
    QVERIFY(db.select(QStringLiteral("select F_Expression from Sys_wgcols where F_Code = 'f_gz118'"), {}, &tax));
    QVERIFY(db.select(QStringLiteral("select ") + tax.text(0, QStringLiteral("F_Expression"))
                          + QStringLiteral(" from wg_salaryREC"), {}, &tax));
    QCOMPARE(tax.value(0, 0).toDouble(), 5000 * 0.2 - 555);
}

void TstDatabase::wageItemCategoriesFollowTheColumns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("category");
    QTest::newRow("not added or deducted") << QStringLiteral("f_gz1__") << 1;
    QTest::newRow("additions") << QStringLiteral("f_gz2__") << 2;
    QTest::newRow("deductions") << QStringLiteral("f_gz3__") << 3;
    QTest::newRow("texts") << QStringLiteral("f_gzt__") << 4;
}

void TstDatabase::wageItemCategoriesFollowTheColumns()
{
    QFETCH(QString, pattern);
    QFETCH(int, category);
    TestProgram program;
    Database &db = program.connect().ADOcnn();
    const QVariantMap p{{QStringLiteral("p"), pattern}, {QStringLiteral("i"), category}};
    const int expected = category == 4 ? 10 : 20;
    QCOMPARE(count(db, QStringLiteral("select count(*) from Sys_wgcols where F_Code like :p"), p), expected);
    QCOMPARE(count(db, QStringLiteral("select count(*) from Sys_wgcols where F_Code like :p and F_i = :i"), p), expected);
}

void TstDatabase::everyWindowHasItsLayout()
{
    TestProgram program;
    Database &db = program.connect().ADOcnn();
    const QStringList keys{"empman", "shengchancountgl", "enterinman", "enteroutman", "dlggxxz", "wageputout",
                           "gzhstotaltj", "scjjdetailtj", "scjjtotaltj", "yggztotaltj", "bmgztotaltj",
                           "YGNBtotalTJ", "BMNBtotalTJ", "ygtztotaltj", "bmtztotaltj"};
    for (const QString &key : keys)
        QVERIFY2(count(db, QStringLiteral("select count(*) from cfg_Grid where F_name = :k"), {{QStringLiteral("k"), key}}) > 0,
                 qPrintable(key));
    QCOMPARE(count(db, QStringLiteral("select count(*) from cfg_Grid where F_name = 'wageputout' and F_FieldName like 'F_%' "
                                      "and (F_Caption like '%元' or F_Caption like '%角' or F_Caption like '%分')")),
             13);
}

void TstDatabase::creatingRefusesAnExistingFile()
{
    TestProgram program;
    const QByteArray before = readFile(program.databasePath());
    const QString error = DeliveredDatabase::create(program.path(QStringLiteral("data")));
    QVERIFY(error.contains(QStringLiteral("已存在")));
    QCOMPARE(readFile(program.databasePath()), before);
    QVERIFY(!QFileInfo::exists(program.databasePath() + QStringLiteral(".new")));
}

void TstDatabase::checkSaysWhatIsWrong_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("missing table") << QStringLiteral("drop table wg_EnterOut") << QStringLiteral("缺少表 wg_EnterOut");
    QTest::newRow("missing view") << QStringLiteral("drop view ShengChanREC") << QStringLiteral("缺少查询 ShengChanREC");
    QTest::newRow("missing field") << QStringLiteral("alter table t_employee drop column F_ImagePath")
                                   << QStringLiteral("表 t_employee 缺少字段 F_ImagePath");
    QTest::newRow("not a database") << QString() << QStringLiteral("不是数据库");
}

void TstDatabase::checkSaysWhatIsWrong()
{
    QFETCH(QString, damage);
    QFETCH(QString, complaint);
    TestProgram program;
    if (damage.isEmpty())
        writeFile(program.databasePath(), "这不是数据库 this is not a database at all, just some text");
    else
        QVERIFY(SqliteFile::runScript(program.databasePath(), damage));
    const QString problems = DeliveredDatabase::check(program.databasePath()).join(QLatin1Char('\n'));
    QVERIFY2(problems.contains(complaint), qPrintable(problems));
}

void TstDatabase::uniqueKeysIgnoreCase_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("employee code")
        << QStringLiteral("insert into t_employee(F_Code, F_Name) values('A01', '甲')")
        << QStringLiteral("insert into t_employee(F_Code, F_Name) values('a01', '乙')");
    QTest::newRow("step key")
        << QStringLiteral("insert into wg_WorkingProduct(F_Code, F_GoodName, F_gxCode) values('衬衫01', '衬衫', '01')")
        << QStringLiteral("insert into wg_WorkingProduct(F_Code, F_GoodName, F_gxCode) values('衬衫01', '衬衣', '02')");
    QTest::newRow("step code within its product")
        << QStringLiteral("insert into wg_WorkingProduct(F_Code, F_GoodName, F_gxCode) values('Shirt01', 'Shirt', '01')")
        << QStringLiteral("insert into wg_WorkingProduct(F_Code, F_GoodName, F_gxCode) values('01Shirt', 'SHIRT', '01')");
    QTest::newRow("month code")
        << QStringLiteral("insert into wg_Month(F_TableName) values('202401')")
        << QStringLiteral("insert into wg_Month(F_TableName) values('202401')");
}

void TstDatabase::uniqueKeysIgnoreCase()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    TestProgram program;
    Database &db = program.connect().ADOcnn();
    QVERIFY2(db.exec(first), qPrintable(db.errorText()));
    QVERIFY(!db.exec(second));
    QVERIFY(db.errorText().contains(QStringLiteral("UNIQUE")));
}

void TstDatabase::namesCompareWithoutCase()
{
    TestProgram program;
    Database &db = program.connect().ADOcnn();
    QVERIFY(db.exec(QStringLiteral("insert into T_EMPLOYEE(f_code, F_NAME) values(:c, :n)"),
                    {{QStringLiteral("c"), QStringLiteral("Ab'1")}, {QStringLiteral("n"), QStringLiteral("O'Brien")}}));
    QCOMPARE(count(db, QStringLiteral("select count(*) from t_employee where F_Code = 'AB''1' and f_name like 'o''b%'")), 1);
}

void TstDatabase::pieceCountsKeepTheirRowWhenTheStepIsGone()
{
    TestProgram program;
    Database &db = program.connect().ADOcnn();
    QVERIFY(db.exec(QStringLiteral("insert into wg_WorkingProduct(F_ID, F_Code, F_Name, F_GoodName, F_gxCode, F_Price) "
                                   "values(7, '衬衫01', '裁剪', '衬衫', '01', 0.5)")));
    QVERIFY(db.exec(QStringLiteral("insert into wg_ShengChanRec(F_ID, F_EmpCode, F_gxID, F_Price, F_Amount, F_TotalPrice) "
                                   "values(1, 'A01', 7, 0.5, 10, 5), (2, 'A01', 7, 0.5, 4, 2)")));
    QCOMPARE(count(db, QStringLiteral("select count(*) from ShengChanREC where F_goodName = '衬衫' and F_Name = '裁剪'")), 2);

    // Re-pricing through the view reaches the record.
    QVERIFY(db.exec(QStringLiteral("update ShengChanREC set F_Price = 0.6, F_TotalPrice = 6 where F_ID = 1")));
    QCOMPARE(count(db, QStringLiteral("select F_TotalPrice from wg_ShengChanRec where F_ID = 1")), 6);

    QVERIFY(db.exec(QStringLiteral("delete from wg_WorkingProduct where F_ID = 7")));
    RowSet rows;
    QVERIFY(db.select(QStringLiteral("select * from ShengChanREC order by F_ID"), {}, &rows));
    QCOMPARE(rows.rowCount(), 2);
    QVERIFY(rows.value(0, QStringLiteral("F_gxCode")).isNull());
    QCOMPARE(rows.value(1, QStringLiteral("F_TotalPrice")).toDouble(), 2.0);
    const QStringList columns{"F_ID", "F_DateTime", "F_ShengChanCode", "F_EmpCode", "F_EmpName", "F_Dept", "F_gxID",
                              "F_Amount", "F_Price", "F_TotalPrice", "F_EditDate", "F_Mem", "F_gxCode", "F_Name",
                              "F_goodName", "F_type", "F_spec", "F_unit"};
    QCOMPARE(rows.fields(), columns);
}

void TstDatabase::workTablesArePrivateToTheConnection()
{
    TestProgram program;
    Database &first = program.connect().ADOcnn();
    Database second(QStringLiteral("second workstation"));
    QVERIFY(second.open(program.databasePath()));
    for (const char *table : {"tempShengchanRec", "tempWageItem", "tempWagePutOut", "tempGZHS", "tempGZNB"}) {
        const QString t = QString::fromLatin1(table);
        QVERIFY2(first.exec(QStringLiteral("insert into %1(F_ID) values(1)").arg(t)), qPrintable(first.errorText()));
        QCOMPARE(count(first, QStringLiteral("select count(*) from %1").arg(t)), 1);
        QCOMPARE(count(second, QStringLiteral("select count(*) from %1").arg(t)), 0);
    }
    QCOMPARE(count(first, QStringLiteral("select count(*) from main.sqlite_master where name like 'temp%'")), 0);
}

void TstDatabase::openingNeverCreatesOrChangesAFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("no file") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("text file") << QByteArray("名单\n张三,李四\n") << true;
    QTest::newRow("another program's database") << QByteArray() << true;
}

void TstDatabase::openingNeverCreatesOrChangesAFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    TestProgram program(TestProgram::WithoutDatabase);
    const QString path = program.path(QStringLiteral("data/salary.mdb"));
    if (QByteArray(QTest::currentDataTag()) == "another program's database") {
        QDir().mkpath(program.path(QStringLiteral("data")));
        QVERIFY(SqliteFile::runScript(path, QStringLiteral("create table notes(x text);")));
        content = readFile(path);
    } else if (exists) {
        writeFile(path, content);
    }
    Database db;
    QVERIFY(!db.open(path));
    QVERIFY(!db.exec(QStringLiteral("select 1")));
    QCOMPARE(QFileInfo::exists(path), exists);
    if (exists)
        QCOMPARE(readFile(path), content);
}

void TstDatabase::aClosedConnectionOpensAgain()
{
    TestProgram program;
    Database &db = program.connect().ADOcnn();
    db.close();
    QVERIFY(!db.isOpen());
    QCOMPARE(count(db, QStringLiteral("select count(*) from OperList")), 1);
    QVERIFY(db.isOpen());
    QVERIFY(db.exec(QStringLiteral("insert into tempGZHS(F_code) values('x')")));
}

void TstDatabase::theConnectionWaitsForAnotherWorkstationsLock()
{
    TestProgram program;
    Database &db = program.connect().ADOcnn();
    sqlite3 *other = nullptr;
    QCOMPARE(sqlite3_open_v2(program.databasePath().toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE; insert into t_employee(F_Code) values('B1');", nullptr, nullptr, nullptr),
             SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    });
    QElapsedTimer waited;
    waited.start();
    const bool written = db.exec(QStringLiteral("insert into t_employee(F_Code) values('B2')"));
    release.join();
    sqlite3_close(other);
    QVERIFY2(written, qPrintable(db.errorText()));
    QVERIFY(waited.elapsed() >= 400);
    QCOMPARE(count(db, QStringLiteral("select count(*) from t_employee")), 2);
}

void TstDatabase::transactionsAreAllOrNothing()
{
    TestProgram program;
    Database &db = program.connect().ADOcnn();
    {
        Transaction t(db);
        QVERIFY(db.exec(QStringLiteral("insert into t_employee(F_Code) values('C1')")));
    } // not committed
    QCOMPARE(count(db, QStringLiteral("select count(*) from t_employee")), 0);
    {
        Transaction outer(db);
        QVERIFY(db.exec(QStringLiteral("insert into t_employee(F_Code) values('C2')")));
        {
            Transaction inner(db);
            QVERIFY(!db.exec(QStringLiteral("insert into t_employee(F_Code) values('c2')")));
        } // the inner step failed and was not committed
        QVERIFY(!outer.commit());
    }
    QCOMPARE(count(db, QStringLiteral("select count(*) from t_employee")), 0);
    {
        Transaction t(db);
        QVERIFY(db.exec(QStringLiteral("insert into t_employee(F_Code) values('C3')")));
        QVERIFY(t.commit());
    }
    QCOMPARE(count(db, QStringLiteral("select count(*) from t_employee")), 1);
}

QTEST_GUILESS_MAIN(TstDatabase)
#include "tst_database.moc"
