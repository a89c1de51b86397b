#include "masterdata/StepAssistant.h"

#include "app/Database.h"
#include "app/Prompter.h"
#include "app/TdmData.h"
#include "masterdata/ProductStore.h"

StepAssistant::StepAssistant(TdmData &dm) : m_dm(dm) {}

bool StepAssistant::start() { return m_dm.ExecSql(QStringLiteral("delete from tempWageItem")); }

QStringList StepAssistant::productNames()
{
    return m_dm.FillComboBox(
        QStringLiteral("select distinct F_GoodName from wg_WorkingProduct where F_GoodName <> '' order by F_GoodName"));
}

QStringList StepAssistant::types()
{
    return m_dm.FillComboBox(QStringLiteral("select distinct F_type from wg_WorkingProduct where F_type <> '' order by F_type"));
}

QString StepAssistant::listStatement(const QString &code, const QString &product, const QString &type, QVariantMap *params)
{
    params->clear();
    QString sql = QStringLiteral("select * from wg_WorkingProduct where F_ID not in "
                                 "(select cast(F_Code as integer) from tempWageItem where F_Code is not null) ");
    // The box is labelled as the step code: it matches the code, not the key,
    // which starts with the product name.
    if (!code.trimmed().isEmpty()) {
        sql += QStringLiteral("and F_gxCode like :code || '%' ");
        params->insert(QStringLiteral("code"), code.trimmed());
    }
    if (!product.trimmed().isEmpty()) {
        sql += QStringLiteral("and F_GoodName = :product ");
        params->insert(QStringLiteral("product"), product);
    }
    if (!type.trimmed().isEmpty()) {
        sql += QStringLiteral("and F_type like :type || '%' ");
        params->insert(QStringLiteral("type"), type);
    }
    return sql + QStringLiteral("order by F_Code");
}

bool StepAssistant::list(const QString &code, const QString &product, const QString &type, RowSet &rows)
{
    QVariantMap params;
    const QString sql = listStatement(code, product, type, &params);
    return m_dm.OpenQuery(sql, params, rows);
}

StepAssistant::Result StepAssistant::add(qint64 sourceId, const QString &target, qint64 *newId)
{
    const QString name = target.trimmed();
    if (name.isEmpty()) {
        ShowMsg(QStringLiteral("新产品名称不能为空，请输入！"), MsgError);
        return Result::EmptyTarget;
    }
    RowSet source;
    if (!m_dm.OpenQuery(QStringLiteral("select * from wg_WorkingProduct where F_ID = :id"), {{QStringLiteral("id"), sourceId}},
                        source))
        return Result::Failed;
    if (source.isEmpty()) {
        ShowMsg(QStringLiteral("保存失败，请检测数据库连接！"), MsgError);
        return Result::Failed;
    }
    const QString code = source.text(0, QStringLiteral("F_gxCode")).trimmed();
    const QString key = ProductStore::stepKey(name, code);
    // The same code twice in one product, or a key in use, is refused before
    // anything is written; the database would refuse it as well.
    if (m_dm.QueryInteger(QStringLiteral("select count(*) from wg_WorkingProduct "
                                         "where F_Code = :key or (F_GoodName = :product and F_gxCode = :code)"),
                          {{QStringLiteral("key"), key}, {QStringLiteral("product"), name}, {QStringLiteral("code"), code}})
        > 0) {
        ShowMsg(QStringLiteral("工序编号重复！"), MsgError);
        return Result::DuplicateCode;
    }
    Database &db = m_dm.ADOcnn();
    Transaction transaction(db);
    bool written = transaction.isActive()
        && db.exec(QStringLiteral("insert into wg_WorkingProduct(F_Code, F_Name, F_GoodName, F_gxCode, F_spec, F_type, "
                                  "F_unit, F_Price) values(:key, :name, :product, :code, :spec, :type, :unit, :price)"),
                   {{QStringLiteral("key"), key},
                    {QStringLiteral("name"), source.text(0, QStringLiteral("F_Name"))},
                    {QStringLiteral("product"), name},
                    {QStringLiteral("code"), code},
                    {QStringLiteral("spec"), source.text(0, QStringLiteral("F_spec"))},
                    {QStringLiteral("type"), source.text(0, QStringLiteral("F_type"))},
                    {QStringLiteral("unit"), source.text(0, QStringLiteral("F_unit"))},
                    {QStringLiteral("price"), source.value(0, QStringLiteral("F_Price")).toDouble()}});
    const qint64 id = written ? db.lastInsertId().toLongLong() : 0;
    written = written
        && db.exec(QStringLiteral("insert into tempWageItem(F_Code) values(:id)"),
                   {{QStringLiteral("id"), QString::number(sourceId)}})
        && transaction.commit();
    if (!written) {
        qWarning("adding step %lld to %s failed: %s", sourceId, qPrintable(name), qPrintable(db.errorText()));
        ShowMsg(QStringLiteral("保存失败，请检测数据库连接！"), MsgError);
        return Result::Failed;
    }
    if (newId)
        *newId = id;
    return Result::Added;
}
