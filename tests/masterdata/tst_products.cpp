// Products and their steps: the query of the product window, saving a step,
// changing steps in place, deleting, what a printout is made of.

#include "support/TestProgram.h"

#include "ProductFixture.h"
#include "masterdata/ProductStore.h"

#include <QTest>

using Type = StepQuery::Type;
using SaveResult = ProductStore::SaveResult;

class TstProducts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void query_data();
    void query();
    void saving_data();
    void saving();
    void aStepMovedToAnotherProduct();
    void aChangeOfAVanishedStepFails();
    void theDatabaseRefusesACodeTwiceInAProduct();
    void changingInPlace_data();
    void changingInPlace();
    void deleting();
};

void TstProducts::query_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("value");
    QTest::addColumn<double>("price");
    QTest::addColumn<bool>("includeDisabled");
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("no type: the steps in use") << -1 << QStringLiteral("x") << 0.0 << false
                                               << QStringList{"AB", "ABC", "N", "O'K"}
                                               << QStringList{"AB/01", "AB/02", "ABC/01", "N/01", "O'K/01", "O'K/K1"};
    QTest::newRow("包含已停用") << -1 << QString() << 0.0 << true << QStringList{"AB", "ABC", "N", "O'K", "XY"}
                                << QStringList{"AB/01", "AB/02", "AB/03", "ABC/01", "N/01", "O'K/01", "O'K/K1", "XY/10"};
    QTest::newRow("step code from its start") << int(Type::StepCode) << QStringLiteral("0") << 0.0 << true
                                              << QStringList{"AB", "ABC", "N", "O'K"}
                                              << QStringList{"AB/01", "AB/02", "AB/03", "ABC/01", "N/01", "O'K/01"};
    QTest::newRow("a step code without case") << int(Type::StepCode) << QStringLiteral("k") << 0.0 << false
                                              << QStringList{"O'K"} << QStringList{"O'K/K1"};
    QTest::newRow("a code's blanks are part of it") << int(Type::StepCode) << QStringLiteral(" 0") << 0.0 << true
                                                    << QStringList() << QStringList();
    QTest::newRow("a product whose steps are all disabled") << int(Type::StepCode) << QStringLiteral("1") << 0.0 << false
                                                            << QStringList() << QStringList();
    QTest::newRow("step name anywhere") << int(Type::StepName) << QStringLiteral("剪") << 0.0 << false
                                        << QStringList{"AB", "ABC"} << QStringList{"AB/01", "ABC/01"};
    QTest::newRow("product from its start") << int(Type::Product) << QStringLiteral("AB") << 0.0 << false
                                            << QStringList{"AB", "ABC"} << QStringList{"AB/01", "AB/02", "ABC/01"};
    QTest::newRow("a product with a quote") << int(Type::Product) << QStringLiteral("O'K") << 0.0 << false
                                            << QStringList{"O'K"} << QStringList{"O'K/01", "O'K/K1"};
    QTest::newRow("type from its start") << int(Type::ProductType) << QStringLiteral("上") << 0.0 << false
                                         << QStringList{"AB", "O'K"} << QStringList{"AB/01", "AB/02", "O'K/01", "O'K/K1"};
    QTest::newRow("an empty type still filters") << int(Type::ProductType) << QString() << 0.0 << false
                                                 << QStringList{"AB", "ABC", "O'K"}
                                                 << QStringList{"AB/01", "AB/02", "ABC/01", "O'K/01", "O'K/K1"};
    QTest::newRow("size (规格) from its start") << int(Type::Spec) << QStringLiteral("中") << 0.0 << false
                                                  << QStringList{"ABC"} << QStringList{"ABC/01"};
    QTest::newRow("price exactly") << int(Type::Price) << QString() << 12.5 << false << QStringList{"AB", "ABC"}
                                   << QStringList{"AB/01", "ABC/01"};
    QTest::newRow("a price only a disabled step has") << int(Type::Price) << QString() << 1.0 << false << QStringList()
                                                      << QStringList();
    QTest::newRow("the same price, disabled steps included") << int(Type::Price) << QString() << 1.0 << true
                                                             << QStringList{"AB"} << QStringList{"AB/03"};
}

void TstProducts::query()
{
    QFETCH(int, type);
    QFETCH(QString, value);
    QFETCH(double, price);
    QFETCH(bool, includeDisabled);
    QFETCH(QStringList, products);
    QFETCH(QStringList, steps);
    TestProgram program;
    QVERIFY(addCatalogue(program.connect()));
    ProductStore store(program.dm());
    StepQuery query{static_cast<Type>(type), value, price, includeDisabled};

    RowSet productRows;
    QVERIFY(store.listProducts(query, productRows));
    QCOMPARE(column(productRows, QStringLiteral("F_goodname")), products);
    // The step list of each listed product, one after the other.
    QStringList listed;
    for (const QString &product : products) {
        RowSet stepRows;
        QVERIFY(store.listSteps(query, product, stepRows));
        listed += stepNames(stepRows);
    }
    QCOMPARE(listed, steps);

    // A printout shows the same: the products, and under each its steps.
    ProductPrintData print;
    QVERIFY(store.printData(query, print));
    QCOMPARE(column(print.products, print.masterField), products);
    QCOMPARE(stepNames(print.steps), steps);
    QVERIFY(print.steps.fieldIndex(print.detailField) >= 0);
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstProducts::saving_data()
{
    QTest::addColumn<QString>("changing"); // key of the step changed; empty: adding
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("product");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");

    const QString duplicate = QStringLiteral("工序编码重复，请重新输入！");
    QTest::newRow("a new step") << QString() << QStringLiteral(" 04 ") << QStringLiteral(" AB ") << int(SaveResult::Saved)
                                << QString();
    QTest::newRow("the same code in another product") << QString() << QStringLiteral("01") << QStringLiteral("CD")
                                                      << int(SaveResult::Saved) << QString();
    QTest::newRow("a code with a quote") << QString() << QStringLiteral("0'1") << QStringLiteral("O'K")
                                         << int(SaveResult::Saved) << QString();
    QTest::newRow("empty code") << QString() << QStringLiteral("  ") << QStringLiteral("AB") << int(SaveResult::EmptyCode)
                                << QStringLiteral("当前工序编码不能为空！");
    QTest::newRow("empty product") << QString() << QStringLiteral("05") << QStringLiteral("  ")
                                   << int(SaveResult::EmptyProduct) << QStringLiteral("当前产品名称不能为空！");
    QTest::newRow("a code the product has") << QString() << QStringLiteral("01") << QStringLiteral("AB")
                                            << int(SaveResult::DuplicateCode) << duplicate;
    QTest::newRow("a code that differs only in case") << QString() << QStringLiteral("k1") << QStringLiteral("O'K")
                                                      << int(SaveResult::DuplicateCode) << duplicate;
    QTest::newRow("a product that differs only in case") << QString() << QStringLiteral("02") << QStringLiteral("ab")
                                                         << int(SaveResult::DuplicateCode) << duplicate;
    QTest::newRow("a disabled step's code") << QString() << QStringLiteral("03") << QStringLiteral("AB")
                                            << int(SaveResult::DuplicateCode) << duplicate;
    QTest::newRow("unchanged, in change mode") << QStringLiteral("AB01") << QStringLiteral("01") << QStringLiteral("AB")
                                               << int(SaveResult::Saved) << QString();
    QTest::newRow("changed into a product that has the code")
        << QStringLiteral("AB01") << QStringLiteral("01") << QStringLiteral("ABC") << int(SaveResult::DuplicateCode)
        << duplicate;
}

void TstProducts::saving()
{
    QFETCH(QString, changing);
    QFETCH(QString, code);
    QFETCH(QString, product);
    QFETCH(int, result);
    QFETCH(QString, message);
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    const RowSet before = allSteps(dm);
    ProductStore store(dm);

    Step step;
    if (!changing.isEmpty()) {
        RowSet rows;
        QVERIFY(dm.OpenQuery(QStringLiteral("select * from wg_WorkingProduct where F_Code = :k"), {{QStringLiteral("k"), changing}}, rows));
        step = Step::fromRow(rows, 0);
    }
    step.code = code;
    step.product = product;
    step.name = QStringLiteral(" 新工序 ");
    step.type = QStringLiteral(" 上衣 ");
    step.spec = QStringLiteral("大号 ");
    step.unit = QStringLiteral(" 件");
    step.price = 1.23456;
    step.mem = QStringLiteral(" 第一行\n第二行 ");
    step.disabled = true;
    qint64 id = 0;
    QCOMPARE(int(store.save(step, changing.isEmpty(), &id)), result);
    QCOMPARE(program.prompter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (result != int(SaveResult::Saved)) {
        QCOMPARE(allSteps(dm).rows(), before.rows());
        return;
    }
    RowSet saved;
    QVERIFY(dm.OpenQuery(QStringLiteral("select * from wg_WorkingProduct where F_ID = :id"), {{QStringLiteral("id"), id}}, saved));
    QCOMPARE(saved.rowCount(), 1);
    // The key is the product name followed by the step code, whoever writes it.
    QCOMPARE(saved.text(0, QStringLiteral("F_Code")), product.trimmed() + code.trimmed());
    QCOMPARE(saved.text(0, QStringLiteral("F_gxCode")), code.trimmed());
    QCOMPARE(saved.text(0, QStringLiteral("F_GoodName")), product.trimmed());
    QCOMPARE(saved.text(0, QStringLiteral("F_Name")), QStringLiteral("新工序"));
    QCOMPARE(saved.text(0, QStringLiteral("F_type")), QStringLiteral("上衣"));
    QCOMPARE(saved.text(0, QStringLiteral("F_spec")), QStringLiteral("大号"));
    QCOMPARE(saved.text(0, QStringLiteral("F_unit")), QStringLiteral("件"));
    QCOMPARE(saved.value(0, QStringLiteral("F_Price")).toDouble(), 1.2346);
    QCOMPARE(saved.text(0, QStringLiteral("F_Mem")), QStringLiteral(" 第一行\n第二行 "));
    QCOMPARE(saved.value(0, QStringLiteral("F_UseFlag")).toBool(), true);
    QCOMPARE(allSteps(dm).rowCount(), before.rowCount() + (changing.isEmpty() ? 1 : 0));
}

void TstProducts::aStepMovedToAnotherProduct()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    ProductStore store(dm);
    RowSet rows;
    QVERIFY(store.listSteps(StepQuery(), QStringLiteral("N"), rows));
    Step step = Step::fromRow(rows, 0);
    step.product = QStringLiteral("M");
    QCOMPARE(store.save(step, false), SaveResult::Saved);

    RowSet products;
    QVERIFY(store.listProducts(StepQuery(), products));
    // N had one step: it is gone with it; M has it now, under its own key.
    QCOMPARE(column(products, QStringLiteral("F_goodname")), (QStringList{"AB", "ABC", "M", "O'K"}));
    QVERIFY(store.listSteps(StepQuery(), QStringLiteral("M"), rows));
    QCOMPARE(column(rows, QStringLiteral("F_Code")), QStringList{QStringLiteral("M01")});
    QCOMPARE(rows.value(0, QStringLiteral("F_ID")).toLongLong(), step.id);
}

void TstProducts::aChangeOfAVanishedStepFails()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    ProductStore store(dm);
    Step step;
    step.id = 999;
    step.code = QStringLiteral("09");
    step.product = QStringLiteral("AB");
    QCOMPARE(store.save(step, false), SaveResult::Failed);
    QCOMPARE(program.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
    QCOMPARE(stepId(dm, QStringLiteral("AB09")), 0);
}

void TstProducts::theDatabaseRefusesACodeTwiceInAProduct()
{
    TestProgram program;
    QVERIFY(addCatalogue(program.connect()));
    // Whatever key a writer builds, one product holds a step code once.
    QVERIFY(!program.db().exec(QStringLiteral("insert into wg_WorkingProduct(F_Code, F_GoodName, F_gxCode) "
                                              "values('01AB', 'AB', '01')")));
    QVERIFY(!program.db().exec(QStringLiteral("insert into wg_WorkingProduct(F_Code, F_GoodName, F_gxCode) "
                                              "values('other', 'o''k', 'k1')")));
}

void TstProducts::changingInPlace_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("key");     // F_Code afterwards
    QTest::addColumn<QVariant>("written"); // the field afterwards

    QTest::newRow("price, to four decimals") << QStringLiteral("F_Price") << QVariant(7.12346) << true << QString()
                                             << QStringLiteral("AB01") << QVariant(7.1235);
    QTest::newRow("step code re-keys the step") << QStringLiteral("F_gxCode") << QVariant(QStringLiteral(" 07 ")) << true
                                                << QString() << QStringLiteral("AB07") << QVariant(QStringLiteral("07"));
    QTest::newRow("a code the product has") << QStringLiteral("F_gxCode") << QVariant(QStringLiteral("03")) << false
                                            << QStringLiteral("工序编码重复，请重新输入！") << QStringLiteral("AB01")
                                            << QVariant(QStringLiteral("01"));
    QTest::newRow("an empty code") << QStringLiteral("f_gxcode") << QVariant(QStringLiteral(" ")) << false
                                   << QStringLiteral("当前工序编码不能为空！") << QStringLiteral("AB01")
                                   << QVariant(QStringLiteral("01"));
    QTest::newRow("a name with a quote") << QStringLiteral("F_Name") << QVariant(QStringLiteral(" 裁'剪 ")) << true
                                         << QString() << QStringLiteral("AB01") << QVariant(QStringLiteral("裁'剪"));
    QTest::newRow("a remark as typed") << QStringLiteral("F_Mem") << QVariant(QStringLiteral(" 后裁 ")) << true << QString()
                                       << QStringLiteral("AB01") << QVariant(QStringLiteral(" 后裁 "));
    QTest::newRow("not a column of the list") << QStringLiteral("F_UseFlag") << QVariant(true) << false << QString()
                                              << QStringLiteral("AB01") << QVariant(0);
}

void TstProducts::changingInPlace()
{
    QFETCH(QString, field);
    QFETCH(QVariant, value);
    QFETCH(bool, stored);
    QFETCH(QString, message);
    QFETCH(QString, key);
    QFETCH(QVariant, written);
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    ProductStore store(dm);
    const qint64 id = stepId(dm, QStringLiteral("AB01"));
    QVariant result;
    QCOMPARE(store.changeCell(id, field, value, &result), stored);
    QCOMPARE(program.prompter.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    RowSet rows;
    QVERIFY(dm.OpenQuery(QStringLiteral("select * from wg_WorkingProduct where F_ID = :id"), {{QStringLiteral("id"), id}}, rows));
    QCOMPARE(rows.text(0, QStringLiteral("F_Code")), key);
    QCOMPARE(rows.value(0, field).toString(), written.toString());
    if (stored)
        QCOMPARE(result.toString(), written.toString());
}

void TstProducts::deleting()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(addCatalogue(dm));
    ProductStore store(dm);
    const QString question = QStringLiteral("删除当前产品，将同时删除当前产品\"ABC\"下的工序\"裁剪边\"吗？");
    QCOMPARE(ProductStore::deleteQuestion(QStringLiteral("ABC"), QStringLiteral("裁剪边")), question);

    program.prompter.questionAnswers.enqueue(MsgCancel);
    QVERIFY(!store.confirmAndDelete(stepId(dm, QStringLiteral("ABC01")), QStringLiteral("ABC"), QStringLiteral("裁剪边")));
    QVERIFY(stepId(dm, QStringLiteral("ABC01")) > 0);

    // A product is gone with its last step; piece counts of the step stay.
    QVERIFY(dm.ExecSql(QStringLiteral("insert into wg_ShengChanRec(F_EmpCode, F_gxID, F_Amount) values('01', :id, 3)"),
                       {{QStringLiteral("id"), stepId(dm, QStringLiteral("ABC01"))}}));
    QVERIFY(store.confirmAndDelete(stepId(dm, QStringLiteral("ABC01")), QStringLiteral("ABC"), QStringLiteral("裁剪边")));
    QCOMPARE(program.prompter.texts(QStringLiteral("question")), (QStringList{question, question}));
    RowSet products;
    QVERIFY(store.listProducts(StepQuery(), products));
    QVERIFY(!column(products, QStringLiteral("F_goodname")).contains(QStringLiteral("ABC")));
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from wg_ShengChanRec")), 1);
    QCOMPARE(allSteps(dm).rowCount(), 7);
}

QTEST_MAIN(TstProducts)
#include "tst_products.moc"
