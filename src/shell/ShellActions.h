#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where the window of an action goes before it is shown: a PlaceForm mode
// (0 working window, 1 dialog) or one of these.
enum ActionPlacement : int {
    PlacementNone = -1,     // the action works in place and opens no window
    PlacementDesigned = -2, // the window keeps the position it designs for itself
};

// One action of the main window.
struct ShellAction
{
    QString name;     // "Action101"
    QString code;     // its permission code "101"; empty when it is not gated
    QString category; // the menu and tab page it belongs to
    QString caption;
    int placement = PlacementNone;

    bool gated() const { return !code.isEmpty(); }
};

// A top-level menu of the main window that shows only while one of its
// actions is visible.
struct GatedMenu
{
    QString objectName; // "mi100"
    QString caption;
    QStringList actions; // the actions that keep it visible
};

class ShellActions
{
public:
    // Every action, the 26 gated ones in the order of their codes, then Action406.
    static const QList<ShellAction> &all();
    static const ShellAction *find(const QString &name);
    // The gated actions, in the order of their codes.
    static QList<ShellAction> gated();
    // The five menus that follow their groups, in menu-bar order.
    static const QList<GatedMenu> &gatedMenus();

    // The action that needs no permission: compaction.
    static QString alwaysAvailable() { return QStringLiteral("Action406"); }
};
