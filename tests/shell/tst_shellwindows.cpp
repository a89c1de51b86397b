// The login dialog and the operator windows bound to their rules.

#include "support/TestProgram.h"

#include "app/AppInfo.h"
#include "app/PasswordScrambler.h"
#include "app/ui/DataGrid.h"
#include "shell/OperatorStore.h"
#include "shell/TFrmLimitGl.h"
#include "shell/TFrmMain.h"
#include "shell/TfrmModPass.h"
#include "shell/TfrmOperGl.h"
#include "shell/TfrmOperLogin.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QAction>

namespace {

template<typename T>
T *child(QWidget *w, const char *name)
{
    T *found = w->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

void press(QWidget *w, const char *button) { child<QPushButton>(w, button)->click(); }

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
        qWarning("the dialog was not shown");
    });
}

void addOperator(TdmData &dm, const QString &name, const QString &password, const QStringList &permissions = {})
{
    Operator op;
    op.name = name;
    op.password = op.repeated = password;
    op.permissions = permissions;
    QCOMPARE(OperatorStore(dm).save(op, true), OperatorStore::SaveResult::Saved);
}

} // namespace

class TstShellWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loginTextsAndOrder();
    void loginByKeyboard();
    void loginCannotBeLeftByKeys();
    void loginEndings_data();
    void loginEndings();
    void reloginKeepsTheOldOperatorWhenCancelled();

    void operatorList();
    void addingSeveralOperatorsInARow();
    void changingAnOperator();
    void ownPasswordDialog();
};

void TstShellWindows::loginTextsAndOrder()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addOperator(dm, QStringLiteral("wang"), QString());
    dm.config().writeString(QStringLiteral("Config"), QStringLiteral("CurOperName"), QStringLiteral("wang"));
    TfrmOperLogin login(LoginRules::Mode::Startup, nullptr);
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    QCOMPARE(login.windowTitle(), QStringLiteral("登录窗口"));
    QVERIFY(!(login.windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(child<QLabel>(&login, "Label3")->text(),
             QStringLiteral("请输入正确的操作员编号及密码，系统超级用户“admin”，系统初始密码为空："));
    auto *name = child<QComboBox>(&login, "cbbOperName");
    auto *password = child<QLineEdit>(&login, "edtPassWord");
    QVERIFY(name->isEditable());
    QCOMPARE(name->currentText(), QStringLiteral("wang"));
    QCOMPARE(name->count(), 2);
    QCOMPARE(password->echoMode(), QLineEdit::Password);
    QCOMPARE(child<QPushButton>(&login, "btnOk")->text(), QStringLiteral("确定"));
    QCOMPARE(child<QPushButton>(&login, "btnCancel")->text(), QStringLiteral("取消"));

    // Tab order: 确定, 取消, password, name, and round again.
    QStringList order;
    child<QPushButton>(&login, "btnOk")->setFocus();
    for (int i = 0; i < 5; ++i) {
        QWidget *focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty())
            focus = focus->parentWidget();
        order.append(focus ? focus->objectName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, (QStringList{QStringLiteral("btnOk"), QStringLiteral("btnCancel"), QStringLiteral("edtPassWord"),
                                 QStringLiteral("cbbOperName"), QStringLiteral("btnOk")}));
}

void TstShellWindows::loginByKeyboard()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addOperator(dm, QStringLiteral("wang"), QStringLiteral("pw"));
    TfrmOperLogin login(LoginRules::Mode::Startup, nullptr);
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    auto *name = child<QComboBox>(&login, "cbbOperName");
    auto *password = child<QLineEdit>(&login, "edtPassWord");
    password->setFocus();
    QTest::keyClicks(password, QStringLiteral("pw"));
    QTest::keyClick(password, Qt::Key_Return); // Enter moves on: to the name
    QVERIFY(name->hasFocus());
    name->setEditText(QStringLiteral("wang"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(child<QPushButton>(&login, "btnOk")->hasFocus());
    QVERIFY(login.isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // on the button: pressed
    QVERIFY(!login.isVisible());
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(login.outcome(), LoginRules::Outcome::LoggedIn);
    QCOMPARE(CurrentOperator(), QStringLiteral("wang"));
}

void TstShellWindows::loginCannotBeLeftByKeys()
{
    TestProgram program;
    program.connect();
    TfrmOperLogin login(LoginRules::Mode::Startup, nullptr);
    login.show();
    QVERIFY(QTest::qWaitForWindowActive(&login));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::AltModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(login.isVisible());
    QCOMPARE(login.outcome(), LoginRules::Outcome::Stay);
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstShellWindows::loginEndings_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("wrongPasswords");
    QTest::addColumn<int>("outcome");
    QTest::newRow("cancel at start-up ends the program") << int(LoginRules::Mode::Startup) << 0 << int(LoginRules::Outcome::EndProgram);
    QTest::newRow("cancel of a change") << int(LoginRules::Mode::ChangeOperator) << 0 << int(LoginRules::Outcome::Cancelled);
    QTest::newRow("four wrong at start-up") << int(LoginRules::Mode::Startup) << 4 << int(LoginRules::Outcome::EndProgram);
    QTest::newRow("four wrong in a change") << int(LoginRules::Mode::ChangeOperator) << 4 << int(LoginRules::Outcome::Cancelled);
}

void TstShellWindows::loginEndings()
{
    QFETCH(int, mode);
    QFETCH(int, wrongPasswords);
    QFETCH(int, outcome);
    TestProgram program;
    program.connect();
    TfrmOperLogin login(static_cast<LoginRules::Mode>(mode), nullptr);
    login.show();
    child<QComboBox>(&login, "cbbOperName")->setEditText(QStringLiteral("admin"));
    child<QLineEdit>(&login, "edtPassWord")->setText(QStringLiteral("x"));
    for (int i = 0; i < wrongPasswords; ++i) {
        QVERIFY(login.isVisible());
        press(&login, "btnOk");
    }
    if (wrongPasswords == 0)
        press(&login, "btnCancel");
    QVERIFY(!login.isVisible());
    QCOMPARE(login.result(), int(QDialog::Rejected));
    QCOMPARE(int(login.outcome()), outcome);
}

void TstShellWindows::reloginKeepsTheOldOperatorWhenCancelled()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addOperator(dm, QStringLiteral("li"), QString(), {QStringLiteral("数据备份恢复")});
    TFrmMain w;
    {
        TfrmOperLogin login(LoginRules::Mode::Startup, &w);
        login.show();
        child<QComboBox>(&login, "cbbOperName")->setEditText(QStringLiteral("admin"));
        press(&login, "btnOk");
        QCOMPARE(login.outcome(), LoginRules::Outcome::LoggedIn);
    }
    QCOMPARE(w.statusPanel(1)->text(), QStringLiteral(" admin"));
    QVERIFY(w.action(QStringLiteral("Action101"))->isVisible());

    whenShown<TfrmOperLogin>([](TfrmOperLogin *login) { press(login, "btnCancel"); });
    child<QToolButton>(&w, "ToolButton1")->click();
    QCOMPARE(CurrentOperator(), QStringLiteral("admin"));
    QCOMPARE(w.statusPanel(1)->text(), QStringLiteral(" admin"));
    QVERIFY(w.action(QStringLiteral("Action101"))->isVisible());

    whenShown<TfrmOperLogin>([](TfrmOperLogin *login) {
        child<QComboBox>(login, "cbbOperName")->setEditText(QStringLiteral("li"));
        press(login, "btnOk");
    });
    child<QToolButton>(&w, "ToolButton1")->click();
    QCOMPARE(CurrentOperator(), QStringLiteral("li"));
    QCOMPARE(w.statusPanel(1)->text(), QStringLiteral(" li"));
    QVERIFY(!w.action(QStringLiteral("Action101"))->isVisible());
    QVERIFY(w.action(QStringLiteral("Action402"))->isVisible());
}

void TstShellWindows::operatorList()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addOperator(dm, QStringLiteral("wang"), QString());
    QVERIFY(dm.ExecSql(QStringLiteral("update OperList set F_Mem = '车间主任' where F_Name = 'wang'")));
    QVERIFY(dm.ExecSql(QStringLiteral("insert into OperList(F_Name, F_PassWord, F_Flag) values('zhao', '', 1)")));
    TfrmOperGl list;
    list.show();
    QCOMPARE(list.windowTitle(), QStringLiteral("操作员权限管理"));
    QCOMPARE(list.grid()->columns().size(), 1);
    QCOMPARE(list.grid()->columns().first().title, QStringLiteral("操作员"));
    QCOMPARE(list.grid()->rowCount(), 2);
    QCOMPARE(child<QPlainTextEdit>(&list, "DBMemo1")->toPlainText(), QStringLiteral("系统超级用户"));
    QVERIFY(child<QPlainTextEdit>(&list, "DBMemo1")->isReadOnly());

    press(&list, "Button2"); // 修改 on admin
    press(&list, "Button3"); // 删除 on admin
    QCOMPARE(program.prompter.texts(QStringLiteral("error")),
             (QStringList{QStringLiteral("此用户为系统默认用户，不能修改和编辑！"), QStringLiteral("此用户为系统默认用户，不能删除！")}));

    list.grid()->setCurrentRow(1);
    QCOMPARE(child<QPlainTextEdit>(&list, "DBMemo1")->toPlainText(), QStringLiteral("车间主任"));
    child<QCheckBox>(&list, "CheckBox1")->click();
    QCOMPARE(list.grid()->rowCount(), 3);

    program.prompter.clear();
    list.grid()->setCurrentRow(1);
    press(&list, "Button3");
    QCOMPARE(program.prompter.texts(QStringLiteral("question")), QStringList{QStringLiteral("真的要删除当前操作员 \"wang\" 吗？")});
    QCOMPARE(list.grid()->rowCount(), 2);

    press(&list, "Button4");
    QVERIFY(!list.isVisible());
}

void TstShellWindows::addingSeveralOperatorsInARow()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code, F_Name) values('01', '王小明'), ('02', '李红')")));
    TfrmOperGl list;
    list.show();
    whenShown<TFrmLimitGl>([&list](TFrmLimitGl *dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("操作员"));
        QListWidget *permissions = dialog->permissionList();
        QCOMPARE(permissions->count(), 26);
        // Two columns: the fourteenth permission stands beside the first.
        const QRect first = permissions->visualItemRect(permissions->item(0));
        const QRect fourteenth = permissions->visualItemRect(permissions->item(13));
        QCOMPARE(fourteenth.top(), first.top());
        QVERIFY(fourteenth.left() >= permissions->viewport()->width() / 2 - 2);
        QVERIFY(fourteenth.right() <= permissions->viewport()->width());

        // The name box offers the employees when it gets the focus.
        auto *name = child<QComboBox>(dialog, "cbbName");
        name->setFocus();
        QCOMPARE(name->count(), 2);
        QCOMPARE(name->currentText(), QString());

        name->setEditText(QStringLiteral("王小明"));
        child<QLineEdit>(dialog, "edtPassWord")->setText(QStringLiteral("1"));
        child<QLineEdit>(dialog, "edtRepPass")->setText(QStringLiteral("1"));
        press(dialog, "Button1"); // 全选
        press(dialog, "BitBtn1");
        QVERIFY(dialog->isVisible());
        QCOMPARE(name->currentText(), QString());
        QCOMPARE(dialog->entries().permissions, QStringList{});
        QCOMPARE(list.grid()->rows().text(list.grid()->currentRow(), QStringLiteral("F_Name")), QStringLiteral("王小明"));

        name->setEditText(QStringLiteral("李红"));
        permissions->item(3)->setCheckState(Qt::Checked);
        press(dialog, "BitBtn1");
        QVERIFY(dialog->isVisible());
        name->setEditText(QStringLiteral("李红"));
        press(dialog, "BitBtn1"); // now a duplicate
        QCOMPARE(child<QComboBox>(dialog, "cbbName")->currentText(), QStringLiteral("李红"));
        press(dialog, "BitBtn2");
    });
    press(&list, "Button1");
    QCOMPARE(list.grid()->rowCount(), 3);
    QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("操作员名称重复，请重新输入！")});
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from OperLimit where F_OperName = '王小明'")), 26);
    QCOMPARE(dm.QueryString(QStringLiteral("select F_lmtName from OperLimit where F_OperName = '李红'")), QStringLiteral("人事档案管理"));
}

void TstShellWindows::changingAnOperator()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addOperator(dm, QStringLiteral("wang"), QStringLiteral("abc"), {QStringLiteral("更改密码"), QStringLiteral("权限管理")});
    TfrmOperGl list;
    list.show();
    list.grid()->setCurrentRow(1);
    whenShown<TFrmLimitGl>([](TFrmLimitGl *dialog) {
        QCOMPARE(child<QComboBox>(dialog, "cbbName")->currentText(), QStringLiteral("wang"));
        QCOMPARE(child<QLineEdit>(dialog, "edtPassWord")->text(), QStringLiteral("abc"));
        QCOMPARE(child<QLineEdit>(dialog, "edtRepPass")->text(), QStringLiteral("abc"));
        QCOMPARE(dialog->entries().permissions, (QStringList{QStringLiteral("更改密码"), QStringLiteral("权限管理")}));
        press(dialog, "Button2"); // 清除
        QCOMPARE(dialog->entries().permissions, QStringList{});
        child<QLineEdit>(dialog, "edtRepPass")->setText(QStringLiteral("abd"));
        press(dialog, "BitBtn1");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->focusWidget(), child<QLineEdit>(dialog, "edtRepPass"));
        child<QLineEdit>(dialog, "edtRepPass")->setText(QStringLiteral("abc"));
        child<QCheckBox>(dialog, "CheckBox1")->setChecked(true);
        press(dialog, "BitBtn1");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    });
    list.grid()->rowDoubleClicked(1);
    QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("验正码不正确，请重新确认输入！")});
    QCOMPARE(dm.QueryInteger(QStringLiteral("select count(*) from OperLimit")), 0);
    // Disabled now: gone from the list until it shows the disabled.
    QCOMPARE(list.grid()->rowCount(), 1);
}

void TstShellWindows::ownPasswordDialog()
{
    TestProgram program;
    TdmData &dm = program.connect();
    setCurrentOperator(QStringLiteral("admin"));
    TfrmModPass dialog;
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("更改密码"));
    QCOMPARE(child<QLabel>(&dialog, "Label4")->text(), QStringLiteral("当前操作员：admin "));
    QCOMPARE(child<QPushButton>(&dialog, "BitBtn1")->text(), QStringLiteral("确定(&O)"));
    auto *fresh = child<QLineEdit>(&dialog, "edtNewPass");
    auto *again = child<QLineEdit>(&dialog, "edtAdjustPass");
    fresh->setText(QStringLiteral("abc"));
    again->setText(QStringLiteral("abx"));
    press(&dialog, "BitBtn1");
    QVERIFY(dialog.isVisible());
    QCOMPARE(fresh->text(), QString());
    QCOMPARE(again->text(), QString());
    fresh->setText(QStringLiteral(" abc"));
    again->setText(QStringLiteral("abc"));
    press(&dialog, "BitBtn1");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(program.prompter.texts(),
             (QStringList{QStringLiteral("新口令错误，不能更改！"), QStringLiteral("更改口令成功！")}));
    QCOMPARE(DecodePassword(dm.QueryString(QStringLiteral("select F_PassWord from OperList where F_Name = 'admin'"))),
             QStringLiteral(" abc"));

    TfrmModPass second;
    second.show();
    QTest::keyClick(&second, Qt::Key_Escape);
    QVERIFY(!second.isVisible());
}

QTEST_MAIN(TstShellWindows)
#include "tst_shellwindows.moc"
