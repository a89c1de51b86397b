#include "app/ui/GridServices.h"

#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/GridExport.h"
#include "app/GridLayouts.h"
#include "app/Prompter.h"
#include "app/TdmData.h"
#include "app/report/ReportService.h"
#include "app/ui/DataGrid.h"
#include "app/ui/TFrmDispFieldXZ.h"

#include <QDir>
#include <QHeaderView>
#include <QTableView>
#include <QUrl>

void LoadGridLayout(DataGrid *grid, const QString &key)
{
    GridColumns columns = grid->model()->columns();
    if (GridLayouts::load(TdmData::instance(), key, columns))
        grid->setColumns(columns);
}

void ApplyColumnLayout(DataGrid *grid, const QString &key)
{
    GridColumns columns = grid->columns();
    GridLayouts::apply(TdmData::instance(), key, columns);
    grid->setColumns(columns);
}

void SaveGridLayout(DataGrid *grid, const QString &key) { GridLayouts::save(TdmData::instance(), key, grid->columns()); }

void ChooseVisibleColumns(DataGrid *grid)
{
    TFrmDispFieldXZ picker(grid, grid->window());
    picker.exec();
}

QString ExportGridToExcel(DataGrid *grid, const QString &sheetName, bool show)
{
    const QString folder = AppPaths::exportFolder();
    QDir().mkpath(folder);
    const QString path = GridExport::uniqueFileName(folder, sheetName, Clock::current().now());
    QString error;
    if (!GridExport::writeWorkbook(path, sheetName, grid->columns(), grid->rows(), &error)) {
        ShowMsg(QStringLiteral("导出失败，无法写入文件：") + path, MsgError);
        return {};
    }
    if (show && !Prompter::current().openWithSystem(QUrl::fromLocalFile(path)))
        ShowMsg(QStringLiteral("没有找到可以打开电子表格的程序，文件已保存到：") + path, MsgInformation);
    return path;
}

void PrintGrid(DataGrid *grid, const QString &title, const QString &headerText, const QString &footerText, int fitMode)
{
    GridPrintJob job;
    job.title = title;
    job.fitMode = fitMode;
    job.headerText = headerText;
    job.footerText = footerText;
    const GridModel *model = grid->model();
    const QHeaderView *header = grid->view()->horizontalHeader();
    QList<int> shown;
    bool anyFooter = false;
    for (int visual = 0; visual < model->columnCount(); ++visual) {
        const int c = header->logicalIndex(visual);
        if (header->isSectionHidden(c))
            continue;
        shown.append(c);
        job.columns.append({model->column(c).title, header->sectionSize(c), model->column(c).alignment});
        job.footer.append(model->footerText(c));
        anyFooter = anyFooter || model->column(c).footer != GridColumn::Footer::None;
    }
    if (!anyFooter)
        job.footer.clear();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c : shown)
            cells.append(model->data(model->index(r, c), Qt::DisplayRole).toString());
        job.rows.append(cells);
    }
    ::PrintGrid(job);
}

QString ColumnCaption(const DataGrid *grid, const QString &field)
{
    const int c = grid->columnOf(field);
    return c < 0 ? QString() : grid->model()->column(c).title;
}
