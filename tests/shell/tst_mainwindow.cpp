// The main window: its rules, and the window bound to them.

#include "support/TestProgram.h"

#include "app/AppInfo.h"
#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/WorkbookReader.h"
#include "app/ui/DataGrid.h"
#include "masterdata/TFrmGoodMan.h"
#include "masterdata/TfrmEmpMan.h"
#include "shell/MainWindowRules.h"
#include "shell/PermissionGate.h"
#include "shell/ShellActions.h"
#include "shell/TFrmMain.h"
#include "shell/WindowRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *a : menu->actions())
        texts.append(a->isSeparator() ? QStringLiteral("-") : a->objectName() + QLatin1Char(' ') + a->text());
    return texts;
}

void makeExecutable(const QString &path)
{
    writeFile(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

Gating gatingOf(const QStringList &actions)
{
    Gating g;
    g.visibleActions = QSet<QString>(actions.begin(), actions.end());
    g.visibleMenus = PermissionGate::menusFor(g.visibleActions);
    return g;
}

} // namespace

class TstMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::install(&m_clock); }
    void cleanup()
    {
        Clock::install(nullptr);
        WindowRegistry::clear(); // the next main window registers its own
    }

    void backupSchedule_data();
    void backupSchedule();
    void scheduledBackupRunsOncePerDay();
    void latestMonthAndTheFirstSheet();
    void networkDataIsUsedFromTheNextStart();
    void compactionLeavesTheProgramConnected();
    void desktopProgramsWhenInstalled();
    void helpDocument();

    void captionActionsAndMenus();
    void gatingHidesButtonsButNotPages();
    void statusBarAndClock();
    void actionsOpenTheirWindowsOrSaySo();
    void exportOfAllEmployees();
    void closeAsksFirst();
    void showingRunsTheBackupByIbak();

private:
    FixedClock m_clock{QDateTime(QDate(2024, 5, 13), QTime(9, 5, 7))}; // a Monday
};

void TstMainWindow::backupSchedule_data()
{
    QTest::addColumn<int>("ibak");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("due");
    const QDate monday(2024, 5, 13), tuesday(2024, 5, 14), first(2024, 6, 1), mondayFirst(2024, 7, 1);
    QTest::newRow("0 never") << 0 << mondayFirst << false;
    QTest::newRow("1 every day") << 1 << tuesday << true;
    QTest::newRow("2 on a Monday") << 2 << monday << true;
    QTest::newRow("2 not on a Tuesday") << 2 << tuesday << false;
    QTest::newRow("2 not on the first that is a Saturday") << 2 << first << false;
    QTest::newRow("3 on the first") << 3 << first << true;
    QTest::newRow("3 not on another Monday") << 3 << monday << false;
    QTest::newRow("4 means never") << 4 << mondayFirst << false;
    QTest::newRow("-1 means never") << -1 << mondayFirst << false;
}

void TstMainWindow::backupSchedule()
{
    QFETCH(int, ibak);
    QFETCH(QDate, day);
    QFETCH(bool, due);
    QCOMPARE(MainWindowRules::backupDue(ibak, day), due);
}

void TstMainWindow::scheduledBackupRunsOncePerDay()
{
    TestProgram program;
    TdmData &dm = program.connect();
    const QString folder = program.path(QStringLiteral("bak"));
    QDir().mkpath(folder);
    QVERIFY(dm.ExecSql(QStringLiteral("update SysInfo set F_BakPath = :p"), {{QStringLiteral("p"), folder}}));
    dm.config().writeInteger(QStringLiteral("config"), QStringLiteral("ibak"), 2);

    MainWindowRules::runScheduledBackup(dm);
    MainWindowRules::runScheduledBackup(dm); // a second start on the same Monday
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("dp20240513.back")});
    m_clock.set(QDateTime(QDate(2024, 5, 14), QTime(8, 0)));
    MainWindowRules::runScheduledBackup(dm);
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstMainWindow::latestMonthAndTheFirstSheet()
{
    TestProgram program;
    TdmData &dm = program.connect();
    auto addSheet = [&dm](const QString &key) {
        return dm.ExecSql(QStringLiteral("insert into wg_Month(F_TableName) values(:k)"), {{QStringLiteral("k"), key}});
    };
    QCOMPARE(MainWindowRules::latestMonth(dm), QString());
    int asked = 0;
    // No sheet yet: the new-sheet step runs; cancelled, nothing opens.
    QCOMPARE(MainWindowRules::monthToOpen(dm, [&] { ++asked; return false; }), QString());
    QCOMPARE(asked, 1);
    // Confirmed: the sheet it made opens.
    QCOMPARE(MainWindowRules::monthToOpen(dm, [&] { ++asked; return addSheet(QStringLiteral("202404")); }),
             QStringLiteral("202404"));
    QCOMPARE(asked, 2);
    QVERIFY(addSheet(QStringLiteral("202312")));
    QVERIFY(addSheet(QStringLiteral("202405")));
    QVERIFY(addSheet(QStringLiteral("202311")));
    // With sheets the latest opens and nobody is asked.
    QCOMPARE(MainWindowRules::monthToOpen(dm, [&] { ++asked; return false; }), QStringLiteral("202405"));
    QCOMPARE(asked, 2);
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstMainWindow::networkDataIsUsedFromTheNextStart()
{
    TestProgram program;
    TdmData &dm = program.connect();
    program.prompter.fileAnswers.enqueue(QString());
    QVERIFY(!MainWindowRules::chooseDataFolder(dm));
    QCOMPARE(dm.config().readString(QStringLiteral("config"), QStringLiteral("ds")), QString());

    program.prompter.fileAnswers.enqueue(QStringLiteral("/srv/share/工资/salary.mdb"));
    QVERIFY(MainWindowRules::chooseDataFolder(dm));
    QCOMPARE(program.prompter.fileRequests.last().title, QStringLiteral("连接网络数据库"));
    QCOMPARE(program.prompter.fileRequests.last().filter, QStringLiteral("Access数据库|*.MDB"));
    QCOMPARE(program.prompter.fileRequests.last().folder, AppPaths::programDir());
    QCOMPARE(dm.config().readString(QStringLiteral("config"), QStringLiteral("ds")), QStringLiteral("/srv/share/工资/"));
    // The work goes on in the file in use.
    QCOMPARE(dm.ADOcnn().filePath(), program.databasePath());
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code, F_Name) values('01', '王')")));
    QCOMPARE(program.prompter.texts(QStringLiteral("information")), QStringList{});
}

void TstMainWindow::compactionLeavesTheProgramConnected()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code, F_Name) values('01', '王')")));
    QVERIFY(MainWindowRules::compactDatabase(dm));
    QCOMPARE(program.prompter.texts(QStringLiteral("information")), QStringList{QStringLiteral("压缩数据库成功！")});
    QVERIFY(dm.ADOcnn().isOpen());
    QCOMPARE(dm.QueryString(QStringLiteral("select F_Name from t_employee")), QStringLiteral("王"));
    QVERIFY(MainWindowRules::compactDatabase(dm)); // and again
}

void TstMainWindow::desktopProgramsWhenInstalled()
{
    TestProgram program;
    program.connect();
    const QString empty = program.path(QStringLiteral("bin-empty"));
    const QString bin = program.path(QStringLiteral("bin"));
    QDir().mkpath(empty);
    makeExecutable(bin + QStringLiteral("/xcalc"));
    makeExecutable(bin + QStringLiteral("/mousepad"));
    makeExecutable(bin + QStringLiteral("/kate"));
    writeFile(bin + QStringLiteral("/gedit"), "not a program"); // not executable: passed over

    QVERIFY(!MainWindowRules::startCalculator({empty}));
    QVERIFY(!MainWindowRules::startEditor({empty}));
    QCOMPARE(program.prompter.texts(QStringLiteral("information")).size(), 2);
    QVERIFY(program.prompter.texts(QStringLiteral("information")).at(0).startsWith(QStringLiteral("没有找到计算器程序")));
    QVERIFY(program.prompter.texts(QStringLiteral("information")).at(1).startsWith(QStringLiteral("没有找到文本编辑器程序")));
    QVERIFY(program.prompter.texts(QStringLiteral("start")).isEmpty());

    program.prompter.clear();
    QVERIFY(MainWindowRules::startCalculator({bin}));
    QVERIFY(MainWindowRules::startEditor({bin})); // the first of the list that is there
    QCOMPARE(program.prompter.texts(QStringLiteral("start")),
             (QStringList{bin + QStringLiteral("/xcalc"), bin + QStringLiteral("/kate")}));
}

void TstMainWindow::helpDocument()
{
    TestProgram program;
    program.connect();
    QVERIFY(!MainWindowRules::openHelp());
    QCOMPARE(program.prompter.texts(QStringLiteral("information")).size(), 1);
    QVERIFY(program.prompter.texts(QStringLiteral("open")).isEmpty());

    program.prompter.clear();
    writeFile(program.path(QStringLiteral("help.html")), "<html></html>");
    QVERIFY(MainWindowRules::openHelp());
    QCOMPARE(program.prompter.texts(QStringLiteral("open")),
             QStringList{QUrl::fromLocalFile(program.path(QStringLiteral("help.html"))).toString()});
    QVERIFY(MainWindowRules::openWebsite());
    QCOMPARE(program.prompter.texts(QStringLiteral("open")).last(), AppInfo::publisherWebsite());
}

void TstMainWindow::captionActionsAndMenus()
{
    TestProgram program;
    program.connect();
    TFrmMain w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Varnel工资管理软件 v3.18(企业版)"));
    QCOMPARE(w.size(), QSize(798, 572));
    QCOMPARE(w.action(QStringLiteral("Action404"))->text(), QStringLiteral("员工资料导入(Excel)"));
    QCOMPARE(w.action(QStringLiteral("Action406"))->property("category").toString(), QStringLiteral("数据维护"));
    QCOMPARE(w.action(QStringLiteral("Action203"))->property("category").toString(), QStringLiteral("基本资料"));

    QStringList tops;
    for (QAction *a : w.menuBar()->actions())
        tops.append(a->menu()->objectName() + QLatin1Char(' ') + a->text());
    QCOMPARE(tops, (QStringList{QStringLiteral("mi100 系统管理"), QStringLiteral("mi200 基本资料"), QStringLiteral("mi300 日常管理"),
                                QStringLiteral("N3 报表中心"), QStringLiteral("N22 数据维护"), QStringLiteral("nFz 辅助功能")}));
    QCOMPARE(menuTexts(w.topMenu(QStringLiteral("mi100"))),
             (QStringList{QStringLiteral("Action101 公司信息"), QStringLiteral("Action102 更改密码"),
                          QStringLiteral("Action103 权限管理"), QStringLiteral("-"), QStringLiteral("N5 退出系统")}));
    QCOMPARE(menuTexts(w.topMenu(QStringLiteral("mi300"))),
             (QStringList{QStringLiteral("Action301 日常生产计件"), QStringLiteral("Action302 员工工资核算"),
                          QStringLiteral("Action303 工资零币发放"), QStringLiteral("-"), QStringLiteral("Action304 日常代扣项目"),
                          QStringLiteral("Action305 日常应发项目")}));
    QCOMPARE(menuTexts(w.topMenu(QStringLiteral("N3"))).indexOf(QStringLiteral("-")), 4);
    QCOMPARE(menuTexts(w.topMenu(QStringLiteral("N22"))),
             (QStringList{QStringLiteral("Action406 压缩修复数据"), QStringLiteral("Action402 数据备份恢复"),
                          QStringLiteral("Action403 系统数据清理"), QStringLiteral("Action401 连接网络数据"), QStringLiteral("-"),
                          QStringLiteral("Action404 员工资料导入(Excel)"), QStringLiteral("Action405 员工资料导出(Excel)")}));
    QCOMPARE(menuTexts(w.topMenu(QStringLiteral("nFz"))),
             (QStringList{QStringLiteral("N24 计算器"), QStringLiteral("N25 笔记本"), QStringLiteral("-"),
                          QStringLiteral("N8 帮助文件"), QStringLiteral("N7 关于我们"), QStringLiteral("N27 访问我们的网站")}));

    QStringList pages;
    for (int i = 0; i < w.pages()->count(); ++i)
        pages.append(w.pages()->widget(i)->objectName() + QLatin1Char(' ') + w.pages()->tabText(i));
    QCOMPARE(pages, (QStringList{QStringLiteral("ti200 日常管理"), QStringLiteral("ti300 报表中心"), QStringLiteral("ti400 基本资料"),
                                 QStringLiteral("ti100 系统管理"), QStringLiteral("TabSheet1 数据维护")}));
    QCOMPARE(w.pages()->currentIndex(), 0);
    QCOMPARE(w.pages()->tabPosition(), QTabWidget::West);
    // Every action has its button on the page of its category.
    for (const ShellAction &a : ShellActions::all()) {
        QToolButton *b = w.findChild<QToolButton *>(QStringLiteral("btn") + a.name);
        QVERIFY2(b, qPrintable(a.name));
        QCOMPARE(w.pages()->tabText(w.pages()->indexOf(b->parentWidget()->parentWidget())), a.category);
    }
    QCOMPARE(w.findChild<QToolButton *>(QStringLiteral("ToolButton7"))->text(), QStringLiteral("压缩数据"));
    QCOMPARE(w.findChild<QToolButton *>(QStringLiteral("ToolButton3"))->text(), QStringLiteral("备份恢复"));
}

void TstMainWindow::gatingHidesButtonsButNotPages()
{
    TestProgram program;
    program.connect();
    TFrmMain w;
    w.show();
    w.applyGating(gatingOf({QStringLiteral("Action402"), QStringLiteral("Action406")}));

    QVERIFY(!w.topMenu(QStringLiteral("N3"))->menuAction()->isVisible());
    QVERIFY(w.topMenu(QStringLiteral("N22"))->menuAction()->isVisible());
    QVERIFY(w.topMenu(QStringLiteral("nFz"))->menuAction()->isVisible());
    QVERIFY(!w.topMenu(QStringLiteral("mi100"))->menuAction()->isVisible());
    QCOMPARE(w.pages()->count(), 5);
    w.pages()->setCurrentIndex(1);
    QVERIFY(!w.findChild<QToolButton *>(QStringLiteral("btnAction501"))->isVisible());
    w.pages()->setCurrentIndex(4);
    QVERIFY(w.findChild<QToolButton *>(QStringLiteral("btnAction402"))->isVisible());
    QVERIFY(w.findChild<QToolButton *>(QStringLiteral("btnAction406"))->isVisible());
    QVERIFY(!w.findChild<QToolButton *>(QStringLiteral("btnAction401"))->isVisible());
    QVERIFY(w.findChild<QToolButton *>(QStringLiteral("ToolButton3"))->isVisible());
    QVERIFY(w.findChild<QToolButton *>(QStringLiteral("ToolButton7"))->isVisible());

    // Without 402 the tool bar's "备份恢复" goes too; the compaction stays.
    w.applyGating(gatingOf({QStringLiteral("Action406")}));
    QTRY_VERIFY(!w.findChild<QToolButton *>(QStringLiteral("ToolButton3"))->isVisible()); // the tool bar lays out later
    QVERIFY(w.findChild<QToolButton *>(QStringLiteral("ToolButton7"))->isVisible());
    QVERIFY(!w.topMenu(QStringLiteral("N22"))->menuAction()->isVisible());

    QStringList all;
    for (const ShellAction &a : ShellActions::all())
        all.append(a.name);
    w.applyGating(gatingOf(all));
    QVERIFY(w.topMenu(QStringLiteral("N3"))->menuAction()->isVisible());
    w.pages()->setCurrentIndex(1);
    QVERIFY(w.findChild<QToolButton *>(QStringLiteral("btnAction510"))->isVisible());
}

void TstMainWindow::statusBarAndClock()
{
    TestProgram program;
    program.connect();
    TFrmMain w;
    QCOMPARE(w.statusPanel(0)->text(), QStringLiteral(" 当前用户"));
    QCOMPARE(w.statusPanel(2)->text(), QStringLiteral(" 当前日期时间"));
    QCOMPARE(w.statusPanel(4)->text(), QStringLiteral("Varnel工资管理软件(企业版)"));
    QVERIFY(w.statusPanel(4)->alignment() & Qt::AlignRight);
    QVERIFY(w.statusPanel(1)->width() >= 80);
    QCOMPARE(w.findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 1000);
    QVERIFY(w.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

    w.showLogin(QStringLiteral("wang"), QDateTime(QDate(2024, 5, 13), QTime(8, 0, 1)));
    QCOMPARE(w.statusPanel(1)->text(), QStringLiteral(" wang"));
    QCOMPARE(w.statusPanel(3)->text(), QStringLiteral(" 2024-05-13 08:00:01"));
    m_clock.set(QDateTime(QDate(2024, 5, 13), QTime(21, 7, 9)));
    w.tick();
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("21:07:09"));
    QCOMPARE(w.statusPanel(3)->text(), QStringLiteral(" 2024-05-13 21:07:09"));
    QCOMPARE(w.statusPanel(1)->text(), QStringLiteral(" wang"));
}

void TstMainWindow::actionsOpenTheirWindowsOrSaySo()
{
    TestProgram program;
    program.connect();
    TFrmMain w;
    w.show();
    for (const char *name : {"Action203", "Action302", "Action303", "Action510"}) {
        program.prompter.clear();
        w.action(QString::fromLatin1(name))->trigger();
        QCOMPARE(program.prompter.texts(), QStringList{QStringLiteral("该功能正在开发中，敬请期待。")});
    }

    // The employee list opens, placed as a working window over the main window.
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *list = qobject_cast<TfrmEmpMan *>(top); list && list->isVisible()) {
                opened = list->size() == QSize(798, 572);
                list->reject();
            }
    });
    w.action(QStringLiteral("Action201"))->trigger();
    QVERIFY(opened);
    bool products = false;
    QTimer::singleShot(0, [&products] {
        for (QWidget *top : QApplication::topLevelWidgets())
            if (auto *list = qobject_cast<TFrmGoodMan *>(top); list && list->isVisible()) {
                products = true;
                list->reject();
            }
    });
    w.action(QStringLiteral("Action202"))->trigger();
    QVERIFY(products);

    // A window registered later opens from its action, placed by the table.
    QSize placed;
    WindowRegistry::add(QStringLiteral("Action301"), [&placed] {
        QDialog dialog(placementOwner());
        dialog.resize(300, 200);
        WindowRegistry::place(&dialog, QStringLiteral("Action301"));
        placed = dialog.size();
    });
    program.prompter.clear();
    w.findChild<QToolButton *>(QStringLiteral("btnAction301"))->click();
    QCOMPARE(placed, QSize(798, 572));
    QVERIFY(program.prompter.prompts.isEmpty());

    w.findChild<QToolButton *>(QStringLiteral("ToolButton2"))->click();
    QCOMPARE(program.prompter.prompts.last().kind, QStringLiteral("printer-setup"));
}

void TstMainWindow::exportOfAllEmployees()
{
    TestProgram program;
    TdmData &dm = program.connect();
    QVERIFY(dm.ExecSql(QStringLiteral("insert into t_employee(F_Code, F_Name, F_Sex, F_Dept, F_bank, F_Flag) values"
                                      "('01', '王小明', '男', '缝纫', '6222 0001', 0), ('02', '李红', '女', '包装', '', 1)")));
    TFrmMain w;
    QVERIFY(!w.exportGrid()->isVisible());
    w.action(QStringLiteral("Action405"))->trigger();
    const QStringList opened = program.prompter.texts(QStringLiteral("open"));
    QCOMPARE(opened.size(), 1);
    WorkbookReader book;
    QVERIFY(book.open(QUrl(opened.first()).toLocalFile()));
    QCOMPARE(book.sheetNames(), QStringList{QStringLiteral("员工资料")});
    const QList<QStringList> rows = book.textRows(0);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0), (QStringList{QStringLiteral("编号"), QStringLiteral("姓名"), QStringLiteral("性别"), QStringLiteral("部门"),
                                      QStringLiteral("职务"), QStringLiteral("联系电话"), QStringLiteral("银行帐号"), QStringLiteral("备注")}));
    QCOMPARE(rows.at(1).mid(0, 2), (QStringList{QStringLiteral("01"), QStringLiteral("王小明")}));
    QCOMPARE(rows.at(1).value(6), QStringLiteral("6222 0001"));
    QCOMPARE(rows.at(2).value(1), QStringLiteral("李红")); // employees who left are exported too
    QCOMPARE(w.exportGrid()->rowCount(), 0);
}

void TstMainWindow::closeAsksFirst()
{
    TestProgram program;
    program.connect();
    TFrmMain w;
    w.show();
    program.prompter.questionAnswers.enqueue(MsgCancel);
    program.prompter.questionAnswers.enqueue(MsgOk);
    w.findChild<QToolButton *>(QStringLiteral("ToolButton4"))->click();
    QVERIFY(w.isVisible());
    QCOMPARE(program.prompter.texts(QStringLiteral("question")),
             QStringList{QStringLiteral("真的要退出“Varnel工资管理软件 ”软件吗？")});
    const auto items = w.topMenu(QStringLiteral("mi100"))->actions();
    items.last()->trigger(); // 退出系统
    QVERIFY(!w.isVisible());
    QCOMPARE(program.prompter.texts(QStringLiteral("question")).size(), 2);
}

void TstMainWindow::showingRunsTheBackupByIbak()
{
    TestProgram program;
    TdmData &dm = program.connect();
    const QString folder = program.path(QStringLiteral("bak"));
    QDir().mkpath(folder);
    QVERIFY(dm.ExecSql(QStringLiteral("update SysInfo set F_BakPath = :p"), {{QStringLiteral("p"), folder}}));
    dm.config().writeInteger(QStringLiteral("config"), QStringLiteral("ibak"), 1);
    TFrmMain w;
    w.show();
    QTRY_COMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("dp20240513.back")});
    w.hide();
    w.show(); // shown again: no second run
    QTest::qWait(20);
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1);
    QVERIFY(program.prompter.prompts.isEmpty());
}

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
