#pragma once

#include "app/TdmData.h"

#include <QStringList>

// A small catalogue of products and steps that the product tests share:
//   AB   01 裁剪 12.5, 02 缝合 3.25, 03 熨烫 1 (disabled)      上衣 大号
//   ABC  01 裁剪边 12.5                                      裤子 中号
//   N    01 打包 2, without type and size (规格)
//   O'K  01 钉扣 0.8, K1 锁眼 0.5                              上衣 小号
//   XY   10 包装 2 (disabled: the whole product is)            配件
inline bool addCatalogue(TdmData &dm)
{
    return dm.ExecSql(QStringLiteral(
        "insert into wg_WorkingProduct(F_Code, F_Name, F_GoodName, F_gxCode, F_spec, F_type, F_Price, F_unit, F_Mem, F_UseFlag) values"
        "('AB01', '裁剪', 'AB', '01', '大号', '上衣', 12.5, '件', '先裁', 0),"
        "('AB02', '缝合', 'AB', '02', '大号', '上衣', 3.25, '件', '', 0),"
        "('AB03', '熨烫', 'AB', '03', '大号', '上衣', 1, '件', '', 1),"
        "('ABC01', '裁剪边', 'ABC', '01', '中号', '裤子', 12.5, '条', '', 0),"
        "('N01', '打包', 'N', '01', null, null, 2, '箱', '', 0),"
        "('O''K01', '钉扣', 'O''K', '01', '小号', '上衣', 0.8, '件', '', 0),"
        "('O''KK1', '锁眼', 'O''K', 'K1', '小号', '上衣', 0.5, '件', '', 0),"
        "('XY10', '包装', 'XY', '10', '', '配件', 2, '个', '', 1)"));
}

// "product/code" of every row, in the rows' order.
inline QStringList stepNames(const RowSet &rows)
{
    QStringList names;
    for (int r = 0; r < rows.rowCount(); ++r)
        names.append(rows.text(r, QStringLiteral("F_GoodName")) + QLatin1Char('/') + rows.text(r, QStringLiteral("F_gxCode")));
    return names;
}

inline QStringList column(const RowSet &rows, const QString &field)
{
    QStringList values;
    for (int r = 0; r < rows.rowCount(); ++r)
        values.append(rows.text(r, field));
    return values;
}

// Every step of the table, in key order: what a test compares before and after.
inline RowSet allSteps(TdmData &dm)
{
    RowSet rows;
    dm.OpenQuery(QStringLiteral("select * from wg_WorkingProduct order by F_ID"), rows);
    return rows;
}

inline qint64 stepId(TdmData &dm, const QString &key)
{
    return dm.QueryInteger(QStringLiteral("select F_ID from wg_WorkingProduct where F_Code = :k"), {{QStringLiteral("k"), key}});
}
