#include "app/ui/WindowKeys.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

bool isMemo(const QWidget *widget)
{
    return qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QTextEdit *>(widget);
}

bool isCellEditor(const QWidget *widget)
{
    for (const QWidget *w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget())
        if (qobject_cast<const QAbstractItemView *>(w))
            return true;
    return false;
}

bool enterMovesFocus(QWidget *window, QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (event->modifiers() & ~(Qt::KeypadModifier))
        return false;
    QWidget *focus = window->focusWidget();
    if (!focus || isMemo(focus))
        return false;
    // Grids and their cell editors have their own Enter.
    for (QWidget *w = focus; w && w != window; w = w->parentWidget())
        if (qobject_cast<QAbstractItemView *>(w))
            return false;
    if (auto *button = qobject_cast<QAbstractButton *>(focus)) {
        button->click();
        return true;
    }
    // Exactly what Tab would do in that control.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(focus, &tab);
    return true;
}
