#include "app/GridLayouts.h"

#include "app/Prompter.h"
#include "app/TdmData.h"

namespace {

// The settings of a stored row, except field, title and position.
void applyRow(const RowSet &rows, int r, GridColumn &column)
{
    column.width = rows.value(r, QStringLiteral("F_Width")).toInt();
    column.visible = rows.value(r, QStringLiteral("F_Visible")).toBool();
    column.readOnly = rows.value(r, QStringLiteral("F_ReadOnly")).toBool();
    column.displayFormat = rows.text(r, QStringLiteral("F_DisplayFormat"));
    column.footerValue = rows.text(r, QStringLiteral("F_FooterValue"));
    switch (rows.value(r, QStringLiteral("F_FooterType")).toInt()) {
    case 1: column.footer = GridColumn::Footer::Text; break;
    case 2: column.footer = GridColumn::Footer::Sum; break;
    default: column.footer = GridColumn::Footer::None; break;
    }
    const int alignment = rows.value(r, QStringLiteral("F_Alignment")).toInt();
    if (alignment >= GridColumn::Left && alignment <= GridColumn::Right)
        column.alignment = alignment;
}

} // namespace

namespace GridLayouts {

bool load(TdmData &dm, const QString &key, GridColumns &columns)
{
    RowSet rows;
    if (!dm.ADOcnn().select(QStringLiteral("select * from cfg_Grid where F_name = :key and F_FieldName <> '' "
                                           "order by F_Order"),
                            {{QStringLiteral("key"), key}}, &rows)) {
        ShowMsg(connectionFailureText(), MsgError);
        return false;
    }
    if (rows.isEmpty())
        return false;
    GridColumns rebuilt;
    for (int r = 0; r < rows.rowCount(); ++r) {
        GridColumn column;
        column.field = rows.text(r, QStringLiteral("F_FieldName"));
        column.title = rows.text(r, QStringLiteral("F_Caption"));
        // A tick-box column stays one when its layout is stored.
        const int designed = columnOfField(columns, column.field);
        if (designed >= 0)
            column.checkBox = columns.at(designed).checkBox;
        applyRow(rows, r, column);
        rebuilt.append(column);
    }
    columns = rebuilt;
    return true;
}

void apply(TdmData &dm, const QString &key, GridColumns &columns)
{
    for (GridColumn &column : columns) {
        RowSet rows;
        if (!dm.ADOcnn().select(QStringLiteral("select * from cfg_Grid where F_name = :key and F_FieldName = :field "
                                               "order by F_Order"),
                                {{QStringLiteral("key"), key}, {QStringLiteral("field"), column.field}}, &rows)) {
            ShowMsg(connectionFailureText(), MsgError);
            return;
        }
        if (!rows.isEmpty())
            applyRow(rows, 0, column);
    }
}

int save(TdmData &dm, const QString &key, const GridColumns &columns)
{
    int written = 0;
    for (int i = 0; i < columns.size(); ++i) {
        const GridColumn &c = columns.at(i);
        const bool ok = dm.ExecSql(
            QStringLiteral("update cfg_Grid set F_Caption = :title, F_Width = :width, F_ReadOnly = :readOnly, "
                           "F_Visible = :visible, F_Order = :position, F_Alignment = :alignment, "
                           "F_DisplayFormat = :format, F_FooterValue = :footerValue, F_FooterType = :footerType "
                           "where F_name = :key and F_FieldName = :field"),
            {{QStringLiteral("title"), c.title},
             {QStringLiteral("width"), c.width},
             {QStringLiteral("readOnly"), c.readOnly ? 1 : 0},
             {QStringLiteral("visible"), c.visible ? 1 : 0},
             {QStringLiteral("position"), i},
             {QStringLiteral("alignment"), c.alignment},
             {QStringLiteral("format"), c.displayFormat},
             {QStringLiteral("footerValue"), c.footerValue},
             {QStringLiteral("footerType"), int(c.footer)},
             {QStringLiteral("key"), key.toLower()},
             {QStringLiteral("field"), c.field}});
        if (ok)
            written += dm.ADOcnn().rowsAffected() > 0 ? 1 : 0;
    }
    return written;
}

} // namespace GridLayouts
