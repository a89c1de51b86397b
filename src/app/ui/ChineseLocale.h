#pragma once

// The program speaks Simplified Chinese whatever the desktop's language:
// Qt's own dialogs (file dialogs, print preview) are translated too, and
// numbers and dates follow the Chinese locale.
void installChineseLocale();
