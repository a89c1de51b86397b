#pragma once

#include <QColor>
#include <QList>
#include <QString>

// One column of a grid as it is designed and as its layout is stored.
struct GridColumn
{
    enum Alignment { Left = 0, Centre = 1, Right = 2 };
    enum class Footer { None = 0, Text = 1, Sum = 2 };

    QString field;
    QString title;
    int width = 80;
    bool visible = true;
    bool readOnly = false;
    int alignment = Left;
    QString displayFormat;  // cells and the sum footer
    Footer footer = Footer::None;
    QString footerValue;    // shown when footer is Text
    bool checkBox = false;  // a yes/no field shown as a tick box
    QColor background;      // of the column's cells, unless the row has colours of its own

    static GridColumn text(QString field, QString title, int width = 80)
    {
        GridColumn c;
        c.field = std::move(field);
        c.title = std::move(title);
        c.width = width;
        return c;
    }
    static GridColumn number(QString field, QString title, QString format, int width = 90)
    {
        GridColumn c = text(std::move(field), std::move(title), width);
        c.alignment = Right;
        c.displayFormat = std::move(format);
        return c;
    }
    GridColumn &withSum() { footer = Footer::Sum; return *this; }
    GridColumn &withFooterText(QString value) { footer = Footer::Text; footerValue = std::move(value); return *this; }
    GridColumn &hidden() { visible = false; return *this; }
    GridColumn &editable() { readOnly = false; return *this; }
    GridColumn &locked() { readOnly = true; return *this; }
    GridColumn &centred() { alignment = Centre; return *this; }
    GridColumn &asCheckBox() { checkBox = true; alignment = Centre; return *this; }
    GridColumn &withBackground(QColor colour) { background = std::move(colour); return *this; }
};

using GridColumns = QList<GridColumn>;

// Index of the first column bound to the field, compared without case; -1 if none.
int columnOfField(const GridColumns &columns, const QString &field);
