// The shared data services: neutral results, their messages, bound values.

#include "support/TestProgram.h"

#include "app/AppInfo.h"
#include "app/Clock.h"

#include <QTest>

using Prompt = ScriptedPrompter::Prompt;

class TstDataModule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void singleValueReads_data();
    void singleValueReads();
    void failedStatementShowsItsTextThenTheError();
    void failedOpenQuery();
    void fillComboBoxSkipsBlanks();
    void quotesAreJustText();
    void deleteRecordById_data();
    void deleteRecordById();
    void writeLog();
    void hasPermission_data();
    void hasPermission();
};

void TstDataModule::singleValueReads_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("integer");
    QTest::addColumn<double>("number");
    QTest::addColumn<bool>("fails");
    QTest::newRow("value") << QStringLiteral("select 42.5") << QStringLiteral("42.5") << 42 << 42.5 << false;
    QTest::newRow("no row") << QStringLiteral("select F_ID from OperList where F_Name = 'nobody'") << QString() << 0 << 0.0 << false;
    QTest::newRow("null") << QStringLiteral("select null") << QString() << 0 << 0.0 << false;
    QTest::newRow("first column of first row") << QStringLiteral("select F_code, F_name from Limits order by F_code")
                                               << QStringLiteral("101") << 101 << 101.0 << false;
    QTest::newRow("failing statement") << QStringLiteral("select F_Nothing from OperList") << QString() << 0 << 0.0 << true;
}

void TstDataModule::singleValueReads()
{
    QFETCH(QString, sql);
    QFETCH(QString, text);
    QFETCH(int, integer);
    QFETCH(double, number);
    QFETCH(bool, fails);
    TestProgram program;
    TdmData &dm = program.connect();
    QCOMPARE(dm.QueryString(sql), text);
    QCOMPARE(dm.QueryInteger(sql), integer);
    QCOMPARE(dm.QueryFloat(sql), number);
    const QList<Prompt> expected = fails ? QList<Prompt>(3, {QStringLiteral("error"), QStringLiteral("操作失败，请检查数据连接... ")})
                                         : QList<Prompt>();
    QCOMPARE(program.prompter.prompts, expected);
}

void TstDataModule::failedStatementShowsItsTextThenTheError()
{
    TestProgram program;
    TdmData &dm = program.connect();
    const QString sql = QStringLiteral("update t_nothing set F_Name = 'x'");
    QVERIFY(!dm.ExecSql(sql));
    const QList<Prompt> expected{{QStringLiteral("plain"), sql},
                                 {QStringLiteral("error"), QStringLiteral("操作失败，请检查数据连接... ")}};
    QCOMPARE(program.prompter.prompts, expected);
    program.prompter.clear();
    QVERIFY(dm.ExecSql(QStringLiteral("update OperList set F_Mem = :m"), {{QStringLiteral("m"), QStringLiteral("备注")}}));
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstDataModule::failedOpenQuery()
{
    TestProgram program;
    TdmData &dm = program.connect();
    RowSet rows(QStringList{QStringLiteral("old")}, {{1}});
    QVERIFY(!dm.OpenQuery(QStringLiteral("select * from nowhere"), rows));
    QCOMPARE(rows.rowCount(), 0);
    QCOMPARE(program.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("打开操作失败，请检查数据连接... ")});
    QVERIFY(dm.OpenQuery(QStringLiteral("select F_Name from OperList"), rows));
    QCOMPARE(rows.text(0, QStringLiteral("f_name")), QStringLiteral("admin"));
}

void TstDataModule::fillComboBoxSkipsBlanks()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code, F_Dept) values"
                                      "('1', '缝纫'), ('2', ''), ('3', null), ('4', '   '), ('5', ' 包装 '), ('6', '裁剪')")));
    const QStringList depts = dm.FillComboBox(QStringLiteral("select F_Dept from t_employee order by F_Code"));
    QCOMPARE(depts, (QStringList{QStringLiteral("缝纫"), QStringLiteral(" 包装 "), QStringLiteral("裁剪")}));
    QVERIFY(dm.FillComboBox(QStringLiteral("select F_Dept from nowhere")).isEmpty());
    QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("操作失败，请检查数据连接... ")});
}

void TstDataModule::quotesAreJustText()
{
    TestProgram program;
    TdmData &dm = program.connect();
    const QString name = QStringLiteral("O'Brien \"老王\" 100%_");
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code, F_Name) values(:Code, :Name)"),
                       {{QStringLiteral("Code"), QStringLiteral("01'")}, {QStringLiteral("Name"), name}}));
    QCOMPARE(dm.QueryString(QStringLiteral("select F_Name from t_employee where F_Code = :Code"),
                            {{QStringLiteral("Code"), QStringLiteral("01'")}}),
             name);
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from t_employee where F_Name like '%' || :v || '%'"),
                             {{QStringLiteral("v"), QStringLiteral("'B")}}),
             1);
    // An empty text is stored as text, so "F_Dept = ''" finds it.
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code, F_Dept) values('02', :d)"), {{QStringLiteral("d"), QString()}}));
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from t_employee where F_Dept = ''")), 1);
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstDataModule::deleteRecordById_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("table") << QStringLiteral("t_employee") << true;
    QTest::newRow("name in other case") << QStringLiteral("T_EMPLOYEE") << true;
    QTest::newRow("unknown table") << QStringLiteral("t_goods") << false;
    QTest::newRow("not a name") << QStringLiteral("t_employee where 1=1 or F_ID") << false;
}

void TstDataModule::deleteRecordById()
{
    QFETCH(QString, table);
    QFETCH(bool, deleted);
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_ID, F_Code) values(5, 'A'), (6, 'B')")));
    QCOMPARE(dm.DeleteRecordById(table, 5), deleted);
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from t_employee")), deleted ? 1 : 2);
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from t_employee where F_ID = 6")), 1);
    QCOMPARE(program.prompter.texts(), deleted ? QStringList() : QStringList{QStringLiteral("删除操作失败，请检查数据连接... ")});
}

void TstDataModule::writeLog()
{
    TestProgram program;
    TdmData &dm = program.connect();
    FixedClock clock(QDateTime(QDate(2026, 3, 9), QTime(8, 5, 7)));
    Clock::install(&clock);
    setCurrentOperator(QStringLiteral(" 会计'小李 "));
    dm.WriteLog(QStringLiteral("登录成功！"));
    RowSet rows;
    QVERIFY(dm.OpenQuery(QStringLiteral("select F_EmpName, F_OperType, F_OperDate, F_OperTime from T_LogRec"), rows));
    QCOMPARE(rows.rowCount(), 1);
    QCOMPARE(rows.row(0), (QVariantList{QStringLiteral("会计'小李"), QStringLiteral("登录成功！"),
                                         QStringLiteral("2026-03-09"), QStringLiteral("08:05:07")}));
    // The log keeps quiet about its own failures.
    QVERIFY(dm.ExecSql(QStringLiteral("drop table T_LogRec")));
    dm.WriteLog(QStringLiteral("登录失败！"));
    QVERIFY(program.prompter.prompts.isEmpty());
    Clock::install(nullptr);
}

void TstDataModule::hasPermission_data()
{
    QTest::addColumn<QString>("oper");
    QTest::addColumn<QStringList>("granted");
    QTest::newRow("backup only") << QStringLiteral("李'四") << QStringList{QStringLiteral("402")};
    QTest::newRow("admin holds no rows") << QStringLiteral("admin") << QStringList();
    QTest::newRow("a name in capitals is another name") << QStringLiteral("ADMIN") << QStringList();
}

void TstDataModule::hasPermission()
{
    QFETCH(QString, oper);
    QFETCH(QStringList, granted);
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("insert into OperLimit(F_OperName, F_lmtName) values('李''四', '数据备份恢复')")));
    setCurrentOperator(oper);
    RowSet codes;
    QVERIFY(dm.OpenQuery(QStringLiteral("select F_code from Limits"), codes));
    for (int r = 0; r < codes.rowCount(); ++r) {
        const QString code = codes.text(r, QStringLiteral("F_code"));
        QCOMPARE(dm.HasPermission(code), granted.contains(code));
    }
}

QTEST_GUILESS_MAIN(TstDataModule)
#include "tst_datamodule.moc"
