// The grid: sorting by title, footers, Enter, copying, in-place edits, the
// column picker.

#include "support/TestProgram.h"

#include "report/ReportTestSupport.h"

#include "app/ui/DataGrid.h"
#include "app/ui/GridServices.h"
#include "app/ui/TFrmDispFieldXZ.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

RowSet sample()
{
    return RowSet({QStringLiteral("F_Code"), QStringLiteral("F_Name"), QStringLiteral("F_Amount"), QStringLiteral("F_Mem")},
                  {{QStringLiteral("003"), QStringLiteral("王五"), 2.5, QStringLiteral("b")},
                   {QStringLiteral("001"), QStringLiteral("张三"), 10.0, QStringLiteral("c")},
                   {QStringLiteral("010"), QStringLiteral("李四"), QVariant(), QStringLiteral("a")},
                   {QStringLiteral("002"), QStringLiteral("赵六"), 0.125, QString()}});
}

GridColumns sampleColumns()
{
    return {GridColumn::text(QStringLiteral("F_Code"), QStringLiteral("编号")).withFooterText(QStringLiteral("合计：")),
            GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("姓名")),
            GridColumn::number(QStringLiteral("F_Amount"), QStringLiteral("金额"), QStringLiteral("￥,0.00;-￥,0.00")).withSum(),
            GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注"))};
}

QStringList codes(const DataGrid &grid)
{
    QStringList result;
    for (int r = 0; r < grid.rowCount(); ++r)
        result.append(grid.rows().text(r, QStringLiteral("F_Code")));
    return result;
}

} // namespace

class TstDataGrid : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modelPassesTheModelChecker();
    void titleClicksSort_data();
    void titleClicksSort();
    void noSortingBeforeTheFirstQuery();
    void footersFollowTheRows();
    void enterMovesToTheNextVisibleColumn();
    void copyingGivesTabSeparatedRows();
    void editsKeepNumbersNumbers();
    void enterInACellEditorStoresAndMovesOn();
    void columnPicker_data();
    void columnPicker();
    void retiredRowsInRed();
    void printingTakesTheGridAsShown();
};

void TstDataGrid::modelPassesTheModelChecker()
{
    GridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setColumns(sampleColumns());
    model.setRows(sample());
    model.sortBy(1, Qt::DescendingOrder);
    model.setEditable(true);
    QVERIFY(model.setData(model.index(0, 1), QStringLiteral("新名字"), Qt::EditRole));
    model.setColumns(sampleColumns().mid(0, 2));
}

void TstDataGrid::titleClicksSort_data()
{
    QTest::addColumn<bool>("descendingFirst");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("marker");
    const QStringList statement{"003", "001", "010", "002"};
    QTest::newRow("first click ascending") << false << 0 << 1 << QStringList{"001", "002", "003", "010"}
                                           << int(DataGrid::Marker::Ascending);
    QTest::newRow("second click descending") << false << 0 << 2 << QStringList{"010", "003", "002", "001"}
                                             << int(DataGrid::Marker::Descending);
    QTest::newRow("third click ascending again") << false << 0 << 3 << QStringList{"001", "002", "003", "010"}
                                                 << int(DataGrid::Marker::Ascending);
    QTest::newRow("numbers by value, empty first") << false << 2 << 1 << QStringList{"010", "002", "003", "001"}
                                                   << int(DataGrid::Marker::Ascending);
    QTest::newRow("descending-first window") << true << 0 << 1 << QStringList{"010", "003", "002", "001"}
                                             << int(DataGrid::Marker::Descending);
    QTest::newRow("remarks flip the marker only") << false << 3 << 2 << statement << int(DataGrid::Marker::Descending);
}

void TstDataGrid::titleClicksSort()
{
    QFETCH(bool, descendingFirst);
    QFETCH(int, column);
    QFETCH(int, clicks);
    QFETCH(QStringList, order);
    QFETCH(int, marker);
    DataGrid grid;
    grid.setDescendingFirst(descendingFirst);
    grid.setColumns(sampleColumns());
    grid.setRows(sample());
    grid.clickTitle(1); // another column's marker stays as it was
    grid.setRows(sample());
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    // The first click by mouse on the title, the others straight on.
    QTest::mouseClick(grid.view()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(grid.view()->horizontalHeader()->sectionViewportPosition(column) + 10, 5));
    for (int i = 1; i < clicks; ++i)
        grid.clickTitle(column);
    QCOMPARE(codes(grid), order);
    QCOMPARE(int(grid.marker(column)), marker);
    QCOMPARE(grid.marker(1), descendingFirst ? DataGrid::Marker::Descending : DataGrid::Marker::Ascending);
}

void TstDataGrid::noSortingBeforeTheFirstQuery()
{
    DataGrid grid;
    grid.setColumns(sampleColumns());
    grid.clickTitle(0);
    QCOMPARE(grid.marker(0), DataGrid::Marker::None);
}

void TstDataGrid::footersFollowTheRows()
{
    DataGrid grid;
    grid.setColumns(sampleColumns());
    grid.setRows(sample());
    GridModel *model = grid.model();
    QCOMPARE(model->footerText(0), QStringLiteral("合计："));
    QCOMPARE(model->footerText(1), QString());
    QCOMPARE(model->footerText(2), QStringLiteral("￥12.63")); // 12.625 rounded half away
    grid.clickTitle(2);
    grid.setColumnVisible(2, false);
    QCOMPARE(model->footerText(2), QStringLiteral("￥12.63"));
    QCOMPARE(model->columnSum(2), 12.625);
    grid.setColumnVisible(2, true);
    model->setValue(0, QStringLiteral("F_Amount"), -20.0); // the empty amount, first after sorting
    QCOMPARE(model->footerText(2), QStringLiteral("-￥7.38"));
}

void TstDataGrid::enterMovesToTheNextVisibleColumn()
{
    DataGrid grid;
    grid.setColumns(sampleColumns());
    grid.setRows(sample());
    grid.setColumnVisible(1, false);
    grid.show();
    grid.view()->setCurrentIndex(grid.model()->index(1, 0));
    QList<int> visited;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(grid.view(), Qt::Key_Return);
        visited.append(grid.view()->currentIndex().column());
        QCOMPARE(grid.view()->currentIndex().row(), 1);
    }
    QCOMPARE(visited, (QList<int>{2, 3, 0}));
}

void TstDataGrid::copyingGivesTabSeparatedRows()
{
    DataGrid grid;
    grid.setColumns(sampleColumns());
    grid.setRows(sample());
    grid.setMultiSelect(true);
    grid.setColumnVisible(3, false);
    grid.view()->selectRow(1);
    grid.view()->selectionModel()->select(grid.model()->index(3, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(grid.selectedRows(), (QList<int>{1, 3}));
    QCOMPARE(grid.selectionText(), QStringLiteral("001\t张三\t￥10.00\n002\t赵六\t￥0.13"));
}

void TstDataGrid::editsKeepNumbersNumbers()
{
    DataGrid grid;
    GridColumns columns = sampleColumns();
    columns[0].readOnly = true;
    grid.setColumns(columns);
    grid.setRows(sample());
    grid.setEditable(true);
    GridModel *model = grid.model();
    QSignalSpy edited(model, &GridModel::cellEdited);
    QVERIFY(!model->setData(model->index(0, 0), QStringLiteral("999"), Qt::EditRole)); // read-only
    QVERIFY(!model->setData(model->index(0, 2), QStringLiteral("十块"), Qt::EditRole));
    QVERIFY(model->setData(model->index(0, 2), QStringLiteral(" 3.5 "), Qt::EditRole));
    QCOMPARE(model->value(0, 2), QVariant(3.5));
    QVERIFY(model->setData(model->index(2, 1), QStringLiteral("O'Neil"), Qt::EditRole));
    QCOMPARE(edited.size(), 2);
    QCOMPARE(edited.at(0).at(1).toString(), QStringLiteral("F_Amount"));
    QCOMPARE(edited.at(0).at(2), QVariant(2.5));
    QCOMPARE(model->footerText(2), QStringLiteral("￥13.63"));
}

void TstDataGrid::enterInACellEditorStoresAndMovesOn()
{
    DataGrid grid;
    grid.setColumns(sampleColumns());
    grid.setRows(sample());
    grid.setEditable(true);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    const QModelIndex amount = grid.model()->index(1, 2);
    grid.view()->setCurrentIndex(amount);
    grid.view()->edit(amount);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("0.755"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid.view()->currentIndex().column(), 3);
    QCOMPARE(grid.model()->value(1, 2), QVariant(0.755)); // four decimals survive the editor
    QCOMPARE(grid.view()->currentIndex().row(), 1);
}

void TstDataGrid::columnPicker_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<bool>>("visible");
    QTest::newRow("确定 applies the ticks") << QStringLiteral("btnOk") << QList<bool>{true, false, true, true};
    QTest::newRow("取消 changes nothing") << QStringLiteral("btnCancel") << QList<bool>{true, true, true, false};
}

void TstDataGrid::columnPicker()
{
    QFETCH(QString, button);
    QFETCH(QList<bool>, visible);
    DataGrid grid;
    GridColumns columns = sampleColumns();
    columns[3].visible = false;
    grid.setColumns(columns);
    TFrmDispFieldXZ picker(&grid);
    QCOMPARE(picker.windowTitle(), QStringLiteral("字段列表"));
    auto *list = picker.findChild<QListWidget *>(QStringLiteral("CheckListBox1"));
    QVERIFY(list);
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->item(1)->text(), QStringLiteral("姓名"));
    QCOMPARE(list->item(3)->checkState(), Qt::Unchecked);
    list->item(1)->setCheckState(Qt::Unchecked);
    list->item(3)->setCheckState(Qt::Checked);
    picker.findChild<QPushButton *>(button)->click();
    QList<bool> shown;
    for (int c = 0; c < 4; ++c)
        shown.append(grid.isColumnVisible(c));
    QCOMPARE(shown, visible);
}

void TstDataGrid::retiredRowsInRed()
{
    GridModel model;
    model.setColumns({GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("姓名"))});
    model.setRows(RowSet({QStringLiteral("F_Name"), QStringLiteral("F_Flag")}, {{QStringLiteral("在职"), 0}, {QStringLiteral("离职"), 1}}));
    model.setRowStyle(GridModel::retiredRows(QStringLiteral("F_Flag")));
    QVERIFY(!model.data(model.index(0, 0), Qt::ForegroundRole).isValid());
    QCOMPARE(model.data(model.index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    QCOMPARE(model.data(model.index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(240, 240, 240));
}

void TstDataGrid::printingTakesTheGridAsShown()
{
    TestProgram program;
    RecordingViewer viewer;
    DataGrid grid;
    grid.setColumns(sampleColumns());
    grid.setRows(sample());
    grid.setColumnVisible(1, false);
    grid.clickTitle(0);
    PrintGrid(&grid, QStringLiteral("工资汇总"), QStringLiteral("日期：自 2026-12-01 至 2026-12-11"), QStringLiteral("date"));
    QCOMPARE(viewer.previews.size(), 1);
    const QString html = viewer.previews.first().html;
    QVERIFY(html.contains(QStringLiteral("工资汇总")));
    QVERIFY(html.contains(QStringLiteral("编号")));
    QVERIFY(!html.contains(QStringLiteral("姓名"))); // hidden
    QVERIFY(!html.contains(QStringLiteral("张三")));
    QVERIFY(html.contains(QStringLiteral("￥10.00")));
    QVERIFY(html.contains(QStringLiteral("￥12.63")));
    QVERIFY(html.indexOf(QStringLiteral("001")) < html.indexOf(QStringLiteral("010"))); // sorted as shown
}

QTEST_MAIN(TstDataGrid)
#include "tst_datagrid.moc"
