#include "app/ui/EditDialog.h"

#include "app/ui/PlaceForm.h"
#include "app/ui/WindowKeys.h"

#include <QApplication>
#include <QKeyEvent>

EditDialog::EditDialog(QWidget *parent) : QDialog(parent ? parent : placementOwner()) {}

int EditDialog::openModal()
{
    // Centre the size the dialog will have, not the one it had before its first layout.
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
    PlaceForm(this, 1);
    return exec();
}

bool EditDialog::event(QEvent *event)
{
    // The dialog sees keys before its controls while it is shown.
    if (event->type() == QEvent::Show)
        qApp->installEventFilter(this);
    else if (event->type() == QEvent::Hide)
        qApp->removeEventFilter(this);
    return QDialog::event(event);
}

bool EditDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this)
        if (enterMovesFocus(this, static_cast<QKeyEvent *>(event)))
            return true;
    return QDialog::eventFilter(watched, event);
}
