// Operators and their permissions, as the store keeps them.

#include "support/TestProgram.h"

#include "app/AppInfo.h"
#include "app/PasswordScrambler.h"
#include "shell/LoginRules.h"
#include "shell/OperatorStore.h"

#include <QTest>

namespace {

using SaveResult = OperatorStore::SaveResult;
using PasswordResult = OperatorStore::PasswordResult;

Operator makeOperator(const QString &name, const QString &password, const QStringList &permissions = {})
{
    Operator op;
    op.name = name;
    op.password = password;
    op.repeated = password;
    op.permissions = permissions;
    return op;
}

RowSet operators(TdmData &dm)
{
    RowSet rows;
    dm.OpenQuery(QStringLiteral("select * from OperList order by F_ID"), rows);
    return rows;
}

int rowOf(const RowSet &rows, const QString &name)
{
    for (int r = 0; r < rows.rowCount(); ++r)
        if (rows.text(r, QStringLiteral("F_Name")) == name)
            return r;
    return -1;
}

QStringList permissionRows(TdmData &dm)
{
    RowSet rows;
    dm.OpenQuery(QStringLiteral("select F_OperName, F_lmtName from OperLimit order by F_ID"), rows);
    QStringList result;
    for (int r = 0; r < rows.rowCount(); ++r)
        result.append(rows.text(r, QStringLiteral("F_OperName")) + QLatin1Char(':') + rows.text(r, QStringLiteral("F_lmtName")));
    return result;
}

QString storedPassword(TdmData &dm, const QString &name)
{
    return DecodePassword(dm.QueryString(QStringLiteral("select F_PassWord from OperList where F_Name = :n"),
                                         {{QStringLiteral("n"), name}}));
}

} // namespace

class TstOperators : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusedSaves_data();
    void refusedSaves();
    void savingWritesTheOperatorAndHisPermissions();
    void renamingKeepsTheOldRows();
    void aFailedSaveWritesNothing();
    void savedPermissionsTakeEffectAtTheNextLogin();
    void superUserCannotBeChangedOrDeleted_data();
    void superUserCannotBeChangedOrDeleted();
    void deletingAsksAndKeepsThePermissionRows();
    void listHidesDisabledOperators();
    void changingTheOwnPassword_data();
    void changingTheOwnPassword();
};

void TstOperators::refusedSaves_data()
{
    QTest::addColumn<bool>("adding");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("repeated");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty name") << true << QString() << QString() << QString() << int(SaveResult::EmptyName)
                                << QStringLiteral("操作员名称不能为空！");
    QTest::newRow("blank name") << true << QStringLiteral("   ") << QString() << QString() << int(SaveResult::EmptyName)
                                << QStringLiteral("操作员名称不能为空！");
    QTest::newRow("confirmation differs by a blank")
        << true << QStringLiteral("zhang") << QStringLiteral("abc") << QStringLiteral("abc ")
        << int(SaveResult::PasswordMismatch) << QStringLiteral("验正码不正确，请重新确认输入！");
    QTest::newRow("confirmation differs in case")
        << true << QStringLiteral("zhang") << QStringLiteral("abc") << QStringLiteral("ABC")
        << int(SaveResult::PasswordMismatch) << QStringLiteral("验正码不正确，请重新确认输入！");
    QTest::newRow("a name that differs only in case")
        << true << QStringLiteral("WANG") << QString() << QString() << int(SaveResult::DuplicateName)
        << QStringLiteral("操作员名称重复，请重新输入！");
    QTest::newRow("the super user's name in capitals")
        << true << QStringLiteral(" Admin ") << QString() << QString() << int(SaveResult::DuplicateName)
        << QStringLiteral("操作员名称重复，请重新输入！");
    QTest::newRow("renaming onto another operator")
        << false << QStringLiteral("Wang") << QString() << QString() << int(SaveResult::DuplicateName)
        << QStringLiteral("操作员名称重复，请重新输入！");
}

void TstOperators::refusedSaves()
{
    QFETCH(bool, adding);
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(QString, repeated);
    QFETCH(int, result);
    QFETCH(QString, message);

    TestProgram program;
    TdmData &dm = program.connect();
    OperatorStore store(dm);
    QCOMPARE(store.save(makeOperator(QStringLiteral("wang"), QString()), true), SaveResult::Saved);
    QCOMPARE(store.save(makeOperator(QStringLiteral("li"), QString()), true), SaveResult::Saved);
    const RowSet before = operators(dm);

    Operator op = makeOperator(name, password, {QStringLiteral("公司信息")});
    op.repeated = repeated;
    if (!adding)
        op.id = before.value(rowOf(before, QStringLiteral("li")), QStringLiteral("F_ID")).toLongLong();
    QCOMPARE(int(store.save(op, adding)), result);
    QCOMPARE(program.prompter.texts(QStringLiteral("information")), QStringList{message});
    QCOMPARE(operators(dm).rows(), before.rows());
    QVERIFY(permissionRows(dm).isEmpty());
}

void TstOperators::savingWritesTheOperatorAndHisPermissions()
{
    TestProgram program;
    TdmData &dm = program.connect();
    OperatorStore store(dm);
    const QStringList offered = store.offeredPermissions();
    QCOMPARE(offered.size(), 26);
    QCOMPARE(offered.first(), QStringLiteral("公司信息"));
    QCOMPARE(offered.last(), QStringLiteral("部门工资台帐汇总"));

    Operator op = makeOperator(QStringLiteral("  zhang  "), QStringLiteral(" abc"),
                               {QStringLiteral("数据备份恢复"), QStringLiteral("公司信息")});
    op.mem = QStringLiteral("仓库 '主管'");
    op.disabled = true;
    QCOMPARE(store.save(op, true), SaveResult::Saved);
    const RowSet rows = operators(dm);
    const int r = rowOf(rows, QStringLiteral("zhang"));
    QVERIFY(r >= 0);
    QCOMPARE(rows.text(r, QStringLiteral("F_Mem")), QStringLiteral("仓库 '主管'"));
    QCOMPARE(rows.value(r, QStringLiteral("F_Flag")).toBool(), true);
    QCOMPARE(storedPassword(dm, QStringLiteral("zhang")), QStringLiteral(" abc"));
    QCOMPARE(permissionRows(dm), (QStringList{QStringLiteral("zhang:数据备份恢复"), QStringLiteral("zhang:公司信息")}));

    // Change mode rewrites his rows: only what is ticked now remains.
    Operator changed = Operator::fromRow(rows, r);
    QCOMPARE(changed.password, QStringLiteral(" abc"));
    QCOMPARE(changed.repeated, QStringLiteral(" abc"));
    changed.password = changed.repeated = QString();
    changed.disabled = false;
    changed.permissions = {QStringLiteral("权限管理")};
    QCOMPARE(store.save(changed, false), SaveResult::Saved);
    QCOMPARE(permissionRows(dm), QStringList{QStringLiteral("zhang:权限管理")});
    QCOMPARE(storedPassword(dm, QStringLiteral("zhang")), QString());
    QCOMPARE(dm.QueryString(QStringLiteral("select F_PassWord from OperList where F_Name = 'zhang'")), QString());
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstOperators::renamingKeepsTheOldRows()
{
    TestProgram program;
    TdmData &dm = program.connect();
    OperatorStore store(dm);
    QCOMPARE(store.save(makeOperator(QStringLiteral("wang"), QString(), {QStringLiteral("公司信息")}), true), SaveResult::Saved);
    const RowSet rows = operators(dm);
    Operator op = Operator::fromRow(rows, rowOf(rows, QStringLiteral("wang")));
    op.name = QStringLiteral("wang2");
    op.permissions = {QStringLiteral("更改密码")};
    QCOMPARE(store.save(op, false), SaveResult::Saved);
    QCOMPARE(permissionRows(dm), (QStringList{QStringLiteral("wang:公司信息"), QStringLiteral("wang2:更改密码")}));
    QCOMPARE(operators(dm).rowCount(), 2);

    // Keeping his own name is no duplicate, in whatever case it is typed.
    Operator same = Operator::fromRow(operators(dm), 1);
    same.name = QStringLiteral("WANG2");
    QCOMPARE(store.save(same, false), SaveResult::Saved);
}

void TstOperators::aFailedSaveWritesNothing()
{
    TestProgram program;
    TdmData &dm = program.connect();
    OperatorStore store(dm);
    // The second permission is too long for its field: the insert of the
    // operator and of the first permission go back with it.
    const Operator op = makeOperator(QStringLiteral("zhang"), QString(), {QStringLiteral("公司信息"), QString(60, QLatin1Char('x'))});
    QCOMPARE(store.save(op, true), SaveResult::Failed);
    QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("保存失败，请检测数据库连接！")});
    QCOMPARE(operators(dm).rowCount(), 1);
    QVERIFY(permissionRows(dm).isEmpty());
    QVERIFY(!dm.ADOcnn().inTransaction());
    // The connection is usable afterwards.
    QCOMPARE(store.save(makeOperator(QStringLiteral("zhang"), QString()), true), SaveResult::Saved);
}

void TstOperators::savedPermissionsTakeEffectAtTheNextLogin()
{
    TestProgram program;
    TdmData &dm = program.connect();
    OperatorStore store(dm);
    QCOMPARE(store.save(makeOperator(QStringLiteral("li"), QString(), {QStringLiteral("数据备份恢复")}), true), SaveResult::Saved);

    class Target : public LoginTarget
    {
    public:
        void applyGating(const Gating &g) override { gating = g; }
        void showLogin(const QString &, const QDateTime &) override {}
        Gating gating;
    } target;
    // An operator saved with an empty password logs in with an empty box.
    LoginRules login(dm, LoginRules::Mode::Startup, &target);
    QCOMPARE(login.confirm(QStringLiteral("li"), QString()).outcome, LoginRules::Outcome::LoggedIn);
    QCOMPARE(target.gating.visibleActions, (QSet<QString>{QStringLiteral("Action402"), QStringLiteral("Action406")}));
}

void TstOperators::superUserCannotBeChangedOrDeleted_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("admin") << QStringLiteral("admin");
    QTest::newRow("in capitals") << QStringLiteral("ADMIN");
}

void TstOperators::superUserCannotBeChangedOrDeleted()
{
    QFETCH(QString, name);
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("update OperList set F_Name = :n"), {{QStringLiteral("n"), name}}));
    OperatorStore store(dm);
    const RowSet rows = operators(dm);
    QVERIFY(store.refuseChange(rows, 0));
    QVERIFY(store.refuseDelete(rows, 0));
    QVERIFY(!store.confirmAndDelete(rows, 0));
    QCOMPARE(program.prompter.texts(QStringLiteral("error")),
             (QStringList{QStringLiteral("此用户为系统默认用户，不能修改和编辑！"), QStringLiteral("此用户为系统默认用户，不能删除！"),
                          QStringLiteral("此用户为系统默认用户，不能删除！")}));
    QCOMPARE(operators(dm).rowCount(), 1);
}

void TstOperators::deletingAsksAndKeepsThePermissionRows()
{
    TestProgram program;
    TdmData &dm = program.connect();
    OperatorStore store(dm);
    QCOMPARE(store.save(makeOperator(QStringLiteral("wang"), QString(), {QStringLiteral("公司信息")}), true), SaveResult::Saved);

    // Nothing to act on in an empty list: refused like a change.
    QVERIFY(store.refuseChange(RowSet(), -1));
    QVERIFY(!store.confirmAndDelete(RowSet(), -1));
    QCOMPARE(program.prompter.texts(QStringLiteral("error")),
             (QStringList{QStringLiteral("此表为空，没有记录需要修改！"), QStringLiteral("此表为空，没有记录需要删除！")}));

    program.prompter.clear();
    program.prompter.questionAnswers.enqueue(MsgCancel);
    program.prompter.questionAnswers.enqueue(MsgOk);
    RowSet rows = operators(dm);
    const int r = rowOf(rows, QStringLiteral("wang"));
    QVERIFY(!store.refuseChange(rows, r));
    QVERIFY(!store.confirmAndDelete(rows, r));
    QCOMPARE(operators(dm).rowCount(), 2);
    QVERIFY(store.confirmAndDelete(rows, r));
    QCOMPARE(program.prompter.texts(QStringLiteral("question")),
             QStringList(2, QStringLiteral("真的要删除当前操作员 \"wang\" 吗？")));
    QCOMPARE(operators(dm).rowCount(), 1);
    QCOMPARE(permissionRows(dm), QStringList{QStringLiteral("wang:公司信息")});
}

void TstOperators::listHidesDisabledOperators()
{
    TestProgram program;
    TdmData &dm = program.connect();
    OperatorStore store(dm);
    Operator off = makeOperator(QStringLiteral("zhao"), QString());
    off.disabled = true;
    QCOMPARE(store.save(makeOperator(QStringLiteral("wang"), QString()), true), SaveResult::Saved);
    QCOMPARE(store.save(off, true), SaveResult::Saved);
    RowSet rows;
    QVERIFY(store.list(false, rows));
    QCOMPARE(rows.rowCount(), 2);
    QCOMPARE(rows.text(1, QStringLiteral("F_Name")), QStringLiteral("wang"));
    QVERIFY(store.list(true, rows));
    QCOMPARE(rows.rowCount(), 3);
    QCOMPARE(rows.text(2, QStringLiteral("F_Name")), QStringLiteral("zhao"));
}

void TstOperators::changingTheOwnPassword_data()
{
    QTest::addColumn<QString>("operatorName");
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QString>("repeated");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("stored");

    QTest::newRow("the super user changes his own") << QStringLiteral("admin") << QString() << QStringLiteral("起步 1")
                                                    << QStringLiteral("起步 1") << int(PasswordResult::Changed)
                                                    << QStringList{QStringLiteral("information: 更改口令成功！")}
                                                    << QStringLiteral("起步 1");
    QTest::newRow("the repetition is compared trimmed, the new one stored as typed")
        << QStringLiteral("wang") << QStringLiteral("old") << QStringLiteral(" abc") << QStringLiteral("abc")
        << int(PasswordResult::Changed) << QStringList{QStringLiteral("information: 更改口令成功！")} << QStringLiteral(" abc");
    QTest::newRow("wrong old password") << QStringLiteral("wang") << QStringLiteral("Old") << QStringLiteral("x")
                                        << QStringLiteral("x") << int(PasswordResult::WrongOld)
                                        << QStringList{QStringLiteral("warning: 旧口令输入错误，不能更改！")}
                                        << QStringLiteral("old");
    QTest::newRow("repetition differs") << QStringLiteral("wang") << QStringLiteral("old") << QStringLiteral("abc")
                                        << QStringLiteral("abd") << int(PasswordResult::Mismatch)
                                        << QStringList{QStringLiteral("information: 新口令错误，不能更改！")}
                                        << QStringLiteral("old");
    QTest::newRow("nobody of that name") << QStringLiteral("ghost") << QString() << QStringLiteral("x")
                                         << QStringLiteral("x") << int(PasswordResult::NoOperator) << QStringList{}
                                         << QString();
}

void TstOperators::changingTheOwnPassword()
{
    QFETCH(QString, operatorName);
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(QString, repeated);
    QFETCH(int, result);
    QFETCH(QStringList, prompts);
    QFETCH(QString, stored);

    TestProgram program;
    TdmData &dm = program.connect();
    OperatorStore store(dm);
    QCOMPARE(store.save(makeOperator(QStringLiteral("wang"), QStringLiteral("old")), true), SaveResult::Saved);
    setCurrentOperator(operatorName);
    QCOMPARE(int(store.changePassword(oldPassword, newPassword, repeated)), result);
    QStringList seen;
    for (const auto &p : program.prompter.prompts)
        seen.append(p.kind + QStringLiteral(": ") + p.text);
    QCOMPARE(seen, prompts);
    QCOMPARE(storedPassword(dm, operatorName), stored);
}

QTEST_GUILESS_MAIN(TstOperators)
#include "tst_operators.moc"
