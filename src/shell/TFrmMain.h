#pragma once

#include "shell/LoginRules.h"

#include <QHash>
#include <QMainWindow>

class DataGrid;
class QAction;
class QGridLayout;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;
class QToolButton;

// The program's only permanent window: every function as an action, reached
// from the menu bar, the buttons of the tab pages and the tool bar; a clock,
// the operator and the product line in the status bar.
class TFrmMain : public QMainWindow, public LoginTarget
{
    Q_OBJECT
public:
    explicit TFrmMain(QWidget *parent = nullptr);

    static QString caption();

    QAction *action(const QString &name) const { return m_actions.value(name); }
    QMenu *topMenu(const QString &objectName) const;
    QTabWidget *pages() const { return m_pages; }
    // The five panels of the status bar, 0 to 4.
    QLabel *statusPanel(int index) const;
    DataGrid *exportGrid() const { return m_exportGrid; }

    // What an action does when it is triggered.
    void runAction(const QString &name);
    // "重新登录": the login in change-of-operator mode.
    void relogin();
    // The clock, every second.
    void tick();
    // "员工资料导出(Excel)": every employee into a new workbook, shown.
    bool exportEmployees();
    // "关于我们".
    void showAbout();

    void applyGating(const Gating &gating) override;
    void showLogin(const QString &operatorName, const QDateTime &at) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createPages();
    void createStatusBar();
    void firstShown();
    QWidget *newPage(const QString &objectName, const QString &caption, const QString &description, QGridLayout *&grid);
    QToolButton *pageButton(QWidget *page, const QString &actionName, bool large);
    QAction *plainItem(const QString &objectName, const QString &text);

    QHash<QString, QAction *> m_actions;
    QTabWidget *m_pages = nullptr;
    QList<QLabel *> m_panels;
    QLabel *m_clock = nullptr;
    QTimer *m_timer = nullptr;
    DataGrid *m_exportGrid = nullptr;
    bool m_shownOnce = false;
};
