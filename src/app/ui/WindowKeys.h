#pragma once

class QKeyEvent;
class QWidget;

// Enter as the office knows it: outside a memo it moves on to the next
// control (a focused button is pressed), inside a grid it moves to the next
// column (the grid does that itself). Returns true when the key was used.
bool enterMovesFocus(QWidget *window, QKeyEvent *event);

// Whether the widget is a multi-line memo, where Enter starts a new line.
bool isMemo(const QWidget *widget);

// Whether the widget is the editor of a grid cell, which keeps its own keys.
bool isCellEditor(const QWidget *widget);
