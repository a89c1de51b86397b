#include "masterdata/StepQuery.h"

QStringList StepQuery::typeNames()
{
    return {QStringLiteral("工序编号"), QStringLiteral("工序名称"), QStringLiteral("产品名称"),
            QStringLiteral("类型"),     QStringLiteral("规格"),     QStringLiteral("工价")};
}

StepQuery::Input StepQuery::inputFor(Type type)
{
    switch (type) {
    case Type::Product:
    case Type::ProductType:
    case Type::Spec: return Input::Choice;
    case Type::Price: return Input::Price;
    default: return Input::Text;
    }
}

QString StepQuery::choiceStatement(Type type)
{
    switch (type) {
    case Type::Product:
        return QStringLiteral("select distinct F_GoodName from wg_WorkingProduct where F_GoodName <> '' order by F_GoodName");
    case Type::ProductType:
        return QStringLiteral("select distinct F_type from wg_WorkingProduct where F_type <> '' order by F_type");
    case Type::Spec:
        return QStringLiteral("select distinct F_spec from wg_WorkingProduct where F_spec <> '' order by F_spec");
    default: return {};
    }
}

QString StepQuery::conditions() const
{
    QString sql;
    if (!includeDisabled)
        sql += QStringLiteral("and F_UseFlag = 0 ");
    switch (type) {
    case Type::StepCode: sql += QStringLiteral("and F_gxCode like :value || '%' "); break;
    case Type::StepName: sql += QStringLiteral("and F_Name like '%' || :value || '%' "); break;
    case Type::Product: sql += QStringLiteral("and F_GoodName like :value || '%' "); break;
    case Type::ProductType: sql += QStringLiteral("and F_type like :value || '%' "); break;
    case Type::Spec: sql += QStringLiteral("and F_spec like :value || '%' "); break;
    // Prices are kept to four decimals; compare them there, not as doubles.
    case Type::Price: sql += QStringLiteral("and round(F_Price, 4) = round(:price, 4) "); break;
    case Type::None: break;
    }
    return sql;
}

QVariantMap StepQuery::params() const
{
    switch (type) {
    case Type::None: return {};
    case Type::Price: return {{QStringLiteral("price"), price}};
    default: return {{QStringLiteral("value"), value}};
    }
}

QString StepQuery::productStatement() const
{
    return QStringLiteral("select distinct F_GoodName as F_goodname from wg_WorkingProduct where (F_GoodName <> '') ")
        + conditions() + QStringLiteral("order by F_GoodName");
}

QString StepQuery::stepStatement() const
{
    return QStringLiteral("select * from wg_WorkingProduct where (1=1) ") + conditions()
        + QStringLiteral("and F_GoodName = :F_goodname order by F_Code");
}

QString StepQuery::allStepsStatement() const
{
    return QStringLiteral("select * from wg_WorkingProduct where (F_GoodName <> '') ") + conditions()
        + QStringLiteral("order by F_GoodName, F_Code");
}
