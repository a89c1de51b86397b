#pragma once

#include <QSet>
#include <QString>

class TdmData;

// What an operator sees of the main window.
struct Gating
{
    QSet<QString> visibleActions; // action names; Action406 always among them
    QSet<QString> visibleMenus;   // object names of the gated top-level menus

    bool sees(const QString &action) const { return visibleActions.contains(action); }
};

// Works out the gating after a login. Only the exact, lower-case super user
// name sees everything; any other spelling is an ordinary operator.
class PermissionGate
{
public:
    static bool isSuperUser(const QString &operatorName);

    // The gating of the operator: the super user by name, everybody else by
    // the permission rows of the current operator (one look-up per code).
    static Gating SetLimits(TdmData &dm, const QString &operatorName);

    // The gated menus that keep at least one visible action.
    static QSet<QString> menusFor(const QSet<QString> &visibleActions);
};
