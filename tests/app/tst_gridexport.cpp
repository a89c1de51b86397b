// Exporting a grid to a workbook, read back cell by cell.

#include "support/TestProgram.h"

#include "app/AppPaths.h"
#include "app/GridExport.h"
#include "app/WorkbookReader.h"
#include "app/ui/DataGrid.h"
#include "app/ui/GridServices.h"

#include <QFileInfo>
#include <QTest>

namespace {

GridColumns exportColumns()
{
    return {GridColumn::text(QStringLiteral("F_Code"), QStringLiteral("员工编号")),
            GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("姓名")).hidden(),
            GridColumn::number(QStringLiteral("F_Price"), QStringLiteral("金额"), QStringLiteral("￥,0.00##;-￥,0.00##")),
            GridColumn::number(QStringLiteral("F_Amount"), QStringLiteral("数量"), QStringLiteral("0.00")),
            [] {
                GridColumn c = GridColumn::text(QStringLiteral("F_DateTime"), QStringLiteral("生产日期"));
                c.displayFormat = QStringLiteral("yyyy-MM-dd");
                return c;
            }(),
            GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注"))};
}

RowSet exportRows()
{
    return RowSet({QStringLiteral("F_Code"), QStringLiteral("F_Name"), QStringLiteral("F_Price"), QStringLiteral("F_Amount"),
                   QStringLiteral("F_DateTime"), QStringLiteral("F_Mem")},
                  {{QStringLiteral("007"), QStringLiteral("张三"), 1234.5, 12.0, QStringLiteral("2026-12-07"), QStringLiteral("1900-08-14")},
                   {QStringLiteral("0100"), QStringLiteral("O'Brien"), -0.125, QVariant(), QStringLiteral("1900-08-14"), QStringLiteral("好")}});
}

} // namespace

class TstGridExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workbookReadsBack();
    void exportOpensTheFileOrSaysWhereItIs_data();
    void exportOpensTheFileOrSaysWhereItIs();
    void fileNamesAreUnique();
};

void TstGridExport::workbookReadsBack()
{
    TestProgram program;
    const QString path = program.path(QStringLiteral("out.xlsx"));
    QString error;
    QVERIFY2(GridExport::writeWorkbook(path, QStringLiteral("生产计件"), exportColumns(), exportRows(), &error), qPrintable(error));
    WorkbookReader reader;
    QVERIFY2(reader.open(path), qPrintable(reader.errorText()));
    QCOMPARE(reader.sheetNames(), QStringList{QStringLiteral("生产计件")});
    const QList<WorkbookReader::Row> rows = reader.rows(0);
    QCOMPARE(rows.size(), 3);
    QStringList titles;
    for (const WorkbookReader::Cell &c : rows.at(0))
        titles.append(c.text);
    QCOMPARE(titles, (QStringList{"员工编号", "姓名", "金额", "数量", "生产日期", "备注"})); // the hidden one too

    const WorkbookReader::Row &first = rows.at(1);
    QCOMPARE(first.at(0).type, WorkbookReader::Cell::Text);
    QCOMPARE(first.at(0).text, QStringLiteral("007"));
    QCOMPARE(first.at(0).numberFormat, QStringLiteral("@"));
    QCOMPARE(first.at(1).text, QStringLiteral("张三"));
    QCOMPARE(first.at(2).type, WorkbookReader::Cell::Number);
    QCOMPARE(first.at(2).number, 1234.5);
    QCOMPARE(first.at(2).numberFormat, QStringLiteral("\"￥\"#,##0.00##;\"-￥\"#,##0.00##"));
    QCOMPARE(first.at(3).number, 12.0);
    QCOMPARE(first.at(3).numberFormat, QStringLiteral("0.00"));
    QCOMPARE(first.at(4).type, WorkbookReader::Cell::Number); // a date serial
    QCOMPARE(first.at(4).number, double(QDate(1899, 12, 30).daysTo(QDate(2026, 12, 7))));
    QCOMPARE(first.at(4).numberFormat, QStringLiteral("yyyy-mm-dd"));
    QCOMPARE(first.at(5).type, WorkbookReader::Cell::Empty); // the placeholder date, as text, too

    const WorkbookReader::Row &second = rows.at(2);
    QCOMPARE(second.at(0).text, QStringLiteral("0100"));
    QCOMPARE(second.at(1).text, QStringLiteral("O'Brien"));
    QCOMPARE(second.at(2).number, -0.125);
    QCOMPARE(second.at(3).type, WorkbookReader::Cell::Empty);
    QCOMPARE(second.at(4).type, WorkbookReader::Cell::Empty);
    QCOMPARE(second.at(5).text, QStringLiteral("好"));
}

void TstGridExport::exportOpensTheFileOrSaysWhereItIs_data()
{
    QTest::addColumn<bool>("opens");
    QTest::newRow("a spreadsheet program opens it") << true;
    QTest::newRow("nothing can open it") << false;
}

void TstGridExport::exportOpensTheFileOrSaysWhereItIs()
{
    QFETCH(bool, opens);
    TestProgram program;
    program.prompter.openSucceeds = opens;
    DataGrid grid;
    grid.setColumns(exportColumns());
    grid.setRows(exportRows());
    grid.clickTitle(0); // the rows go out in the order shown
    grid.clickTitle(0);
    const QString path = ExportGridToExcel(&grid, QStringLiteral("员工资料"), true);
    QVERIFY(QFileInfo(path).isFile());
    QVERIFY(path.startsWith(AppPaths::exportFolder()));
    QVERIFY(QFileInfo(path).fileName().startsWith(QStringLiteral("员工资料_")));
    QCOMPARE(program.prompter.prompts.first().kind, QStringLiteral("open"));
    QCOMPARE(program.prompter.texts(QStringLiteral("information")),
             opens ? QStringList() : QStringList{QStringLiteral("没有找到可以打开电子表格的程序，文件已保存到：") + path});
    WorkbookReader reader;
    QVERIFY(reader.open(path));
    QCOMPARE(reader.textRows(0).at(1).at(0), QStringLiteral("0100"));
}

void TstGridExport::fileNamesAreUnique()
{
    TestProgram program;
    const QDateTime at(QDate(2026, 12, 7), QTime(9, 30, 5));
    const QString first = GridExport::uniqueFileName(program.dir(), QStringLiteral("工资/汇总"), at);
    QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("工资_汇总_20261207_093005.xlsx"));
    writeFile(first, "x");
    QCOMPARE(QFileInfo(GridExport::uniqueFileName(program.dir(), QStringLiteral("工资/汇总"), at)).fileName(),
             QStringLiteral("工资_汇总_20261207_093005(2).xlsx"));
}

QTEST_MAIN(TstGridExport)
#include "tst_gridexport.moc"
