#include "shell/WindowRegistry.h"

#include "app/Prompter.h"
#include "shell/MainWindowRules.h"

#include <QHash>

namespace {
QHash<QString, WindowRegistry::Opener> &openers()
{
    static QHash<QString, WindowRegistry::Opener> table;
    return table;
}
} // namespace

void WindowRegistry::add(const QString &action, Opener open) { openers().insert(action, std::move(open)); }

bool WindowRegistry::contains(const QString &action) { return openers().contains(action); }

bool WindowRegistry::open(const QString &action)
{
    // A copy: the window may register or clear while it is open.
    const Opener opener = openers().value(action);
    if (!opener) {
        ShowMsg(MainWindowRules::notReadyText(), MsgInformation);
        return false;
    }
    opener();
    return true;
}

void WindowRegistry::clear() { openers().clear(); }

void WindowRegistry::place(QWidget *window, const QString &action)
{
    const ShellAction *row = ShellActions::find(action);
    if (row && row->placement >= 0)
        PlaceForm(window, row->placement);
}
