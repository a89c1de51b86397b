#include "shell/ShellWindows.h"

#include "masterdata/TFrmGoodMan.h"
#include "masterdata/TfrmEmpMan.h"
#include "misc/TFrmUserInfo.h"
#include "shell/TfrmModPass.h"
#include "shell/TfrmOperGl.h"
#include "shell/WindowRegistry.h"

// One line per window. An action missing here tells the operator that its
// function is still to come.
void registerShellWindows()
{
    WindowRegistry::addModal<TFrmUserInfo>(QStringLiteral("Action101"));
    WindowRegistry::addModal<TfrmModPass>(QStringLiteral("Action102"));
    WindowRegistry::addModal<TfrmOperGl>(QStringLiteral("Action103"));
    WindowRegistry::add(QStringLiteral("Action201"), &TfrmEmpMan::showWindow);
    WindowRegistry::add(QStringLiteral("Action202"), &TFrmGoodMan::showWindow);
}
