#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A grid as the grid printer prints it: made by the grid from its visible
// columns, in grid order, with every cell already in its display format.
struct GridPrintColumn
{
    QString title;
    int width = 80;    // pixels on screen
    int alignment = 0; // 0 left, 1 centred, 2 right
};

struct GridPrintJob
{
    QString title;      // the title block: a blank line, the title, a blank line
    int fitMode = 0;    // 0: rows grow to show their whole text; otherwise one line per row
    QString headerText; // left part of the page header; blank: none
    QString footerText; // right part of the page footer; blank: none; "date": the print date
    QList<GridPrintColumn> columns;
    QList<QStringList> rows;   // cell texts, one per column
    QStringList footer;        // the footer row; empty: the grid shows none
};
