#pragma once

class QWidget;

// Sizes and places a window before it is shown (modes of formPlacement).
void PlaceForm(QWidget *window, int mode);

// The main window that dialogs centre on; set by the main window itself.
void setPlacementOwner(QWidget *mainWindow);
QWidget *placementOwner();
