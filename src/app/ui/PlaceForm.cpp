#include "app/ui/PlaceForm.h"

#include "app/FormPlacement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace {
QPointer<QWidget> owner;
} // namespace

void setPlacementOwner(QWidget *mainWindow) { owner = mainWindow; }

QWidget *placementOwner() { return owner; }

void PlaceForm(QWidget *window, int mode)
{
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    std::optional<QRect> ownerRect;
    if (owner && owner != window)
        ownerRect = owner->frameGeometry();
    const auto placed = formPlacement(mode, window->size(), screenRect, ownerRect);
    if (!placed)
        return;
    window->resize(placed->size());
    window->move(placed->topLeft());
}
