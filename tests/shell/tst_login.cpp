// The login and the permission gating, as the rules decide them.

#include "support/TestProgram.h"

#include "app/AppInfo.h"
#include "app/Clock.h"
#include "app/PasswordScrambler.h"
#include "shell/LoginRules.h"
#include "shell/PermissionGate.h"
#include "shell/ShellActions.h"

#include <QRegularExpression>
#include <QTest>

namespace {

using Mode = LoginRules::Mode;
using Outcome = LoginRules::Outcome;

void addOperator(TdmData &dm, const QString &name, const QString &password, bool disabled = false,
                 const QStringList &codes = {})
{
    QVERIFY(dm.ExecSql(QStringLiteral("insert into OperList(F_Name, F_PassWord, F_Flag) values(:n, :p, :f)"),
                       {{QStringLiteral("n"), name}, {QStringLiteral("p"), EncodePassword(password)},
                        {QStringLiteral("f"), disabled}}));
    for (const QString &code : codes)
        QVERIFY(dm.ExecSql(QStringLiteral("insert into OperLimit(F_OperName, F_lmtName) "
                                          "select :n, F_name from Limits where F_code = :c"),
                           {{QStringLiteral("n"), name}, {QStringLiteral("c"), code}}));
}

QStringList logRows(TdmData &dm)
{
    RowSet rows;
    dm.OpenQuery(QStringLiteral("select F_EmpName, F_OperType, F_OperDate, F_OperTime from T_LogRec order by F_ID"), rows);
    QStringList result;
    for (int r = 0; r < rows.rowCount(); ++r)
        result.append(QStringList{rows.text(r, QStringLiteral("F_EmpName")), rows.text(r, QStringLiteral("F_OperType")),
                                  rows.text(r, QStringLiteral("F_OperDate")), rows.text(r, QStringLiteral("F_OperTime"))}
                          .join(QLatin1Char('|')));
    return result;
}

QStringList promptLines(const ScriptedPrompter &prompter)
{
    QStringList lines;
    for (const auto &p : prompter.prompts)
        lines.append(p.kind + QStringLiteral(": ") + p.text);
    return lines;
}

// The main window as a login sees it: records what it was told and what
// had happened by then.
class RecordingTarget : public LoginTarget
{
public:
    explicit RecordingTarget(TdmData &dm) : m_dm(dm) {}
    void applyGating(const Gating &gating) override
    {
        events.append(QStringLiteral("gating as %1, config %2, %3 log rows")
                          .arg(CurrentOperator(),
                               m_dm.config().readString(QStringLiteral("Config"), QStringLiteral("CurOperName")))
                          .arg(logRows(m_dm).size()));
        last = gating;
    }
    void showLogin(const QString &name, const QDateTime &at) override
    {
        events.append(QStringLiteral("status %1 at %2").arg(name, at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))));
    }
    QStringList events;
    Gating last;

private:
    TdmData &m_dm;
};

const QString retry = QStringLiteral("information: 用户名或密码不正确，请重新输入！");

} // namespace

class TstLogin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::install(&m_clock); }
    void cleanup() { Clock::install(nullptr); }

    void attempts_data();
    void attempts();
    void finishingRunsInOrder();
    void cancelEndsOnlyTheStartup();
    void namesOfferedAndRemembered();

    void gating_data();
    void gating();

private:
    FixedClock m_clock{QDateTime(QDate(2024, 5, 13), QTime(8, 30, 15))};
};

void TstLogin::attempts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("loggedInBefore");
    QTest::addColumn<QStringList>("tries"); // "name|password", in order
    QTest::addColumn<int>("outcome");       // of the last try
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("currentOperator");
    QTest::addColumn<QStringList>("log"); // operator|what

    const QString wrong = QStringLiteral("wang|nope");
    QTest::newRow("admin with an empty password")
        << int(Mode::Startup) << QString() << QStringList{QStringLiteral("admin|")} << int(Outcome::LoggedIn)
        << QStringList{} << QStringLiteral("admin") << QStringList{QStringLiteral("admin|登录成功！")};
    QTest::newRow("the fourth wrong password ends the start-up")
        << int(Mode::Startup) << QString() << QStringList{wrong, wrong, wrong, wrong} << int(Outcome::EndProgram)
        << QStringList{retry, retry, retry, QStringLiteral("error: 非法操作员!")} << QString()
        << QStringList{QStringLiteral("|登录失败！")};
    QTest::newRow("the fourth wrong password cancels a change of operator")
        << int(Mode::ChangeOperator) << QStringLiteral("admin") << QStringList{wrong, wrong, wrong, wrong}
        << int(Outcome::Cancelled) << QStringList{retry, retry, retry, QStringLiteral("error: 更换操作员失败!")}
        << QStringLiteral("admin") << QStringList{QStringLiteral("admin|更换操作员失败！")};
    QTest::newRow("three wrong passwords still let the right one in")
        << int(Mode::Startup) << QString() << QStringList{wrong, wrong, wrong, QStringLiteral("wang|Secret 1")}
        << int(Outcome::LoggedIn) << QStringList{retry, retry, retry} << QStringLiteral("wang")
        << QStringList{QStringLiteral("wang|登录成功！")};
    QTest::newRow("empty and unknown names use no attempt")
        << int(Mode::Startup) << QString()
        << QStringList{wrong, QStringLiteral("|x"), QStringLiteral("   |x"), wrong, QStringLiteral("nobody|x"), wrong,
                       QStringLiteral("wang|Secret 1")}
        << int(Outcome::LoggedIn)
        << QStringList{retry, QStringLiteral("information: 请选择用户！"), QStringLiteral("information: 请选择用户！"), retry,
                       QStringLiteral("information: 此操作员并不存在，请重新选择操作员！"), retry}
        << QStringLiteral("wang") << QStringList{QStringLiteral("wang|登录成功！")};
    QTest::newRow("a disabled operator is refused without using an attempt")
        << int(Mode::Startup) << QString()
        << QStringList{QStringLiteral("zhao|pw"), QStringLiteral("zhao|pw"), QStringLiteral("zhao|pw"),
                       QStringLiteral("zhao|pw"), QStringLiteral("zhao|pw")}
        << int(Outcome::Stay)
        << QStringList(5, QStringLiteral("information: 此操作员已被禁用，不能登录，请与系统管理员联系！")) << QString()
        << QStringList{};
    QTest::newRow("case and blanks of the password count")
        << int(Mode::Startup) << QString()
        << QStringList{QStringLiteral("wang|secret 1"), QStringLiteral("wang|Secret 1 "), QStringLiteral("wang|Secret 1")}
        << int(Outcome::LoggedIn) << QStringList{retry, retry} << QStringLiteral("wang")
        << QStringList{QStringLiteral("wang|登录成功！")};
    QTest::newRow("the name is trimmed, found without case and kept as typed")
        << int(Mode::Startup) << QString() << QStringList{QStringLiteral("  WANG |Secret 1")} << int(Outcome::LoggedIn)
        << QStringList{} << QStringLiteral("WANG") << QStringList{QStringLiteral("WANG|登录成功！")};
    QTest::newRow("a change of operator logs the new one in")
        << int(Mode::ChangeOperator) << QStringLiteral("admin") << QStringList{wrong, QStringLiteral("wang|Secret 1")}
        << int(Outcome::LoggedIn) << QStringList{retry} << QStringLiteral("wang")
        << QStringList{QStringLiteral("wang|登录成功！")};
}

void TstLogin::attempts()
{
    QFETCH(int, mode);
    QFETCH(QString, loggedInBefore);
    QFETCH(QStringList, tries);
    QFETCH(int, outcome);
    QFETCH(QStringList, prompts);
    QFETCH(QString, currentOperator);
    QFETCH(QStringList, log);

    TestProgram program;
    TdmData &dm = program.connect();
    addOperator(dm, QStringLiteral("wang"), QStringLiteral("Secret 1"));
    addOperator(dm, QStringLiteral("zhao"), QStringLiteral("pw"), true);
    setCurrentOperator(loggedInBefore);

    LoginRules rules(dm, static_cast<Mode>(mode), nullptr);
    LoginRules::Step step;
    for (const QString &attempt : tries) {
        QCOMPARE(step.outcome, Outcome::Stay); // nothing more is tried once the dialog closed
        step = rules.confirm(attempt.section(QLatin1Char('|'), 0, 0), attempt.section(QLatin1Char('|'), 1));
    }
    QCOMPARE(int(step.outcome), outcome);
    QCOMPARE(promptLines(program.prompter), prompts);
    QCOMPARE(CurrentOperator(), currentOperator);
    QStringList written;
    for (const QString &row : logRows(dm)) {
        QVERIFY(row.endsWith(QStringLiteral("|2024-05-13|08:30:15")));
        written.append(row.section(QLatin1Char('|'), 0, 1));
    }
    QCOMPARE(written, log);
}

void TstLogin::finishingRunsInOrder()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addOperator(dm, QStringLiteral("li"), QString(), false, {QStringLiteral("402")});
    RecordingTarget target(dm);
    LoginRules rules(dm, Mode::Startup, &target);
    QCOMPARE(rules.confirm(QStringLiteral(" li "), QString()).outcome, Outcome::LoggedIn);
    // The operator, config.ini and the log come first: the gating reads them.
    QCOMPARE(target.events, (QStringList{QStringLiteral("gating as li, config li, 1 log rows"),
                                         QStringLiteral("status li at 2024-05-13 08:30:15")}));
    QVERIFY(target.last.sees(QStringLiteral("Action402")));
    QVERIFY(!target.last.sees(QStringLiteral("Action401")));
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstLogin::cancelEndsOnlyTheStartup()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QCOMPARE(LoginRules(dm, Mode::Startup, nullptr).cancel(), Outcome::EndProgram);
    QCOMPARE(LoginRules(dm, Mode::ChangeOperator, nullptr).cancel(), Outcome::Cancelled);
    QVERIFY(logRows(dm).isEmpty());
}

void TstLogin::namesOfferedAndRemembered()
{
    TestProgram program;
    TdmData &dm = program.connect();
    addOperator(dm, QStringLiteral("wang"), QString());
    addOperator(dm, QStringLiteral("zhao"), QString(), true);
    LoginRules first(dm, Mode::Startup, nullptr);
    QCOMPARE(first.operatorNames(), (QStringList{QStringLiteral("admin"), QStringLiteral("wang")}));
    QCOMPARE(first.lastOperator(), QString());
    first.confirm(QStringLiteral("wang"), QString());

    // The next start offers the last operator, read from config.ini afresh.
    dm.config().reload();
    QCOMPARE(LoginRules(dm, Mode::Startup, nullptr).lastOperator(), QStringLiteral("wang"));
    IniFile fresh(program.path(QStringLiteral("config.ini")));
    QCOMPARE(fresh.readString(QStringLiteral("Config"), QStringLiteral("CurOperName")), QStringLiteral("wang"));
}

void TstLogin::gating_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("codes"); // held by the operator
    QTest::addColumn<QStringList>("actions"); // visible besides Action406
    QTest::addColumn<QStringList>("menus");

    QStringList allActions;
    for (const ShellAction &a : ShellActions::gated())
        allActions.append(a.name);
    const QStringList allMenus{QStringLiteral("mi100"), QStringLiteral("mi200"), QStringLiteral("mi300"),
                               QStringLiteral("N3"), QStringLiteral("N22")};
    QTest::newRow("the super user sees everything") << QStringLiteral("admin") << QStringList{} << allActions << allMenus;
    QTest::newRow("only the exact lower-case name is the super user")
        << QStringLiteral("ADMIN") << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("Admin is an ordinary operator too")
        << QStringLiteral("Admin") << QStringList{QStringLiteral("101")} << QStringList{QStringLiteral("Action101")}
        << QStringList{QStringLiteral("mi100")};
    QTest::newRow("only 402: data maintenance without the network data")
        << QStringLiteral("li") << QStringList{QStringLiteral("402")} << QStringList{QStringLiteral("Action402")}
        << QStringList{QStringLiteral("N22")};
    QTest::newRow("one action keeps its menu")
        << QStringLiteral("li") << QStringList{QStringLiteral("305"), QStringLiteral("203")}
        << QStringList{QStringLiteral("Action203"), QStringLiteral("Action305")}
        << QStringList{QStringLiteral("mi200"), QStringLiteral("mi300")};
    QStringList noReports = allActions.filter(QRegularExpression(QStringLiteral("^Action[1-4]")));
    QStringList codes;
    for (const QString &a : noReports)
        codes.append(a.mid(6));
    QTest::newRow("without 501 to 510 the report menu goes")
        << QStringLiteral("li") << codes << noReports << QStringList(allMenus).filter(QRegularExpression(QStringLiteral("^mi|N22")));
    QTest::newRow("an operator without permissions sees only the compaction")
        << QStringLiteral("li") << QStringList{} << QStringList{} << QStringList{};
}

void TstLogin::gating()
{
    QFETCH(QString, name);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, actions);
    QFETCH(QStringList, menus);

    TestProgram program;
    TdmData &dm = program.connect();
    addOperator(dm, name, QString(), false, codes);
    // Rows of another operator never leak into this one's gating.
    addOperator(dm, QStringLiteral("other"), QString(), false, {QStringLiteral("501"), QStringLiteral("101")});
    setCurrentOperator(name);
    const Gating gating = PermissionGate::SetLimits(dm, name);
    QSet<QString> expected(actions.begin(), actions.end());
    expected.insert(QStringLiteral("Action406"));
    QCOMPARE(gating.visibleActions, expected);
    QCOMPARE(gating.visibleMenus, QSet<QString>(menus.begin(), menus.end()));
}

QTEST_GUILESS_MAIN(TstLogin)
#include "tst_login.moc"
