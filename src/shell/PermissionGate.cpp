#include "shell/PermissionGate.h"

#include "app/TdmData.h"
#include "shell/ShellActions.h"

bool PermissionGate::isSuperUser(const QString &operatorName)
{
    return operatorName.trimmed() == QLatin1String("admin");
}

Gating PermissionGate::SetLimits(TdmData &dm, const QString &operatorName)
{
    Gating gating;
    const bool super = isSuperUser(operatorName);
    for (const ShellAction &action : ShellActions::gated())
        if (super || dm.HasPermission(action.code))
            gating.visibleActions.insert(action.name);
    gating.visibleActions.insert(ShellActions::alwaysAvailable());
    gating.visibleMenus = menusFor(gating.visibleActions);
    return gating;
}

QSet<QString> PermissionGate::menusFor(const QSet<QString> &visibleActions)
{
    QSet<QString> menus;
    for (const GatedMenu &menu : ShellActions::gatedMenus())
        for (const QString &action : menu.actions)
            if (visibleActions.contains(action)) {
                menus.insert(menu.objectName);
                break;
            }
    return menus;
}
