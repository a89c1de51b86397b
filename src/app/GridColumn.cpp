#include "app/GridColumn.h"

int columnOfField(const GridColumns &columns, const QString &field)
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
