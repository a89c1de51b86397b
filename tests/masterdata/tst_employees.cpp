// Employee records: the list query, saving, photos, deleting, the picker's rules.

#include "support/TestProgram.h"

#include "app/AppPaths.h"
#include "masterdata/EmployeePicker.h"
#include "masterdata/EmployeeStore.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>

using QueryType = EmployeeStore::QueryType;
using SaveResult = EmployeeStore::SaveResult;

namespace {

void addStaff(TdmData &dm)
{
    QVERIFY(dm.ExecSql(QStringLiteral(
        "insert into t_employee(F_Code, F_Name, F_Sex, F_Dept, F_Duty, F_Flag) values"
        "('01', '王小明', '男', '缝纫', '组长', 0), ('010', '李小红', '女', '缝纫二', '工人', 0),"
        "('0123', 'O''Brien', '', '包装', '工人', 0), ('101', '张三', '男', '缝纫', '工人', 0),"
        "('02', '赵小六', '女', '包装', '', 1)")));
}

QStringList codes(const RowSet &rows)
{
    QStringList result;
    for (int r = 0; r < rows.rowCount(); ++r)
        result.append(rows.text(r, QStringLiteral("F_Code")));
    return result;
}

QString makePicture(const QString &path, QColor colour)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "PNG");
    return path;
}

Employee newEmployee(const QString &code)
{
    Employee e;
    e.code = code;
    e.name = QStringLiteral(" 新人 ");
    e.mem = QStringLiteral("  第一行\n第二行  ");
    return e;
}

} // namespace

class TstEmployees : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listQuery_data();
    void listQuery();
    void saving_data();
    void saving();
    void changingKeepsTheRowAndItsCode();
    void aRetiredEmployeeLeavesTheList();
    void photos();
    void deleting();
    void pickerSearch_data();
    void pickerSearch();
    void pickerResult();
};

void TstEmployees::listQuery_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("includeLeft");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no type: all in service") << -1 << QStringLiteral("x") << false << QStringList{"01", "010", "0123", "101"};
    QTest::newRow("including those who left") << -1 << QString() << true << QStringList{"01", "010", "0123", "02", "101"};
    QTest::newRow("code from its start") << int(QueryType::Code) << QStringLiteral(" 01 ") << false << QStringList{"01", "010", "0123"};
    QTest::newRow("name anywhere") << int(QueryType::Name) << QStringLiteral("小") << true << QStringList{"01", "010", "02"};
    QTest::newRow("a name with a quote") << int(QueryType::Name) << QStringLiteral("o'b") << false << QStringList{"0123"};
    QTest::newRow("sex exactly") << int(QueryType::Sex) << QStringLiteral("女") << false << QStringList{"010"};
    QTest::newRow("an empty value still filters") << int(QueryType::Sex) << QString() << false << QStringList{"0123"};
    QTest::newRow("department exactly") << int(QueryType::Dept) << QStringLiteral("缝纫") << false << QStringList{"01", "101"};
    QTest::newRow("post exactly") << int(QueryType::Duty) << QStringLiteral("工人") << false << QStringList{"010", "0123", "101"};
}

void TstEmployees::listQuery()
{
    QFETCH(int, type);
    QFETCH(QString, value);
    QFETCH(bool, includeLeft);
    QFETCH(QStringList, expected);
    TestProgram program;
    addStaff(program.connect());
    EmployeeStore store(program.dm());
    RowSet rows;
    QVERIFY(store.list(static_cast<QueryType>(type), value, includeLeft, rows));
    QCOMPARE(codes(rows), expected);
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstEmployees::saving_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("new code") << QStringLiteral(" 05 ") << int(SaveResult::Saved) << QString();
    QTest::newRow("empty code") << QStringLiteral("   ") << int(SaveResult::EmptyCode) << QStringLiteral("当前员工编号不能为空！");
    QTest::newRow("same code") << QStringLiteral("01") << int(SaveResult::DuplicateCode) << QStringLiteral("员工编号重复，请重新输入！");
    QTest::newRow("differs only in case") << QStringLiteral("a7") << int(SaveResult::DuplicateCode)
                                          << QStringLiteral("员工编号重复，请重新输入！");
    QTest::newRow("a code with a quote") << QStringLiteral("x'1") << int(SaveResult::Saved) << QString();
}

void TstEmployees::saving()
{
    QFETCH(QString, code);
    QFETCH(int, result);
    QFETCH(QString, message);
    TestProgram program;
    TdmData &dm = program.connect();
    addStaff(dm);
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code) values('A7')")));
    EmployeeStore store(dm);
    QCOMPARE(int(store.save(newEmployee(code), true)), result);
    QCOMPARE(program.prompter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    const int count = dm.QueryInteger(QStringLiteral("select count(*) from t_employee"));
    QCOMPARE(count, result == int(SaveResult::Saved) ? 7 : 6);
    if (result == int(SaveResult::Saved)) {
        RowSet rows;
        QVERIFY(dm.OpenQuery(QStringLiteral("select * from t_employee where F_Code = :c"), {{QStringLiteral("c"), code.trimmed()}}, rows));
        QCOMPARE(rows.text(0, QStringLiteral("F_Name")), QStringLiteral("新人"));
        QCOMPARE(rows.text(0, QStringLiteral("F_Mem")), QStringLiteral("  第一行\n第二行  ")); // remarks as typed
        QCOMPARE(rows.text(0, QStringLiteral("F_ImagePath")), QString());
    }
}

void TstEmployees::changingKeepsTheRowAndItsCode()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addStaff(dm);
    EmployeeStore store(dm);
    RowSet rows;
    QVERIFY(store.list(QueryType::Code, QStringLiteral("0123"), false, rows));
    Employee e = Employee::fromRow(rows, 0);
    QCOMPARE(store.save(e, false), SaveResult::Saved); // unchanged: the duplicate check finds the row itself
    e.dept = QStringLiteral("质检");
    QCOMPARE(store.save(e, false), SaveResult::Saved);
    QCOMPARE(dm.QueryString(QStringLiteral("select F_Dept from t_employee where F_Code = '0123'")), QStringLiteral("质检"));
    e.code = QStringLiteral("101"); // another employee's code
    QCOMPARE(store.save(e, false), SaveResult::DuplicateCode);
    e.code = QStringLiteral("0123");
    e.id = 999; // gone meanwhile
    QCOMPARE(store.save(e, false), SaveResult::DuplicateCode);
    e.code = QStringLiteral("0999");
    QCOMPARE(store.save(e, false), SaveResult::Failed); // nothing to change is no success
    QCOMPARE(program.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
}

void TstEmployees::aRetiredEmployeeLeavesTheList()
{
    TestProgram program;
    addStaff(program.connect());
    EmployeeStore store(program.dm());
    RowSet rows;
    QVERIFY(store.list(QueryType::None, QString(), false, rows));
    Employee e = Employee::fromRow(rows, 0);
    e.left = true;
    QCOMPARE(store.save(e, false), SaveResult::Saved);
    QVERIFY(store.list(QueryType::None, QString(), false, rows));
    QVERIFY(!codes(rows).contains(QStringLiteral("01")));
    QVERIFY(store.list(QueryType::None, QString(), true, rows));
    QVERIFY(codes(rows).contains(QStringLiteral("01")));
}

void TstEmployees::photos()
{
    TestProgram program;
    TdmData &dm = program.connect();
    EmployeeStore store(dm);
    const QString red = makePicture(program.path(QStringLiteral("camera/a/x.jpg")), Qt::red);
    const QString blue = makePicture(program.path(QStringLiteral("camera/b/x.jpg")), Qt::blue);

    Employee first = newEmployee(QStringLiteral("P1"));
    first.imagePath = red;
    QCOMPARE(store.save(first, true), SaveResult::Saved);
    Employee second = newEmployee(QStringLiteral("P2"));
    second.imagePath = blue;
    QCOMPARE(store.save(second, true), SaveResult::Saved);
    Employee third = newEmployee(QStringLiteral("P3"));
    third.imagePath = red; // the very file again
    QCOMPARE(store.save(third, true), SaveResult::Saved);

    const QString images = AppPaths::imagesFolder();
    auto pathOf = [&](const char *code) {
        return dm.QueryString(QStringLiteral("select F_ImagePath from t_employee where F_Code = :c"),
                              {{QStringLiteral("c"), QString::fromLatin1(code)}});
    };
    QCOMPARE(pathOf("P1"), QDir(images).filePath(QStringLiteral("x.jpg")));
    QCOMPARE(pathOf("P2"), QDir(images).filePath(QStringLiteral("x(2).jpg")));
    QCOMPARE(pathOf("P3"), pathOf("P1"));
    QCOMPARE(QImage(pathOf("P2")).pixelColor(5, 5), QColor(Qt::blue));
    QCOMPARE(QImage(pathOf("P1")).pixelColor(5, 5), QColor(Qt::red));

    // Saving again with the stored photo keeps it; clearing empties the path.
    Employee again = newEmployee(QStringLiteral("P2"));
    again.id = dm.QueryInteger(QStringLiteral("select F_ID from t_employee where F_Code = 'P2'"));
    again.imagePath = pathOf("P2");
    QCOMPARE(store.save(again, false), SaveResult::Saved);
    QCOMPARE(pathOf("P2"), QDir(images).filePath(QStringLiteral("x(2).jpg")));
    again.imagePath.clear();
    QCOMPARE(store.save(again, false), SaveResult::Saved);
    QCOMPARE(pathOf("P2"), QString());
    QCOMPARE(QDir(images).entryList(QDir::Files).size(), 2);

    // A picture that cannot be read fails the save instead of losing the photo silently.
    Employee broken = newEmployee(QStringLiteral("P4"));
    broken.imagePath = program.path(QStringLiteral("camera/missing.jpg"));
    QCOMPARE(store.save(broken, true), SaveResult::Failed);
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from t_employee where F_Code = 'P4'")), 0);
}

void TstEmployees::deleting()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addStaff(dm);
    QVERIFY(dm.ExecSql(QStringLiteral("insert into wg_ShengChanRec(F_EmpCode) values('0123')")));
    EmployeeStore store(dm);
    const int id = dm.QueryInteger(QStringLiteral("select F_ID from t_employee where F_Code = '0123'"));
    program.prompter.questionAnswers.enqueue(MsgCancel);
    program.prompter.questionAnswers.enqueue(MsgOk);
    QVERIFY(!store.confirmAndDelete(id, QStringLiteral("O'Brien")));
    QVERIFY(store.confirmAndDelete(id, QStringLiteral("O'Brien")));
    QCOMPARE(program.prompter.texts(QStringLiteral("question")),
             QStringList(2, QStringLiteral("真的要删除员工 \"O'Brien\" 的资料吗？")));
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from t_employee where F_Code = '0123'")), 0);
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from wg_ShengChanRec")), 1); // his piece counts stay
}

void TstEmployees::pickerSearch_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("dept");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("01 finds 01, 010, 0123, not 101") << QStringLiteral("01") << QString() << QString()
                                                    << QStringList{"01", "010", "0123"};
    QTest::newRow("those who left are found") << QString() << QStringLiteral("小六") << QString() << QStringList{"02"};
    QTest::newRow("department from its start") << QString() << QString() << QStringLiteral("缝纫") << QStringList{"01", "010", "101"};
    QTest::newRow("blanks in the code count") << QStringLiteral(" ") << QString() << QString() << QStringList();
    QTest::newRow("blank name does not filter") << QString() << QStringLiteral("  ") << QString()
                                                << QStringList{"01", "010", "0123", "02", "101"};
}

void TstEmployees::pickerSearch()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, dept);
    QFETCH(QStringList, expected);
    TestProgram program;
    addStaff(program.connect());
    QVariantMap params;
    const QString sql = EmployeePicker::searchStatement(code, name, dept, &params);
    RowSet rows;
    QVERIFY(program.dm().OpenQuery(sql, params, rows));
    QCOMPARE(codes(rows), expected);
    QVERIFY(program.dm().OpenQuery(EmployeePicker::openingStatement(), rows));
    QVERIFY(!codes(rows).contains(QStringLiteral("02")));
}

void TstEmployees::pickerResult()
{
    const RowSet rows({QStringLiteral("F_Code")}, {{QStringLiteral("01")}, {QStringLiteral("02")}});
    QCOMPARE(EmployeePicker::result(QStringLiteral("无此人"), false, rows, 1), QStringLiteral("无此人"));
    QCOMPARE(EmployeePicker::result(QStringLiteral("无此人"), true, RowSet(), -1), QStringLiteral("无此人"));
    QCOMPARE(EmployeePicker::result(QStringLiteral("01"), true, rows, 1), QStringLiteral("02"));
}

QTEST_GUILESS_MAIN(TstEmployees)
#include "tst_employees.moc"
