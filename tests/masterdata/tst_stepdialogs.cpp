// The rules of the step dialogs: copying a product, the step assistant, the
// step picker.

#include "support/TestProgram.h"

#include "ProductFixture.h"
#include "masterdata/StepAssistant.h"
#include "masterdata/StepCopy.h"
#include "masterdata/StepPicker.h"

#include <QTest>

using CopyResult = StepCopy::Result;
using AddResult = StepAssistant::Result;

namespace {

void setText(RowSet &rows, int row, const QString &field, const QVariant &value)
{
    rows.rows()[row][rows.fieldIndex(field)] = value;
}

} // namespace

class TstStepDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copyingLeavesTheSourceAsItWas();
    void copyRefusals_data();
    void copyRefusals();
    void aCopyThatFailsWritesNothing();
    void anAddedStepLeavesTheAssistantsList();
    void theAssistantRefusesACodeTwiceInAProduct();
    void theAssistantNeedsATarget();
    void assistantFilters_data();
    void assistantFilters();
    void pickerSearch_data();
    void pickerSearch();
    void pickerResult();
};

void TstStepDialogs::copyingLeavesTheSourceAsItWas()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    const RowSet before = allSteps(dm);
    StepCopy copy(dm);
    QCOMPARE(copy.sourceProducts(), (QStringList{"AB", "ABC", "N", "O'K", "XY"}));
    RowSet rows;
    QVERIFY(copy.loadSource(QStringLiteral(" AB "), rows));
    QCOMPARE(stepNames(rows), (QStringList{"AB/01", "AB/02", "AB/03"}));

    // Changes made to the copies before copying.
    setText(rows, 0, QStringLiteral("F_Price"), 99.5);
    setText(rows, 1, QStringLiteral("F_gxCode"), QStringLiteral(" 09 "));
    rows.rows().removeAt(2);
    StepCopy::appendEmptyRow(rows);
    setText(rows, 2, QStringLiteral("F_gxCode"), QStringLiteral("10"));
    setText(rows, 2, QStringLiteral("F_Name"), QStringLiteral("检验"));

    QCOMPARE(copy.copy(rows, QStringLiteral(" CD "), nullptr), CopyResult::Copied);
    QVERIFY(program.prompter.prompts.isEmpty());
    RowSet copied;
    QVERIFY(dm.OpenQuery(QStringLiteral("select * from wg_WorkingProduct where F_GoodName = 'CD' order by F_Code"), copied));
    QCOMPARE(column(copied, QStringLiteral("F_Code")), (QStringList{"CD01", "CD09", "CD10"}));
    QCOMPARE(column(copied, QStringLiteral("F_gxCode")), (QStringList{"01", "09", "10"}));
    QCOMPARE(column(copied, QStringLiteral("F_Name")), (QStringList{"裁剪", "缝合", "检验"}));
    QCOMPARE(column(copied, QStringLiteral("F_Price")), (QStringList{"99.5", "3.25", "0"}));
    QCOMPARE(column(copied, QStringLiteral("F_Mem")), (QStringList{"先裁", "", ""}));
    QCOMPARE(column(copied, QStringLiteral("F_type")), (QStringList{"上衣", "上衣", ""}));
    // The source product is exactly as it was.
    const RowSet after = allSteps(dm);
    QCOMPARE(QList<QVariantList>(after.rows().mid(0, before.rowCount())), before.rows());
    QCOMPARE(after.rowCount(), before.rowCount() + 3);
}

void TstStepDialogs::copyRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("editRow"); // the row whose step code is set, -1 none; 3 appends an empty row
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("problemRow");

    QTest::newRow("no new name") << QStringLiteral("  ") << -1 << QString() << int(CopyResult::EmptyName)
                                 << QStringLiteral("请填写新的产品名称！") << -1;
    QTest::newRow("a product that exists") << QStringLiteral("ABC") << -1 << QString() << int(CopyResult::ExistingProduct)
                                           << QStringLiteral("该产品已经存在，请重新输入！") << -1;
    QTest::newRow("an existing product in other case") << QStringLiteral(" o'k ") << -1 << QString()
                                                       << int(CopyResult::ExistingProduct)
                                                       << QStringLiteral("该产品已经存在，请重新输入！") << -1;
    QTest::newRow("a row without step code") << QStringLiteral("CD") << 3 << QString() << int(CopyResult::EmptyStepCode)
                                             << QStringLiteral("当前工序编号不能为空！") << 3;
    QTest::newRow("a blank step code") << QStringLiteral("CD") << 1 << QStringLiteral("  ")
                                       << int(CopyResult::EmptyStepCode) << QStringLiteral("当前工序编号不能为空！") << 1;
    QTest::newRow("two rows with one code") << QStringLiteral("CD") << 2 << QStringLiteral("01")
                                            << int(CopyResult::DuplicateStepCode)
                                            << QStringLiteral("工序编号\"01\"重复，工序编号不能重复！") << 2;
    QTest::newRow("one code, once with blanks") << QStringLiteral("CD") << 0 << QStringLiteral(" 02 ")
                                                            << int(CopyResult::DuplicateStepCode)
                                                            << QStringLiteral("工序编号\"02\"重复，工序编号不能重复！") << 1;
}

void TstStepDialogs::copyRefusals()
{
    QFETCH(QString, name);
    QFETCH(int, editRow);
    QFETCH(QString, code);
    QFETCH(int, result);
    QFETCH(QString, message);
    QFETCH(int, problemRow);
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    const RowSet before = allSteps(dm);
    StepCopy copy(dm);
    RowSet rows;
    QVERIFY(copy.loadSource(QStringLiteral("AB"), rows));
    if (editRow == 3)
        StepCopy::appendEmptyRow(rows);
    else if (editRow >= 0)
        setText(rows, editRow, QStringLiteral("F_gxCode"), code);
    int problem = -2;
    QCOMPARE(int(copy.copy(rows, name, &problem)), result);
    QCOMPARE(problem, problemRow);
    QCOMPARE(program.prompter.texts(), QStringList{message});
    QCOMPARE(allSteps(dm).rows(), before.rows());
}

void TstStepDialogs::aCopyThatFailsWritesNothing()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    const RowSet before = allSteps(dm);
    StepCopy copy(dm);
    RowSet rows;
    QVERIFY(copy.loadSource(QStringLiteral("O'K"), rows));
    QCOMPARE(copy.copy(RowSet(rows.fields(), {}), QStringLiteral("CD"), nullptr), CopyResult::NoSteps);
    // The second key outgrows its field: the first step must not stay behind.
    setText(rows, 0, QStringLiteral("F_gxCode"), QStringLiteral("1"));
    setText(rows, 1, QStringLiteral("F_gxCode"), QStringLiteral("333"));
    program.prompter.clear();
    int problem = -1;
    QCOMPARE(copy.copy(rows, QString(48, QLatin1Char('P')), &problem), CopyResult::Failed);
    QCOMPARE(problem, 1);
    QCOMPARE(program.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
    QCOMPARE(allSteps(dm).rows(), before.rows());
}

void TstStepDialogs::anAddedStepLeavesTheAssistantsList()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    const qint64 source = stepId(dm, QStringLiteral("AB01"));
    {
        StepAssistant assistant(dm);
        QVERIFY(assistant.start());
        RowSet rows;
        QVERIFY(assistant.list(QString(), QString(), QString(), rows));
        QCOMPARE(rows.rowCount(), 8);
        qint64 added = 0;
        QCOMPARE(assistant.add(source, QStringLiteral(" EF "), &added), AddResult::Added);
        QVERIFY(assistant.list(QString(), QString(), QString(), rows));
        QVERIFY(!column(rows, QStringLiteral("F_ID")).contains(QString::number(source)));
        // ... the step it made is offered, the one it came from is not.
        QCOMPARE(rows.rowCount(), 8);
        RowSet made;
        QVERIFY(dm.OpenQuery(QStringLiteral("select * from wg_WorkingProduct where F_ID = :id"), {{QStringLiteral("id"), added}}, made));
        QCOMPARE(stepNames(made), QStringList{QStringLiteral("EF/01")});
        QCOMPARE(made.text(0, QStringLiteral("F_Code")), QStringLiteral("EF01"));
        QCOMPARE(made.text(0, QStringLiteral("F_Name")), QStringLiteral("裁剪"));
        QCOMPARE(made.value(0, QStringLiteral("F_Price")).toDouble(), 12.5);
        QCOMPARE(made.text(0, QStringLiteral("F_Mem")), QString());
    }
    // Opened again, it offers every step.
    StepAssistant again(dm);
    QVERIFY(again.start());
    RowSet rows;
    QVERIFY(again.list(QString(), QString(), QString(), rows));
    QCOMPARE(rows.rowCount(), 9);
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstStepDialogs::theAssistantRefusesACodeTwiceInAProduct()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    StepAssistant assistant(dm);
    QVERIFY(assistant.start());
    QCOMPARE(assistant.add(stepId(dm, QStringLiteral("AB01")), QStringLiteral("EF")), AddResult::Added);
    const RowSet before = allSteps(dm);
    const qint64 second = stepId(dm, QStringLiteral("ABC01"));
    QCOMPARE(assistant.add(second, QStringLiteral("ef")), AddResult::DuplicateCode);
    QCOMPARE(program.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("工序编号重复！")});
    QCOMPARE(allSteps(dm).rows(), before.rows());
    // The refused step is still offered.
    RowSet rows;
    QVERIFY(assistant.list(QString(), QString(), QString(), rows));
    QVERIFY(column(rows, QStringLiteral("F_ID")).contains(QString::number(second)));
}

void TstStepDialogs::theAssistantNeedsATarget()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    const RowSet before = allSteps(dm);
    StepAssistant assistant(dm);
    QVERIFY(assistant.start());
    QCOMPARE(assistant.add(stepId(dm, QStringLiteral("AB01")), QStringLiteral("  ")), AddResult::EmptyTarget);
    QCOMPARE(program.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("新产品名称不能为空，请输入！")});
    QCOMPARE(allSteps(dm).rows(), before.rows());
}

void TstStepDialogs::assistantFilters_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("step code from its start") << QStringLiteral(" 0 ") << QString() << QString()
                                              << QStringList{"AB/01", "AB/02", "AB/03", "ABC/01", "N/01", "O'K/01"};
    QTest::newRow("product exactly") << QString() << QStringLiteral("AB") << QString()
                                     << QStringList{"AB/01", "AB/02", "AB/03"};
    QTest::newRow("a product with a quote") << QString() << QStringLiteral("O'K") << QString()
                                            << QStringList{"O'K/01", "O'K/K1"};
    QTest::newRow("type from its start") << QStringLiteral("0") << QString() << QStringLiteral("裤")
                                         << QStringList{"ABC/01"};
}

void TstStepDialogs::assistantFilters()
{
    QFETCH(QString, code);
    QFETCH(QString, product);
    QFETCH(QString, type);
    QFETCH(QStringList, expected);
    TestProgram program;
    QVERIFY(addCatalogue(program.connect()));
    StepAssistant assistant(program.dm());
    QVERIFY(assistant.start());
    RowSet rows;
    QVERIFY(assistant.list(code, product, type, rows));
    QCOMPARE(stepNames(rows), expected);
}

void TstStepDialogs::pickerSearch_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("nothing: every step") << QString() << QStringLiteral("  ") << QStringLiteral(" ")
                                         << QStringList{"AB/01", "AB/02", "AB/03", "ABC/01", "N/01", "O'K/01", "O'K/K1", "XY/10"};
    QTest::newRow("code from its start") << QStringLiteral("1") << QString() << QString() << QStringList{"XY/10"};
    QTest::newRow("a code of blanks still filters") << QStringLiteral(" ") << QString() << QString() << QStringList();
    QTest::newRow("name anywhere") << QString() << QStringLiteral("剪") << QString() << QStringList{"AB/01", "ABC/01"};
    QTest::newRow("product from its start") << QStringLiteral("0") << QString() << QStringLiteral("AB")
                                            << QStringList{"AB/01", "AB/02", "AB/03", "ABC/01"};
    QTest::newRow("a product with a quote") << QString() << QString() << QStringLiteral("o'") << QStringList{"O'K/01", "O'K/K1"};
}

void TstStepDialogs::pickerSearch()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QString, product);
    QFETCH(QStringList, expected);
    TestProgram program;
    QVERIFY(addCatalogue(program.connect()));
    QVariantMap params;
    const QString sql = StepPicker::searchStatement(code, name, product, &params);
    RowSet rows;
    QVERIFY(program.dm().OpenQuery(sql, params, rows));
    QCOMPARE(stepNames(rows), expected);
}

void TstStepDialogs::pickerResult()
{
    TestProgram program;
    QVERIFY(addCatalogue(program.connect()));
    RowSet rows;
    QVERIFY(program.dm().OpenQuery(StepPicker::openingStatement(), rows));
    QCOMPARE(rows.rowCount(), 8); // disabled steps too
    const qint64 second = rows.value(1, QStringLiteral("F_ID")).toLongLong();
    QCOMPARE(StepPicker::result(42, false, rows, 1), 42);      // cancelled
    QCOMPARE(StepPicker::result(42, true, rows, 1), second);   // confirmed
    QCOMPARE(StepPicker::result(0, true, RowSet(), -1), 0);    // confirmed on an empty list
}

QTEST_MAIN(TstStepDialogs)
#include "tst_stepdialogs.moc"
