// Grid layouts stored in cfg_Grid: loading, applying, saving.

#include "support/TestProgram.h"

#include "app/GridLayouts.h"

#include <QTest>

namespace {

GridColumns designed()
{
    return {GridColumn::text(QStringLiteral("F_Code"), QStringLiteral("编号"), 70),
            GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("姓名"), 90),
            GridColumn::number(QStringLiteral("F_Price"), QStringLiteral("金额"), QStringLiteral("0.00"))};
}

void addRow(TdmData &dm, const QString &key, const QString &field, const QString &title, int order, int alignment = 0,
            int footerType = 0)
{
    QVERIFY(dm.ExecSql(QStringLiteral("insert into cfg_Grid(F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly, "
                                      "F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) "
                                      "values(:k, :f, :t, 123, 0, 1, '￥,0.00', '合计', :ft, :a, :o)"),
                       {{QStringLiteral("k"), key}, {QStringLiteral("f"), field}, {QStringLiteral("t"), title},
                        {QStringLiteral("o"), order}, {QStringLiteral("a"), alignment}, {QStringLiteral("ft"), footerType}}));
}

} // namespace

class TstGridLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aKeyWithoutRowsKeepsTheDesign();
    void loadRebuildsInStoredOrder();
    void applyKeepsFieldTitleAndPlace();
    void saveUpdatesOnlyExistingRows();
    void aFailingColumnDoesNotStopTheOthers();
};

void TstGridLayouts::aKeyWithoutRowsKeepsTheDesign()
{
    TestProgram program;
    TdmData &dm = program.connect();
    GridColumns columns = designed();
    addRow(dm, QStringLiteral("other"), QStringLiteral("F_Code"), QStringLiteral("x"), 0);
    addRow(dm, QStringLiteral("test"), QString(), QStringLiteral("empty field is ignored"), 0);
    QVERIFY(!GridLayouts::load(dm, QStringLiteral("test"), columns));
    QCOMPARE(columns.size(), 3);
    QCOMPARE(columns.at(1).title, QStringLiteral("姓名"));
    QCOMPARE(columns.at(1).width, 90);
}

void TstGridLayouts::loadRebuildsInStoredOrder()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addRow(dm, QStringLiteral("test"), QStringLiteral("F_Price"), QStringLiteral("工资"), 0, 2, 2);
    addRow(dm, QStringLiteral("test"), QStringLiteral("F_Code"), QStringLiteral("员工编号"), 1, 1, 1);
    addRow(dm, QStringLiteral("test"), QStringLiteral("F_Mem"), QStringLiteral("备注"), 2, 7, 5);
    GridColumns columns = designed();
    columns[0].alignment = GridColumn::Right;
    QVERIFY(GridLayouts::load(dm, QStringLiteral("TEST"), columns));
    QCOMPARE(columns.size(), 3);
    QCOMPARE(columns.at(0).field, QStringLiteral("F_Price"));
    QCOMPARE(columns.at(0).title, QStringLiteral("工资"));
    QCOMPARE(columns.at(0).footer, GridColumn::Footer::Sum);
    QCOMPARE(columns.at(0).alignment, int(GridColumn::Right));
    QCOMPARE(columns.at(0).width, 123);
    QVERIFY(!columns.at(0).visible);
    QVERIFY(columns.at(0).readOnly);
    QCOMPARE(columns.at(0).displayFormat, QStringLiteral("￥,0.00"));
    QCOMPARE(columns.at(1).footer, GridColumn::Footer::Text);
    QCOMPARE(columns.at(1).footerValue, QStringLiteral("合计"));
    QCOMPARE(columns.at(1).alignment, int(GridColumn::Centre));
    QCOMPARE(columns.at(2).field, QStringLiteral("F_Mem"));
    QCOMPARE(columns.at(2).footer, GridColumn::Footer::None);
    QCOMPARE(columns.at(2).alignment, int(GridColumn::Left)); // out of range leaves a new column's default
}

void TstGridLayouts::applyKeepsFieldTitleAndPlace()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addRow(dm, QStringLiteral("test"), QStringLiteral("f_name"), QStringLiteral("改过的"), 9, 2, 1);
    GridColumns columns = designed();
    GridLayouts::apply(dm, QStringLiteral("test"), columns);
    QCOMPARE(columns.at(1).field, QStringLiteral("F_Name"));
    QCOMPARE(columns.at(1).title, QStringLiteral("姓名"));
    QCOMPARE(columns.at(1).width, 123);
    QCOMPARE(columns.at(1).alignment, int(GridColumn::Right));
    QCOMPARE(columns.at(1).footerValue, QStringLiteral("合计"));
    QCOMPARE(columns.at(0).width, 70); // no row: untouched
}

void TstGridLayouts::saveUpdatesOnlyExistingRows()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addRow(dm, QStringLiteral("test"), QStringLiteral("F_Code"), QStringLiteral("x"), 0);
    addRow(dm, QStringLiteral("test"), QStringLiteral("F_Price"), QStringLiteral("y"), 1);
    GridColumns columns = designed();
    columns[0].title = QStringLiteral("工人's 编号");
    columns[0].width = 55;
    columns[2].footer = GridColumn::Footer::Sum;
    columns[2].visible = false;
    QCOMPARE(GridLayouts::save(dm, QStringLiteral("Test"), columns), 2);
    QVERIFY(program.prompter.prompts.isEmpty());
    RowSet rows;
    QVERIFY(dm.OpenQuery(QStringLiteral("select F_name, F_FieldName, F_Caption, F_Width, F_Order, F_Visible, F_FooterType, "
                                        "F_Alignment from cfg_Grid where F_name = 'test' order by F_Order"),
                         rows));
    QCOMPARE(rows.rowCount(), 2); // F_Name had no row and got none
    QCOMPARE(rows.row(0), (QVariantList{QStringLiteral("test"), QStringLiteral("F_Code"), QStringLiteral("工人's 编号"), 55,
                                         0, 1, 0, 0}));
    QCOMPARE(rows.row(1), (QVariantList{QStringLiteral("test"), QStringLiteral("F_Price"), QStringLiteral("金额"), 90, 2, 0,
                                         2, 2}));
}

void TstGridLayouts::aFailingColumnDoesNotStopTheOthers()
{
    TestProgram program;
    TdmData &dm = program.connect();
    for (const QString &field : {QStringLiteral("F_Code"), QStringLiteral("F_Name"), QStringLiteral("F_Price")})
        addRow(dm, QStringLiteral("test"), field, QStringLiteral("old"), 0);
    GridColumns columns = designed();
    columns[1].title = QString(150, QChar(0x5B57)); // longer than a title may be
    QCOMPARE(GridLayouts::save(dm, QStringLiteral("test"), columns), 2);
    QCOMPARE(program.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("操作失败，请检查数据连接... ")});
    QCOMPARE(program.prompter.texts(QStringLiteral("plain")).size(), 1);
    QCOMPARE(dm.QueryString(QStringLiteral("select F_Caption from cfg_Grid where F_name = 'test' and F_FieldName = 'F_Price'")),
             QStringLiteral("金额"));
    QCOMPARE(dm.QueryString(QStringLiteral("select F_Caption from cfg_Grid where F_name = 'test' and F_FieldName = 'F_Name'")),
             QStringLiteral("old"));
}

QTEST_GUILESS_MAIN(TstGridLayouts)
#include "tst_gridlayouts.moc"
