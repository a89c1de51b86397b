#include "app/FormPlacement.h"

namespace {

QRect centredOn(const QRect &area, QSize size)
{
    return QRect(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2,
                 size.width(), size.height());
}

} // namespace

std::optional<QRect> formPlacement(int mode, QSize designedSize, const QRect &screen,
                                   const std::optional<QRect> &mainWindow)
{
    const QSize working(798, 572);
    const QRect owner = mainWindow.value_or(screen);
    switch (mode) {
    case 0:
        return screen.width() > 800 ? centredOn(owner, working) : QRect(screen.topLeft(), working);
    case 1:
        return centredOn(owner, designedSize);
    case 2:
        return screen.width() > 800 ? centredOn(screen, working) : QRect(screen.topLeft(), working);
    default:
        return std::nullopt;
    }
}
