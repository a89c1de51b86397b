#include "app/ui/WorkWindow.h"

#include "app/AppInfo.h"
#include "app/Prompter.h"
#include "app/ui/DataGrid.h"
#include "app/ui/GridServices.h"
#include "app/ui/PlaceForm.h"
#include "app/ui/ToolIcons.h"
#include "app/ui/WindowKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <optional>

namespace {

struct ToolInfo
{
    const char *name;
    const char *caption;
};

ToolInfo toolInfo(Tool tool)
{
    switch (tool) {
    case Tool::New: return {"tbNew", "新增"};
    case Tool::Edit: return {"tbEdit", "修改"};
    case Tool::Del: return {"tbDel", "删除"};
    case Tool::Save: return {"tbSave", "保存"};
    case Tool::Cancel: return {"tbCancel", "取消"};
    case Tool::Query: return {"tbQuery", "查询"};
    case Tool::First: return {"tbFirst", "首项"};
    case Tool::Prior: return {"tbPrior", "前项"};
    case Tool::Next: return {"tbNext", "后项"};
    case Tool::Last: return {"tbLast", "末项"};
    case Tool::Refresh: return {"tbRefresh", "刷新"};
    case Tool::Print: return {"tbPrint", "打印"};
    case Tool::Set: return {"tbSet", "设置"};
    case Tool::Export: return {"tbExport", "导出"};
    case Tool::Exit: return {"tbExit", "退出"};
    }
    return {"", ""};
}

bool isResultTool(Tool tool)
{
    switch (tool) {
    case Tool::First:
    case Tool::Prior:
    case Tool::Next:
    case Tool::Last:
    case Tool::Print:
    case Tool::Set:
    case Tool::Export: return true;
    default: return false;
    }
}

} // namespace

QString WorkWindow::defaultObjectName(Tool tool) { return QString::fromUtf8(toolInfo(tool).name); }

QString WorkWindow::defaultCaption(Tool tool) { return QString::fromUtf8(toolInfo(tool).caption); }

WorkWindow::WorkWindow(WindowSpec spec, QWidget *parent)
    : QDialog(parent ? parent : placementOwner()), m_spec(std::move(spec))
{
    setWindowTitle(m_spec.caption);
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    setSizeGripEnabled(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    buildToolBar();
    layout->addWidget(m_toolBar);

    auto *queryHost = new QWidget(this);
    m_queryBar = new QHBoxLayout(queryHost);
    m_queryBar->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(queryHost);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setColumns(m_spec.columns);
    m_grid->setDescendingFirst(m_spec.descendingFirst);
    m_grid->setShowFooter(m_spec.showFooter);
    layout->addWidget(m_grid, 1);

    auto *status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        panel->setMinimumWidth(i == 3 ? 0 : 90);
        status->addWidget(panel, i == 3 ? 1 : 0);
        m_panels.append(panel);
    }
    m_panels.at(3)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(status);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *n1 = m_popup->addAction(QStringLiteral("显示字段列表"));
    n1->setObjectName(QStringLiteral("N1"));
    QAction *n2 = m_popup->addAction(QStringLiteral("保存当前设置"));
    n2->setObjectName(QStringLiteral("N2"));
    connect(n1, &QAction::triggered, this, [this] { ChooseVisibleColumns(m_grid); });
    connect(n2, &QAction::triggered, this, [this] {
        if (ShowMsg(QStringLiteral("真的要保存当前网格设置吗？"), MsgQuestion) == MsgOk && !m_spec.windowKey.isEmpty())
            SaveGridLayout(m_grid, m_spec.windowKey);
    });
    m_grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid->view(), &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_popup->popup(m_grid->view()->viewport()->mapToGlobal(at)); });

    connect(m_grid, &DataGrid::rowDoubleClicked, this, [this] {
        if (QToolButton *edit = tool(Tool::Edit); edit && edit->isEnabled())
            edit->click();
    });
    connect(m_grid, &DataGrid::currentRowChanged, this, [this](int row) { m_navigator.setCurrent(row); });

    if (m_spec.family == WindowSpec::Statistics)
        for (auto it = m_tools.cbegin(); it != m_tools.cend(); ++it)
            if (isResultTool(it.key()))
                it.value()->setEnabled(false);
}

WorkWindow::~WorkWindow() { qApp->removeEventFilter(this); }

void WorkWindow::buildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(false);
    for (const ToolDecl &decl : m_spec.tools) {
        auto *button = new QToolButton(m_toolBar);
        button->setObjectName(decl.objectName.isEmpty() ? defaultObjectName(decl.tool) : decl.objectName);
        button->setText(decl.caption.isEmpty() ? defaultCaption(decl.tool) : decl.caption);
        button->setIcon(toolIcon(decl.tool));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(48);
        if (decl.tool == Tool::Exit || decl.tool == Tool::First || decl.tool == Tool::Print)
            m_toolBar->addSeparator();
        m_toolBar->addWidget(button);
        m_tools.insert(decl.tool, button);
        connect(button, &QToolButton::clicked, this, [this, tool = decl.tool] { trigger(tool); });
    }
}

void WorkWindow::trigger(Tool tool)
{
    switch (tool) {
    case Tool::New: onNew(); break;
    case Tool::Edit: onEdit(); break;
    case Tool::Del: onDelete(); break;
    case Tool::Save: onSave(); break;
    case Tool::Cancel: onCancel(); break;
    case Tool::Query:
    case Tool::Refresh: onQuery(); break;
    case Tool::First: navigate(&RecordNavigator::first); break;
    case Tool::Prior: navigate(&RecordNavigator::prior); break;
    case Tool::Next: navigate(&RecordNavigator::next); break;
    case Tool::Last: navigate(&RecordNavigator::last); break;
    case Tool::Print: onPrint(); break;
    case Tool::Set: onDesign(); break;
    case Tool::Export: onExport(); break;
    case Tool::Exit: close(); break;
    }
}

QToolButton *WorkWindow::makeQueryButton()
{
    auto *run = new QToolButton(this);
    run->setObjectName(QStringLiteral("SpeedButton1"));
    run->setText(QStringLiteral("查询"));
    run->setIcon(toolIcon(Tool::Query));
    run->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(run, &QToolButton::clicked, this, [this] { runQuery(); });
    return run;
}

QLabel *WorkWindow::statusPanel(int index) const { return m_panels.value(index); }

void WorkWindow::setToolEnabled(Tool tool, bool enabled)
{
    if (QToolButton *button = m_tools.value(tool))
        button->setEnabled(enabled);
}

bool WorkWindow::runQuery()
{
    RowSet rows;
    if (!queryRows(rows))
        return false;
    m_grid->setRows(std::move(rows));
    m_navigator.reset(m_grid->rowCount(), m_grid->currentRow());
    if (!m_queried && m_spec.family == WindowSpec::Statistics)
        for (auto it = m_tools.cbegin(); it != m_tools.cend(); ++it)
            if (isResultTool(it.key()))
                it.value()->setEnabled(true);
    m_queried = true;
    updateRecordCount();
    afterQuery();
    return true;
}

void WorkWindow::updateRecordCount()
{
    const QString label = m_spec.family == WindowSpec::List ? QStringLiteral("记录数：") : QStringLiteral("记录数/");
    m_panels.at(2)->setText(label + QString::number(m_grid->rowCount()));
}

void WorkWindow::navigate(void (RecordNavigator::*step)())
{
    (m_navigator.*step)();
    if (m_navigator.current() >= 0 && m_navigator.current() != m_grid->currentRow()) {
        const QSignalBlocker quiet(m_grid);
        m_grid->setCurrentRow(m_navigator.current());
    }
    showNavigatorState();
}

void WorkWindow::showNavigatorState()
{
    setToolEnabled(Tool::First, m_navigator.firstEnabled());
    setToolEnabled(Tool::Prior, m_navigator.priorEnabled());
    setToolEnabled(Tool::Next, m_navigator.nextEnabled());
    setToolEnabled(Tool::Last, m_navigator.lastEnabled());
}

void WorkWindow::onExport() { ExportGridToExcel(m_grid, m_spec.sheetName, true); }

int WorkWindow::openModal()
{
    PlaceForm(this, 0);
    return exec();
}

void WorkWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (!m_spec.windowKey.isEmpty()) {
        if (m_spec.appliesLayout)
            ApplyColumnLayout(m_grid, m_spec.windowKey);
        else
            LoadGridLayout(m_grid, m_spec.windowKey);
    }
    m_panels.at(3)->setText(AppInfo::publisherLabel() + QStringLiteral("  "));
    if (m_spec.family == WindowSpec::List)
        runQuery();
}

bool WorkWindow::event(QEvent *event)
{
    // The window sees keys before its controls while it is shown.
    if (event->type() == QEvent::Show)
        qApp->installEventFilter(this);
    else if (event->type() == QEvent::Hide)
        qApp->removeEventFilter(this);
    return QDialog::event(event);
}

bool WorkWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this)
        if (handleKey(static_cast<QKeyEvent *>(event)))
            return true;
    return QDialog::eventFilter(watched, event);
}

bool WorkWindow::handleKey(QKeyEvent *event)
{
    // While a cell is edited, Delete, Home, End and Esc belong to the editor.
    if (isCellEditor(focusWidget()))
        return false;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
        onEscape();
        return true;
    }
    const bool list = m_spec.family == WindowSpec::List;
    std::optional<Tool> tool;
    if (mods == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_A: if (list) tool = Tool::New; break;
        case Qt::Key_E: if (list) tool = Tool::Edit; break;
        case Qt::Key_Q: tool = Tool::Query; break;
        case Qt::Key_S: if (list) tool = Tool::Save; break;
        default: break;
        }
    } else if (mods == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_PageUp: tool = Tool::Prior; break;
        case Qt::Key_PageDown: tool = Tool::Next; break;
        case Qt::Key_End: tool = Tool::Last; break;
        case Qt::Key_Home: tool = Tool::First; break;
        case Qt::Key_Delete: if (list) tool = Tool::Del; break;
        default: break;
        }
    }
    if (tool) {
        QToolButton *button = m_tools.value(*tool);
        if (!button || !button->isEnabled())
            return false;
        if (*tool == Tool::Query)
            button->animateClick();
        else
            button->click();
        return true;
    }
    return enterMovesFocus(this, event);
}
