// The shared behaviour of list and statistics windows, on a small test
// window declared the way every real window is.

#include "support/TestProgram.h"

#include "app/AppInfo.h"
#include "app/Clock.h"
#include "app/GridLayouts.h"
#include "app/ui/CheckedDateEdit.h"
#include "app/ui/DataGrid.h"
#include "app/ui/StatsWindow.h"
#include "app/ui/WorkWindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

GridColumns employeeColumns()
{
    return {GridColumn::text(QStringLiteral("F_Code"), QStringLiteral("编码")),
            GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("姓名")),
            GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注信息"))};
}

class EmployeeList : public WorkWindow
{
public:
    EmployeeList()
        : WorkWindow({WindowSpec::List, QStringLiteral("测试名单"), QStringLiteral("testlist"), false,
                      QStringLiteral("名单"),
                      {{Tool::New}, {Tool::Edit}, {Tool::Del}, {Tool::Query}, {Tool::First}, {Tool::Prior},
                       {Tool::Next}, {Tool::Last}, {Tool::Export, QString(), QStringLiteral("输出")}, {Tool::Exit}},
                      employeeColumns()})
    {
        query = new QLineEdit(this);
        query->setObjectName(QStringLiteral("edtQuery"));
        second = new QLineEdit(this);
        second->setObjectName(QStringLiteral("edtSecond"));
        queryBar()->addWidget(query);
        queryBar()->addWidget(second);
    }

    QLineEdit *query;
    QLineEdit *second;
    int queries = 0;
    int news = 0;
    int edits = 0;

protected:
    bool queryRows(RowSet &rows) override
    {
        ++queries;
        return TdmData::instance().OpenQuery(QStringLiteral("select * from t_employee where F_Code like :c || '%' order by F_Code"),
                                             {{QStringLiteral("c"), query->text()}}, rows);
    }
    void onNew() override { ++news; }
    void onEdit() override { ++edits; }
    void onDelete() override
    {
        if (ShowMsg(QStringLiteral("真的要删除当前记录吗？"), MsgQuestion) == MsgOk)
            TdmData::instance().DeleteRecordById(QStringLiteral("t_employee"),
                                                 grid()->rows().value(grid()->currentRow(), QStringLiteral("F_ID")).toLongLong());
    }
};

class Totals : public StatsWindow
{
public:
    Totals()
        : StatsWindow({WindowSpec::Statistics, QStringLiteral("测试统计"), QString(), false, QStringLiteral("统计"),
                       {{Tool::Query}, {Tool::First}, {Tool::Prior}, {Tool::Next}, {Tool::Last}, {Tool::Print},
                        {Tool::Set}, {Tool::Export}, {Tool::Exit}},
                       employeeColumns()})
    {
        addPeriodPickers();
    }

protected:
    bool queryRows(RowSet &rows) override { return TdmData::instance().OpenQuery(QStringLiteral("select * from t_employee"), rows); }
};

void addEmployees(TdmData &dm)
{
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code, F_Name) values('01', '甲'), ('02', '乙'), ('03', '丙')")));
    for (const GridColumn &c : employeeColumns())
        QVERIFY(dm.ExecSql(QStringLiteral("insert into cfg_Grid(F_name, F_FieldName, F_Caption, F_Width, F_Order) "
                                          "values('testlist', :f, :t, 100, :o)"),
                           {{QStringLiteral("f"), c.field}, {QStringLiteral("t"), c.title},
                            {QStringLiteral("o"), columnOfField(employeeColumns(), c.field)}}));
}

QString enabledTools(const WorkWindow &w)
{
    QString state;
    for (Tool t : {Tool::First, Tool::Prior, Tool::Next, Tool::Last})
        state += w.tool(t)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return state;
}

} // namespace

class TstWorkWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void builtFromDeclarations();
    void navigationButtons();
    void keysActWhereverTheFocusIs();
    void enterMovesOnAndNeverQueries();
    void keysOfDisabledButtonsDoNothing();
    void aCellEditorKeepsItsKeys();
    void escapeClosesEvenWhenExitIsGrey();
    void doubleClickEdits();
    void savingTheLayout_data();
    void savingTheLayout();
    void statisticsWindowsWaitForTheirFirstQuery();
};

void TstWorkWindow::builtFromDeclarations()
{
    TestProgram program;
    addEmployees(program.connect());
    EmployeeList w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("测试名单"));
    QCOMPARE(w.tool(Tool::New)->objectName(), QStringLiteral("tbNew"));
    QCOMPARE(w.tool(Tool::New)->text(), QStringLiteral("新增"));
    QCOMPARE(w.tool(Tool::Export)->objectName(), QStringLiteral("tbExport"));
    QCOMPARE(w.tool(Tool::Export)->text(), QStringLiteral("输出"));
    QVERIFY(w.findChild<DataGrid *>(QStringLiteral("DBGridEh1")));
    QCOMPARE(w.queries, 1); // a list window queries as it opens
    QCOMPARE(w.statusPanel(2)->text(), QStringLiteral("记录数：3"));
    QCOMPARE(w.statusPanel(3)->text(), AppInfo::publisherLabel() + QStringLiteral("  "));
    QCOMPARE(w.grid()->columns().at(0).width, 100); // the stored layout
    QVERIFY(w.findChild<QAction *>(QStringLiteral("N1")));
    QCOMPARE(w.findChild<QAction *>(QStringLiteral("N2"))->text(), QStringLiteral("保存当前设置"));
}

void TstWorkWindow::navigationButtons()
{
    TestProgram program;
    addEmployees(program.connect());
    EmployeeList w;
    w.show();
    QCOMPARE(enabledTools(w), QStringLiteral("1111"));
    w.tool(Tool::Prior)->click();
    QCOMPARE(enabledTools(w), QStringLiteral("1111"));
    w.tool(Tool::Prior)->click();
    QCOMPARE(enabledTools(w), QStringLiteral("0011"));
    w.tool(Tool::Next)->click();
    w.tool(Tool::Next)->click();
    QCOMPARE(w.grid()->currentRow(), 2);
    w.tool(Tool::Next)->click();
    QCOMPARE(enabledTools(w), QStringLiteral("1111"));
    w.tool(Tool::Next)->click();
    QCOMPARE(enabledTools(w), QStringLiteral("1100"));
    w.tool(Tool::First)->click();
    QCOMPARE(w.grid()->currentRow(), 0);
    QCOMPARE(enabledTools(w), QStringLiteral("0011"));
}

void TstWorkWindow::keysActWhereverTheFocusIs()
{
    TestProgram program;
    addEmployees(program.connect());
    EmployeeList w;
    w.show();
    QApplication::setActiveWindow(&w);
    w.query->setFocus();
    w.query->setText(QStringLiteral("0"));
    QTest::keyClick(w.query, Qt::Key_End);
    QCOMPARE(w.grid()->currentRow(), 2);
    QTest::keyClick(w.query, Qt::Key_Home);
    QCOMPARE(w.grid()->currentRow(), 0);
    QTest::keyClick(w.query, Qt::Key_PageDown);
    QCOMPARE(w.grid()->currentRow(), 1);
    program.prompter.questionAnswers.enqueue(MsgCancel);
    QTest::keyClick(w.query, Qt::Key_Delete);
    QCOMPARE(program.prompter.texts(QStringLiteral("question")), QStringList{QStringLiteral("真的要删除当前记录吗？")});
    QCOMPARE(w.query->text(), QStringLiteral("0")); // the key went to the window, not the box
    QCOMPARE(program.dm().QueryInteger(QStringLiteral("select count(*) from t_employee")), 3);
    QTest::keyClick(w.query, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.query, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(w.news, 1);
    QCOMPARE(w.edits, 1);
    QTest::keyClick(w.query, Qt::Key_Q, Qt::ControlModifier);
    QTRY_COMPARE(w.queries, 2);
}

void TstWorkWindow::enterMovesOnAndNeverQueries()
{
    TestProgram program;
    addEmployees(program.connect());
    EmployeeList w;
    w.show();
    QApplication::setActiveWindow(&w);
    w.query->setFocus();
    QTest::keyClicks(w.query, QStringLiteral("02"));
    QTest::keyClick(w.query, Qt::Key_Return);
    QCOMPARE(w.queries, 1);
    QVERIFY(w.second->hasFocus());
    w.tool(Tool::Query)->click();
    QCOMPARE(w.grid()->rowCount(), 1);
}

void TstWorkWindow::keysOfDisabledButtonsDoNothing()
{
    TestProgram program;
    addEmployees(program.connect());
    EmployeeList w;
    w.show();
    QApplication::setActiveWindow(&w);
    w.tool(Tool::Del)->setEnabled(false);
    w.tool(Tool::New)->setEnabled(false);
    w.query->setFocus();
    QTest::keyClick(w.query, Qt::Key_Delete);
    QTest::keyClick(w.query, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(program.prompter.prompts.isEmpty());
    QCOMPARE(w.news, 0);
}

void TstWorkWindow::aCellEditorKeepsItsKeys()
{
    TestProgram program;
    addEmployees(program.connect());
    EmployeeList w;
    w.show();
    QApplication::setActiveWindow(&w);
    w.grid()->setEditable(true);
    const QModelIndex name = w.grid()->model()->index(1, 1);
    w.grid()->view()->setCurrentIndex(name);
    w.grid()->view()->edit(name);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    editor->setCursorPosition(0);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_End);
    QVERIFY(program.prompter.prompts.isEmpty()); // no question to delete the row
    QCOMPARE(editor->text(), QString());          // the one character went
    QCOMPARE(w.grid()->currentRow(), 1);          // End stayed in the editor
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(w.isVisible()); // Esc ends the edit, not the window
}

void TstWorkWindow::escapeClosesEvenWhenExitIsGrey()
{
    TestProgram program;
    addEmployees(program.connect());
    EmployeeList w;
    w.show();
    QApplication::setActiveWindow(&w);
    w.tool(Tool::Exit)->setEnabled(false);
    w.query->setFocus();
    QTest::keyClick(w.query, Qt::Key_Escape);
    QVERIFY(!w.isVisible());
}

void TstWorkWindow::doubleClickEdits()
{
    TestProgram program;
    addEmployees(program.connect());
    EmployeeList w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTableView *view = w.grid()->view();
    const QModelIndex cell = w.grid()->model()->index(1, 1);
    Q_EMIT view->doubleClicked(cell); // as the view reports a double-click
    QCOMPARE(w.edits, 1);
    w.tool(Tool::Edit)->setEnabled(false);
    Q_EMIT view->doubleClicked(cell);
    QCOMPARE(w.edits, 1);
}

void TstWorkWindow::savingTheLayout_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("OK saves") << int(MsgOk);
    QTest::newRow("Cancel writes nothing") << int(MsgCancel);
}

void TstWorkWindow::savingTheLayout()
{
    QFETCH(int, answer);
    TestProgram program;
    addEmployees(program.connect());
    {
        EmployeeList w;
        w.show();
        w.grid()->setColumnVisible(1, false);
        program.prompter.questionAnswers.enqueue(answer);
        w.findChild<QAction *>(QStringLiteral("N2"))->trigger();
        QCOMPARE(program.prompter.texts(QStringLiteral("question")), QStringList{QStringLiteral("真的要保存当前网格设置吗？")});
    }
    EmployeeList again;
    again.show();
    QCOMPARE(again.grid()->isColumnVisible(1), answer != MsgOk);
}

void TstWorkWindow::statisticsWindowsWaitForTheirFirstQuery()
{
    TestProgram program;
    addEmployees(program.connect());
    FixedClock clock(QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
    Clock::install(&clock);
    Totals w;
    w.show();
    for (Tool t : {Tool::First, Tool::Prior, Tool::Next, Tool::Last, Tool::Print, Tool::Set, Tool::Export})
        QVERIFY(!w.tool(t)->isEnabled());
    QVERIFY(w.tool(Tool::Query)->isEnabled());
    QCOMPARE(w.grid()->rowCount(), 0); // no query on opening
    QCOMPARE(w.findChild<CheckedDateEdit *>(QStringLiteral("dtpFromDate"))->date(), QDate(2026, 12, 1));
    QCOMPARE(w.findChild<CheckedDateEdit *>(QStringLiteral("dtpToDate"))->date(), QDate(2026, 12, 11));
    w.fromDate()->setChecked(false);
    QVERIFY(!w.fromDate()->bound());
    QCOMPARE(*w.toDate()->bound(), QDate(2026, 12, 11));
    w.tool(Tool::Query)->click();
    for (Tool t : {Tool::First, Tool::Prior, Tool::Next, Tool::Last, Tool::Print, Tool::Set, Tool::Export})
        QVERIFY(w.tool(t)->isEnabled());
    QCOMPARE(w.statusPanel(2)->text(), QStringLiteral("记录数/3"));
    Clock::install(nullptr);
}

QTEST_MAIN(TstWorkWindow)
#include "tst_workwindow.moc"
