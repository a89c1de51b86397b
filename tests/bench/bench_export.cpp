// How long exporting a large grid takes: 10,000 rows of a piece-count list.
// Run by hand: build/tests/bench_export

#include "app/GridExport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    GridColumns columns{GridColumn::text(QStringLiteral("F_DateTime"), QStringLiteral("生产日期")),
                        GridColumn::text(QStringLiteral("F_EmpCode"), QStringLiteral("员工编号")),
                        GridColumn::text(QStringLiteral("F_EmpName"), QStringLiteral("员工姓名")),
                        GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("工序名称")),
                        GridColumn::number(QStringLiteral("F_Amount"), QStringLiteral("数量"), QStringLiteral("0.00")),
                        GridColumn::number(QStringLiteral("F_Price"), QStringLiteral("计件单价"), QStringLiteral("￥,0.00##;-￥,0.00##")),
                        GridColumn::number(QStringLiteral("F_TotalPrice"), QStringLiteral("计件金额"), QStringLiteral("￥,0.00##;-￥,0.00##")),
                        GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注"))};
    columns[0].displayFormat = QStringLiteral("yyyy-MM-dd");
    QList<QVariantList> rows;
    for (int i = 0; i < 10000; ++i)
        rows.append({QDate(2026, 1, 1).addDays(i % 365).toString(QStringLiteral("yyyy-MM-dd")),
                     QStringLiteral("%1").arg(i % 300, 4, 10, QLatin1Char('0')), QStringLiteral("员工%1").arg(i % 300),
                     QStringLiteral("缝制前片"), double(i % 50), 0.125 + i % 7, (0.125 + i % 7) * (i % 50),
                     QStringLiteral("第%1批").arg(i)});
    const RowSet set({QStringLiteral("F_DateTime"), QStringLiteral("F_EmpCode"), QStringLiteral("F_EmpName"),
                      QStringLiteral("F_Name"), QStringLiteral("F_Amount"), QStringLiteral("F_Price"),
                      QStringLiteral("F_TotalPrice"), QStringLiteral("F_Mem")},
                     rows);
    QTemporaryDir dir;
    QElapsedTimer timer;
    timer.start();
    const bool ok = GridExport::writeWorkbook(dir.filePath(QStringLiteral("bench.xlsx")), QStringLiteral("生产计件"), columns, set);
    std::printf("%s: 10000 rows x %d columns in %lld ms\n", ok ? "written" : "FAILED", int(columns.size()),
                timer.elapsed());
    return ok ? 0 : 1;
}
