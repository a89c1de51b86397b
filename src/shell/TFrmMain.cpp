#include "shell/TFrmMain.h"

#include "app/AppInfo.h"
#include "app/Clock.h"
#include "app/Prompter.h"
#include "app/TdmData.h"
#include "app/ui/DataGrid.h"
#include "app/ui/GridServices.h"
#include "app/ui/PlaceForm.h"
#include "misc/TfrmAboutInfo.h"
#include "shell/MainWindowRules.h"
#include "shell/ShellActions.h"
#include "shell/ShellIcons.h"
#include "shell/ShellWindows.h"
#include "shell/SideTabBar.h"
#include "shell/TfrmOperLogin.h"
#include "shell/WindowRegistry.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The page control: tabs on the left, each a picture over its caption.
class PageControl : public QTabWidget
{
public:
    explicit PageControl(QWidget *parent) : QTabWidget(parent)
    {
        setTabBar(new SideTabBar(this));
        setTabPosition(QTabWidget::West);
        setDocumentMode(true);
    }
};

const char *const pageStyle = R"(
QWidget#pageBody { background: #fbfcfe; }
QLabel[role="pageTitle"] { color: #1d3f72; font-size: 20px; font-weight: bold; }
QLabel[role="pageText"] { color: #5d6b80; }
QLabel[role="heading"] { color: #1d3f72; font-weight: bold; }
QFrame[role="mark"] { background: #f0a030; border-radius: 2px; }
QFrame[role="rule"] { color: #d5dde8; }
QToolButton[role="pageButton"] { border: 1px solid transparent; border-radius: 8px; padding: 4px; color: #24324a; }
QToolButton[role="pageButton"]:hover { background: #e6effb; border-color: #a9c4ea; }
QToolButton[role="pageButton"]:pressed { background: #d2e2f7; }
)";

// A button stays with its action: it shows while the action is visible.
void followAction(QWidget *button, QAction *action)
{
    button->setVisible(action->isVisible());
    QObject::connect(action, &QAction::visibleChanged, button, [button, action] { button->setVisible(action->isVisible()); });
}

} // namespace

TFrmMain::TFrmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(caption());
    setPlacementOwner(this);
    registerShellWindows();

    createActions();
    createMenus();
    createToolBar();
    createPages();
    createStatusBar();

    // Only the employee export reads it; it is never shown.
    m_exportGrid = new DataGrid(this);
    m_exportGrid->setObjectName(QStringLiteral("DBGridEh1"));
    m_exportGrid->setColumns(MainWindowRules::employeeExportColumns());
    m_exportGrid->setEditable(false);
    m_exportGrid->hide();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &TFrmMain::tick);
    m_timer->start();
    tick();

    PlaceForm(this, 2);
}

QString TFrmMain::caption() { return AppInfo::productName().trimmed() + QLatin1Char(' ') + AppInfo::versionText(); }

void TFrmMain::createActions()
{
    for (const ShellAction &row : ShellActions::all()) {
        auto *a = new QAction(ShellIcons::action(row.name), row.caption, this);
        a->setObjectName(row.name);
        a->setProperty("category", row.category);
        a->setStatusTip(row.caption);
        const QString name = row.name;
        connect(a, &QAction::triggered, this, [this, name] { runAction(name); });
        m_actions.insert(row.name, a);
    }
}

QAction *TFrmMain::plainItem(const QString &objectName, const QString &text)
{
    auto *a = new QAction(text, this);
    a->setObjectName(objectName);
    return a;
}

void TFrmMain::createMenus()
{
    auto menu = [this](const char *name, const char *caption) {
        QMenu *m = menuBar()->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto add = [this](QMenu *m, std::initializer_list<const char *> names) {
        for (const char *n : names)
            m->addAction(m_actions.value(QString::fromLatin1(n)));
    };

    QMenu *system = menu("mi100", "系统管理");
    add(system, {"Action101", "Action102", "Action103"});
    system->addSeparator();
    QAction *quit = plainItem(QStringLiteral("N5"), QStringLiteral("退出系统"));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    system->addAction(quit);

    add(menu("mi200", "基本资料"), {"Action201", "Action202", "Action203"});

    QMenu *daily = menu("mi300", "日常管理");
    add(daily, {"Action301", "Action302", "Action303"});
    daily->addSeparator();
    add(daily, {"Action304", "Action305"});

    QMenu *reports = menu("N3", "报表中心");
    add(reports, {"Action501", "Action502", "Action503", "Action504"});
    reports->addSeparator();
    add(reports, {"Action505", "Action506", "Action507", "Action508", "Action509", "Action510"});

    QMenu *maintenance = menu("N22", "数据维护");
    add(maintenance, {"Action406", "Action402", "Action403", "Action401"});
    maintenance->addSeparator();
    add(maintenance, {"Action404", "Action405"});

    QMenu *tools = menu("nFz", "辅助功能");
    QAction *calculator = plainItem(QStringLiteral("N24"), QStringLiteral("计算器"));
    connect(calculator, &QAction::triggered, this, [] { MainWindowRules::startCalculator(); });
    QAction *editor = plainItem(QStringLiteral("N25"), QStringLiteral("笔记本"));
    connect(editor, &QAction::triggered, this, [] { MainWindowRules::startEditor(); });
    QAction *help = plainItem(QStringLiteral("N8"), QStringLiteral("帮助文件"));
    connect(help, &QAction::triggered, this, [] { MainWindowRules::openHelp(); });
    QAction *about = plainItem(QStringLiteral("N7"), QStringLiteral("关于我们"));
    connect(about, &QAction::triggered, this, &TFrmMain::showAbout);
    QAction *website = plainItem(QStringLiteral("N27"), QStringLiteral("访问我们的网站"));
    connect(website, &QAction::triggered, this, [] { MainWindowRules::openWebsite(); });
    tools->addAction(calculator);
    tools->addAction(editor);
    tools->addSeparator();
    tools->addAction(help);
    tools->addAction(about);
    tools->addAction(website);
}

QMenu *TFrmMain::topMenu(const QString &objectName) const
{
    return menuBar()->findChild<QMenu *>(objectName, Qt::FindDirectChildrenOnly);
}

void TFrmMain::createToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(32, 32));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setStyleSheet(QStringLiteral("QToolBar { spacing: 2px; padding: 2px 6px; }"
                                      "QToolButton { min-width: 62px; padding: 2px 4px; }"));

    auto button = [bar](const char *name, const QString &text, const QIcon &icon) {
        auto *b = new QToolButton(bar);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setIcon(icon);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        return std::make_pair(b, bar->addWidget(b));
    };
    auto [relogin, reloginItem] = button("ToolButton1", QStringLiteral("重新登录"), ShellIcons::tool(QStringLiteral("relogin")));
    connect(relogin, &QToolButton::clicked, this, &TFrmMain::relogin);
    bar->addSeparator();
    auto [printer, printerItem] = button("ToolButton2", QStringLiteral("打印设置"), ShellIcons::tool(QStringLiteral("printer")));
    connect(printer, &QToolButton::clicked, this, [] { Prompter::current().printerSetup(); });
    // Bound to their actions: they come and go with them. In a tool bar the
    // item, not the button, decides what shows.
    for (const auto &[name, text, actionName] :
         {std::tuple{"ToolButton7", "压缩数据", "Action406"}, std::tuple{"ToolButton3", "备份恢复", "Action402"}}) {
        QAction *a = m_actions.value(QString::fromLatin1(actionName));
        auto [b, item] = button(name, QString::fromUtf8(text), a->icon());
        connect(b, &QToolButton::clicked, a, &QAction::trigger);
        item->setVisible(a->isVisible());
        connect(a, &QAction::visibleChanged, item, [item = item, a] { item->setVisible(a->isVisible()); });
    }
    bar->addSeparator();
    auto [exit, exitItem] = button("ToolButton4", QStringLiteral("退出"), ShellIcons::tool(QStringLiteral("exit")));
    connect(exit, &QToolButton::clicked, this, &QWidget::close);
    Q_UNUSED(reloginItem);
    Q_UNUSED(printerItem);
    Q_UNUSED(exitItem);

    auto *spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);

    m_clock = new QLabel(bar);
    m_clock->setObjectName(QStringLiteral("Label1"));
    m_clock->setAlignment(Qt::AlignCenter);
    m_clock->setMinimumWidth(150);
    m_clock->setStyleSheet(QStringLiteral(
        "QLabel#Label1 { color: #eaf6ff; font-size: 26px; font-weight: bold; padding: 4px 14px;"
        " border-radius: 8px; border: 1px solid #0d2c55;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2b5d9c, stop:1 #143664); }"));
    bar->addWidget(m_clock);
}

QWidget *TFrmMain::newPage(const QString &objectName, const QString &caption, const QString &description,
                           QGridLayout *&grid)
{
    auto *page = new QWidget;
    page->setObjectName(objectName);
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *body = new QWidget(page);
    body->setObjectName(QStringLiteral("pageBody"));
    body->setAttribute(Qt::WA_StyledBackground);
    body->setStyleSheet(QString::fromUtf8(pageStyle));
    outer->addWidget(body);

    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(24, 16, 24, 12);
    layout->setSpacing(4);
    auto *title = new QLabel(caption, body);
    title->setProperty("role", "pageTitle");
    auto *text = new QLabel(description, body);
    text->setProperty("role", "pageText");
    text->setWordWrap(true);
    auto *rule = new QFrame(body);
    rule->setFrameShape(QFrame::HLine);
    rule->setProperty("role", "rule");
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addSpacing(4);
    layout->addWidget(rule);
    layout->addSpacing(8);

    grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    layout->addLayout(grid);
    layout->addStretch(1);
    m_pages->addTab(page, ShellIcons::page(objectName), caption);
    return body;
}

QToolButton *TFrmMain::pageButton(QWidget *page, const QString &actionName, bool large)
{
    QAction *a = m_actions.value(actionName);
    auto *b = new QToolButton(page);
    b->setObjectName(QStringLiteral("btn") + actionName);
    b->setProperty("role", "pageButton");
    b->setText(a->text());
    b->setIcon(a->icon());
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::TabFocus);
    if (large) {
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(48, 48));
        b->setFixedSize(124, 96);
    } else {
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setIconSize(QSize(32, 32));
        b->setFixedSize(196, 46);
    }
    connect(b, &QToolButton::clicked, a, &QAction::trigger);
    followAction(b, a);
    return b;
}

void TFrmMain::createPages()
{
    m_pages = new PageControl(this);
    m_pages->setObjectName(QStringLiteral("RzPageControl1"));
    setCentralWidget(m_pages);

    auto place = [this](QWidget *page, QGridLayout *grid, const char *action, int row, int column) {
        grid->addWidget(pageButton(page, QString::fromLatin1(action), true), row, column);
    };
    auto finish = [](QGridLayout *grid, int columns) { grid->setColumnStretch(columns, 1); };

    QGridLayout *grid = nullptr;
    QWidget *page = newPage(QStringLiteral("ti200"), QStringLiteral("日常管理"),
                            QStringLiteral("记录每天的生产计件和代扣、应发项目，月底核算工资并按面额发放零币。"), grid);
    place(page, grid, "Action301", 0, 0);
    place(page, grid, "Action302", 0, 1);
    place(page, grid, "Action303", 0, 2);
    place(page, grid, "Action304", 0, 3);
    place(page, grid, "Action305", 1, 0);
    finish(grid, 4);

    page = newPage(QStringLiteral("ti300"), QStringLiteral("报表中心"),
                   QStringLiteral("按期间、员工、部门、产品和工序统计计件与工资，打印或导出报表。"), grid);
    grid->setVerticalSpacing(4);
    int row = 0;
    auto heading = [&](const char *text) {
        auto *heading = new QWidget(page);
        auto *line = new QHBoxLayout(heading);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(6);
        auto *mark = new QFrame(heading);
        mark->setProperty("role", "mark");
        mark->setFixedSize(4, 16);
        auto *label = new QLabel(QString::fromUtf8(text), heading);
        label->setProperty("role", "heading");
        line->addWidget(mark);
        line->addWidget(label, 1);
        if (row > 0)
            grid->setRowMinimumHeight(row++, 4);
        grid->addWidget(heading, row++, 0, 1, 2);
    };
    auto pair = [&](const char *left, const char *right) {
        grid->addWidget(pageButton(page, QString::fromLatin1(left), false), row, 0);
        grid->addWidget(pageButton(page, QString::fromLatin1(right), false), row, 1);
        ++row;
    };
    heading("生产计件报表");
    pair("Action501", "Action502");
    heading("工资核算报表");
    pair("Action503", "Action504");
    heading("员工及部门工资汇总统计");
    pair("Action505", "Action506");
    pair("Action507", "Action508");
    pair("Action509", "Action510");
    finish(grid, 2);

    page = newPage(QStringLiteral("ti400"), QStringLiteral("基本资料"),
                   QStringLiteral("维护员工档案、产品及其工序单价和工资项目，它们是日常计件和工资核算的基础。"), grid);
    place(page, grid, "Action201", 0, 0);
    place(page, grid, "Action202", 0, 1);
    place(page, grid, "Action203", 0, 2);
    finish(grid, 3);

    page = newPage(QStringLiteral("ti100"), QStringLiteral("系统管理"),
                   QStringLiteral("填写公司信息，管理操作员及其权限，修改自己的登录密码。"), grid);
    place(page, grid, "Action101", 0, 0);
    place(page, grid, "Action102", 0, 1);
    place(page, grid, "Action103", 0, 2);
    finish(grid, 3);

    page = newPage(QStringLiteral("TabSheet1"), QStringLiteral("数据维护"),
                   QStringLiteral("备份与恢复、清理和压缩数据库，从电子表格导入或导出员工资料。"), grid);
    place(page, grid, "Action401", 0, 0);
    place(page, grid, "Action402", 0, 1);
    place(page, grid, "Action403", 0, 2);
    place(page, grid, "Action406", 0, 3);
    place(page, grid, "Action404", 1, 0);
    place(page, grid, "Action405", 1, 1);
    finish(grid, 4);

    m_pages->setCurrentIndex(0);
}

void TFrmMain::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    const QList<QPair<QString, int>> panels{{QStringLiteral(" 当前用户"), 60},
                                            {QString(), 80},
                                            {QStringLiteral(" 当前日期时间"), 100},
                                            {QString(), 140},
                                            {AppInfo::applicationTitle(), 0}};
    for (int i = 0; i < panels.size(); ++i) {
        auto *panel = new QLabel(panels.at(i).first, bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        const int width = panels.at(i).second;
        if (width > 0) {
            // At least the designed width; wider only where the font needs it.
            const int needed = panel->fontMetrics().horizontalAdvance(panels.at(i).first) + 12;
            panel->setFixedWidth(qMax(width, needed));
            bar->addWidget(panel);
        } else {
            panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            bar->addWidget(panel, 1);
        }
        m_panels.append(panel);
    }
    m_panels.at(3)->setFixedWidth(qMax(140, m_panels.at(3)->fontMetrics().horizontalAdvance(
                                               MainWindowRules::timePanelText(Clock::current().now())) + 12));
}

QLabel *TFrmMain::statusPanel(int index) const { return m_panels.value(index); }

void TFrmMain::tick()
{
    const QDateTime now = Clock::current().now();
    m_clock->setText(MainWindowRules::clockText(now));
    m_panels.at(3)->setText(MainWindowRules::timePanelText(now));
}

void TFrmMain::applyGating(const Gating &gating)
{
    for (const ShellAction &row : ShellActions::all())
        m_actions.value(row.name)->setVisible(gating.sees(row.name));
    for (const GatedMenu &menu : ShellActions::gatedMenus())
        if (QMenu *m = topMenu(menu.objectName))
            m->menuAction()->setVisible(gating.visibleMenus.contains(menu.objectName));
}

void TFrmMain::showLogin(const QString &operatorName, const QDateTime &at)
{
    m_panels.at(1)->setText(MainWindowRules::operatorPanelText(operatorName));
    m_panels.at(3)->setText(MainWindowRules::timePanelText(at));
}

void TFrmMain::runAction(const QString &name)
{
    TdmData &dm = TdmData::instance();
    if (name == QLatin1String("Action401"))
        MainWindowRules::chooseDataFolder(dm);
    else if (name == QLatin1String("Action405"))
        exportEmployees();
    else if (name == QLatin1String("Action406"))
        MainWindowRules::compactDatabase(dm);
    else
        WindowRegistry::open(name);
}

bool TFrmMain::exportEmployees()
{
    RowSet rows;
    if (!TdmData::instance().OpenQuery(MainWindowRules::employeeExportStatement(), rows))
        return false;
    m_exportGrid->setRows(std::move(rows));
    const bool written = !ExportGridToExcel(m_exportGrid, QStringLiteral("员工资料"), true).isEmpty();
    // The rows are not kept once the workbook is written.
    m_exportGrid->setRows(RowSet());
    return written;
}

void TFrmMain::relogin() { TfrmOperLogin::run(LoginRules::Mode::ChangeOperator, this, this); }

void TFrmMain::showAbout()
{
    TfrmAboutInfo about(this);
    about.exec();
}

void TFrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // After the window has painted: the backup may take a while or ask.
    QTimer::singleShot(0, this, &TFrmMain::firstShown);
}

void TFrmMain::firstShown()
{
    // Dates read and print as yyyy-MM-dd throughout the program by its own
    // formats; the user's desktop settings are left alone.
    setWindowTitle(caption());
    MainWindowRules::runScheduledBackup(TdmData::instance());
}

void TFrmMain::closeEvent(QCloseEvent *event)
{
    if (ShowMsg(MainWindowRules::closeQuestion(), MsgQuestion) == MsgOk)
        event->accept();
    else
        event->ignore();
}
