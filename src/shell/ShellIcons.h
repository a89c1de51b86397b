#pragma once

#include <QIcon>
#include <QString>

class QPainter;
class QRect;

// The pictures of the main window and the login, drawn so that the program
// needs no image files.
namespace ShellIcons {

// The picture of a main-window action ("Action101" …).
QIcon action(const QString &actionName);
// The picture of a tab page ("ti200" …).
QIcon page(const QString &pageName);
// The tool bar's own buttons: "relogin", "printer", "exit".
QIcon tool(const QString &name);

// The banner across the top of the login and the small dialogs: the
// program's mark, a title and a line below it.
void paintBanner(QPainter &p, const QRect &area, const QString &title, const QString &subtitle);

} // namespace ShellIcons
