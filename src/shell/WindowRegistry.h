#pragma once

#include "app/ui/PlaceForm.h"
#include "shell/ShellActions.h"

#include <QString>
#include <QWidget>
#include <functional>

// Which window each main-window action opens. A window joins the program
// with one line in ShellWindows.cpp:
//
//     WindowRegistry::add("Action202", &TFrmGoodMan::showWindow);  // opens and places itself
//     WindowRegistry::addModal<TFrmWageItemGl>("Action203");       // created, placed, exec()
//
// An action without a window says that its function is still to come.
class WindowRegistry
{
public:
    using Opener = std::function<void()>;

    static void add(const QString &action, Opener open);
    static bool contains(const QString &action);
    // Opens the action's window; false (after saying so) when there is none.
    static bool open(const QString &action);
    // Forgets every window (tests).
    static void clear();

    // Places a window as the action's row of the table says (nothing for
    // actions that keep their designed position or open no window).
    static void place(QWidget *window, const QString &action);

    // Creates the window with the main window as parent, places it, shows it
    // modally and frees it when it closes.
    template<typename Window>
    static void addModal(const QString &action)
    {
        add(action, [action] {
            Window window(placementOwner());
            place(&window, action);
            window.exec();
        });
    }
};
