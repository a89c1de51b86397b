#pragma once

#include <QIcon>

enum class Tool;

// The picture of a tool button, drawn so the program needs no image files.
QIcon toolIcon(Tool tool);
