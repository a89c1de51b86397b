#pragma once

#include "app/GridColumn.h"
#include "app/RecordNavigator.h"
#include "app/RowSet.h"

#include <QDialog>
#include <QHash>

class DataGrid;
class QBoxLayout;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

// The tool buttons a working window may carry.
enum class Tool { New, Edit, Del, Save, Cancel, Query, First, Prior, Next, Last, Refresh, Print, Set, Export, Exit };

// One tool button as a window declares it; name and caption default to the
// usual ones ("tbNew" "新增" …) unless the window spells them otherwise.
struct ToolDecl
{
    Tool tool;
    QString objectName = {};
    QString caption = {};
};

// What a list or statistics window is made of.
struct WindowSpec
{
    enum Family { List, Statistics };
    Family family = List;
    QString caption;
    QString windowKey;      // its grid layout in cfg_Grid; empty: none
    bool appliesLayout = false; // builds its own columns and only applies stored settings
    QString sheetName;      // for "导出"
    QList<ToolDecl> tools;
    GridColumns columns;
    bool descendingFirst = false;
    bool showFooter = false;
};

// The shared behaviour of list and statistics windows: tool bar, grid,
// status bar, record navigation, the keyboard, the grid's popup menu,
// sorting by title, export. A window declares its spec and its query and
// overrides the actions it has.
class WorkWindow : public QDialog
{
    Q_OBJECT
public:
    explicit WorkWindow(WindowSpec spec, QWidget *parent = nullptr);
    ~WorkWindow() override;

    const WindowSpec &spec() const { return m_spec; }
    DataGrid *grid() const { return m_grid; }
    QToolButton *tool(Tool tool) const { return m_tools.value(tool); }
    QLabel *statusPanel(int index) const;
    const RecordNavigator &navigator() const { return m_navigator; }

    // Runs the window's query and shows its rows.
    bool runQuery();
    bool hasQueried() const { return m_queried; }

    // Places the window (mode 0) and shows it modally.
    int openModal();

    static QString defaultObjectName(Tool tool);
    static QString defaultCaption(Tool tool);

protected:
    // The rows to show; false when the query failed (it reported why).
    virtual bool queryRows(RowSet &rows) = 0;

    virtual void onNew() {}
    virtual void onEdit() {}
    virtual void onDelete() {}
    virtual void onSave() {}
    virtual void onCancel() {}
    virtual void onQuery() { runQuery(); }
    virtual void onPrint() {}
    virtual void onDesign() {}
    virtual void onExport();
    // Esc: closes the window.
    virtual void onEscape() { close(); }
    // After every query, for windows that set their own footers or states.
    virtual void afterQuery() {}

    // The row above the grid where a window puts its query boxes.
    QBoxLayout *queryBar() const { return m_queryBar; }
    // The button beside the query boxes that runs the query (SpeedButton1).
    QToolButton *makeQueryButton();
    // Enables a tool when present.
    void setToolEnabled(Tool tool, bool enabled);
    void updateRecordCount();

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildToolBar();
    void navigate(void (RecordNavigator::*step)());
    void showNavigatorState();
    bool handleKey(class QKeyEvent *event);
    void trigger(Tool tool);

    WindowSpec m_spec;
    QToolBar *m_toolBar = nullptr;
    QHash<Tool, QToolButton *> m_tools;
    DataGrid *m_grid = nullptr;
    QBoxLayout *m_queryBar = nullptr;
    QList<QLabel *> m_panels;
    QMenu *m_popup = nullptr;
    RecordNavigator m_navigator;
    bool m_queried = false;
    bool m_shown = false;
};
