#pragma once

#include <QRect>
#include <optional>

// Where a window goes before it is shown:
//  0 working windows: 798 x 572, centred on the main window when the screen
//    is wider than 800 pixels, else at the screen's top-left corner;
//  1 dialogs: designed size, centred on the main window;
//  2 the main window: 798 x 572, centred on the screen when it is wider than
//    800 pixels, else at the top-left corner.
// Any other mode places nothing. Without a main window, centre on the screen.
std::optional<QRect> formPlacement(int mode, QSize designedSize, const QRect &screen,
                                   const std::optional<QRect> &mainWindow);
