// The employee windows bound to their store: list, edit dialog, picker.

#include "support/TestProgram.h"
#include "report/ReportTestSupport.h"

#include "app/ui/DataGrid.h"
#include "masterdata/TDlgEmpXz.h"
#include "masterdata/TfrmEmpEdit.h"
#include "masterdata/TfrmEmpMan.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

void addStaff(TdmData &dm)
{
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code, F_Name, F_Sex, F_Dept, F_Flag) values"
                                      "('01', '王小明', '男', '缝纫', 0), ('02', '李红', '女', '包装', 0), ('03', '赵六', '女', '包装', 1)")));
}

// Runs `act` on the modal dialog that the next exec() shows.
template<typename Dialog, typename Act>
void whenShown(Act act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<Dialog *>(w); dialog && dialog->isVisible()) {
                act(dialog);
                return;
            }
    });
}

} // namespace

class TstEmployeeWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listShowsEmployeesInService();
    void queryTypesSwitchTheValueBox();
    void editingAnEmptyListIsRefused();
    void addingSeveralInARow();
    void changeModeEditsTheCurrentRow();
    void pickerReturnsTheChosenOrTheGivenCode();
    void printsTheListAsShown();
};

void TstEmployeeWindows::listShowsEmployeesInService()
{
    TestProgram program;
    addStaff(program.connect());
    TfrmEmpMan w;
    w.show();
    QCOMPARE(w.windowTitle(), QStringLiteral("员工资料管理"));
    QCOMPARE(w.grid()->rowCount(), 2);
    QCOMPARE(w.grid()->model()->column(6).title, QStringLiteral("工资卡号"));
    QVERIFY(w.findChild<QToolButton *>(QStringLiteral("tbset")));
    w.findChild<QCheckBox *>(QStringLiteral("CheckBox2"))->click();
    QCOMPARE(w.grid()->rowCount(), 3);
    QCOMPARE(w.grid()->model()->data(w.grid()->model()->index(2, 0), Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
}

void TstEmployeeWindows::queryTypesSwitchTheValueBox()
{
    TestProgram program;
    addStaff(program.connect());
    TfrmEmpMan w;
    w.show();
    auto *type = w.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
    auto *value = w.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    auto *choice = w.findChild<QComboBox *>(QStringLiteral("ComboBox2"));
    QCOMPARE(type->currentIndex(), -1);
    type->setCurrentIndex(2); // 性别
    QVERIFY(!value->isVisible());
    QVERIFY(choice->isVisible());
    QCOMPARE(choice->count(), 2);
    QCOMPARE(w.grid()->rowCount(), 2); // changing the type runs nothing
    choice->setCurrentText(QStringLiteral("女"));
    w.findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
    QCOMPARE(w.grid()->rowCount(), 1);
    type->setCurrentIndex(3); // 部门: the departments in use
    QCOMPARE(choice->count(), 2);
    type->setCurrentIndex(1); // 姓名
    QVERIFY(value->isVisible());
    value->setText(QStringLiteral("小"));
    w.findChild<QToolButton *>(QStringLiteral("SpeedButton1"))->click();
    QCOMPARE(w.grid()->rowCount(), 1);
}

void TstEmployeeWindows::editingAnEmptyListIsRefused()
{
    TestProgram program;
    program.connect();
    TfrmEmpMan w;
    w.show();
    w.tool(Tool::Edit)->click();
    QCOMPARE(program.prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("此表为空，没有记录需要修改！")});
    w.tool(Tool::Del)->click(); // nothing to delete: no question
    QCOMPARE(program.prompter.prompts.size(), 1);
}

void TstEmployeeWindows::addingSeveralInARow()
{
    TestProgram program;
    addStaff(program.connect());
    TfrmEmpMan list;
    list.show();
    TfrmEmpEdit dialog(TfrmEmpEdit::Mode::Add, list.grid(), [&list](const QString &code) { list.reloadAt(code); });
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("员工档案信息 - 新增"));
    dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(true);
    for (const char *code : {"10", "11"}) {
        dialog.findChild<QLineEdit *>(QStringLiteral("edtcode"))->setText(QString::fromLatin1(code));
        dialog.findChild<QLineEdit *>(QStringLiteral("edtName"))->setText(QStringLiteral("新员工"));
        dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("edtcode"))->text(), QString());
        QCOMPARE(list.grid()->rows().text(list.grid()->currentRow(), QStringLiteral("F_Code")), QString::fromLatin1(code));
    }
    dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(false);
    dialog.findChild<QLineEdit *>(QStringLiteral("edtcode"))->setText(QStringLiteral("01"));
    dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QVERIFY(dialog.isVisible());
    QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("员工编号重复，请重新输入！")});
    dialog.findChild<QLineEdit *>(QStringLiteral("edtcode"))->setText(QStringLiteral("12"));
    dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(list.grid()->rowCount(), 5);
}

void TstEmployeeWindows::changeModeEditsTheCurrentRow()
{
    TestProgram program;
    addStaff(program.connect());
    TfrmEmpMan list;
    list.show();
    list.grid()->setCurrentRow(1);
    TfrmEmpEdit dialog(TfrmEmpEdit::Mode::Change, list.grid(), [&list](const QString &code) { list.reloadAt(code); });
    dialog.show();
    auto *code = dialog.findChild<QLineEdit *>(QStringLiteral("edtcode"));
    QCOMPARE(code->text(), QStringLiteral("02"));
    QVERIFY(code->isReadOnly());
    QVERIFY(!dialog.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->isVisible());
    dialog.findChild<QToolButton *>(QStringLiteral("DBNavigator1_0"))->click(); // first
    QCOMPARE(code->text(), QStringLiteral("01"));
    dialog.findChild<QCheckBox *>(QStringLiteral("cbFlag"))->setChecked(true);
    dialog.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(program.dm().QueryInteger(QStringLiteral("select F_Flag from t_employee where F_Code = '01'")), 1);
    QCOMPARE(list.grid()->rowCount(), 1); // he left the list at once
}

void TstEmployeeWindows::pickerReturnsTheChosenOrTheGivenCode()
{
    TestProgram program;
    addStaff(program.connect());
    whenShown<TDlgEmpXz>([](TDlgEmpXz *d) { d->findChild<QPushButton *>(QStringLiteral("BitBtn2"))->click(); });
    QCOMPARE(PickEmployee(QStringLiteral("99")), QStringLiteral("99"));

    whenShown<TDlgEmpXz>([](TDlgEmpXz *d) {
        QCOMPARE(d->grid()->rowCount(), 2); // in service only
        d->findChild<QLineEdit *>(QStringLiteral("edtName"))->setText(QStringLiteral("赵"));
        d->findChild<QPushButton *>(QStringLiteral("BitBtn3"))->click();
        d->grid()->setCurrentRow(0);
        Q_EMIT d->grid()->view()->doubleClicked(d->grid()->model()->index(0, 0));
    });
    QCOMPARE(PickEmployee(QStringLiteral("01")), QStringLiteral("03"));

    whenShown<TDlgEmpXz>([](TDlgEmpXz *d) {
        d->findChild<QLineEdit *>(QStringLiteral("edtCode"))->setText(QStringLiteral("x"));
        d->findChild<QPushButton *>(QStringLiteral("BitBtn3"))->click();
        d->findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    });
    QCOMPARE(PickEmployee(QStringLiteral("01")), QStringLiteral("01")); // confirmed on an empty list
}

void TstEmployeeWindows::printsTheListAsShown()
{
    TestProgram program;
    addStaff(program.connect());
    installDeliveredTemplates(program);
    RecordingViewer viewer;
    TfrmEmpMan w;
    w.show();
    w.tool(Tool::Print)->click();
    QCOMPARE(viewer.previews.size(), 1);
    const QString text = viewer.previews.first().pageTexts.join(QLatin1Char('\n'));
    QVERIFY(text.contains(QStringLiteral("王小明")));
    QVERIFY(!text.contains(QStringLiteral("赵六"))); // not listed, not printed
    w.findChild<QToolButton *>(QStringLiteral("tbset"))->click();
    QCOMPARE(viewer.designs, 1);
    QVERIFY(program.prompter.prompts.isEmpty());
}

QTEST_MAIN(TstEmployeeWindows)
#include "tst_employeewindows.moc"
