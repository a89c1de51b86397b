#include "masterdata/StepCopy.h"

#include "app/Database.h"
#include "app/Prompter.h"
#include "app/TdmData.h"
#include "masterdata/ProductStore.h"

#include <QHash>

StepCopy::StepCopy(TdmData &dm) : m_dm(dm) {}

QStringList StepCopy::sourceProducts()
{
    return m_dm.FillComboBox(
        QStringLiteral("select distinct F_GoodName from wg_WorkingProduct where F_GoodName <> '' order by F_GoodName"));
}

bool StepCopy::loadSource(const QString &product, RowSet &rows)
{
    return m_dm.OpenQuery(QStringLiteral("select * from wg_WorkingProduct where F_GoodName = :product order by F_Code"),
                          {{QStringLiteral("product"), product.trimmed()}}, rows);
}

void StepCopy::appendEmptyRow(RowSet &rows)
{
    if (rows.columnCount() == 0)
        rows = RowSet({QStringLiteral("F_ID"), QStringLiteral("F_Code"), QStringLiteral("F_Name"), QStringLiteral("F_GoodName"),
                       QStringLiteral("F_gxCode"), QStringLiteral("F_spec"), QStringLiteral("F_type"),
                       QStringLiteral("F_Price"), QStringLiteral("F_unit"), QStringLiteral("F_Mem"),
                       QStringLiteral("F_UseFlag")},
                      {});
    rows.rows().append(QVariantList(rows.columnCount()));
}

QString StepCopy::deleteQuestion(const QString &stepName)
{
    return QStringLiteral("真的要删除当前工序 \"") + stepName + QStringLiteral("\" 吗？");
}

QString StepCopy::duplicateMessage(const QString &stepCode)
{
    return QStringLiteral("工序编号\"") + stepCode + QStringLiteral("\"重复，工序编号不能重复！");
}

StepCopy::Result StepCopy::copy(const RowSet &rows, const QString &newName, int *problemRow)
{
    int ignored = -1;
    int &problem = problemRow ? *problemRow : ignored;
    problem = -1;
    const QString name = newName.trimmed();
    if (name.isEmpty()) {
        ShowMsg(QStringLiteral("请填写新的产品名称！"), MsgInformation);
        return Result::EmptyName;
    }
    if (m_dm.QueryInteger(QStringLiteral("select F_ID from wg_WorkingProduct where F_GoodName = :name"),
                          {{QStringLiteral("name"), name}})
        > 0) {
        ShowMsg(QStringLiteral("该产品已经存在，请重新输入！"), MsgWarning);
        return Result::ExistingProduct;
    }
    if (rows.isEmpty()) {
        ShowMsg(QStringLiteral("没有要复制的工序！"), MsgInformation);
        return Result::NoSteps;
    }
    // Every row is checked before anything is written, so a copy never stops
    // half way on a row that could have been refused at the start.
    QHash<QString, int> seen;
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString code = rows.text(r, QStringLiteral("F_gxCode")).trimmed();
        if (code.isEmpty()) {
            problem = r;
            ShowMsg(QStringLiteral("当前工序编号不能为空！"), MsgInformation);
            return Result::EmptyStepCode;
        }
        // Codes compare as the database compares them: without case.
        const QString folded = code.toCaseFolded();
        if (seen.contains(folded)) {
            problem = r;
            ShowMsg(duplicateMessage(code), MsgInformation);
            return Result::DuplicateStepCode;
        }
        seen.insert(folded, r);
    }
    Database &db = m_dm.ADOcnn();
    Transaction transaction(db);
    bool written = transaction.isActive();
    for (int r = 0; written && r < rows.rowCount(); ++r) {
        const QString code = rows.text(r, QStringLiteral("F_gxCode")).trimmed();
        written = db.exec(QStringLiteral("insert into wg_WorkingProduct(F_Code, F_Name, F_GoodName, F_gxCode, F_spec, "
                                         "F_type, F_unit, F_Price, F_Mem) "
                                         "values(:key, :name, :product, :code, :spec, :type, :unit, :price, :mem)"),
                          {{QStringLiteral("key"), ProductStore::stepKey(name, code)},
                           {QStringLiteral("name"), rows.text(r, QStringLiteral("F_Name"))},
                           {QStringLiteral("product"), name},
                           {QStringLiteral("code"), code},
                           {QStringLiteral("spec"), rows.text(r, QStringLiteral("F_spec"))},
                           {QStringLiteral("type"), rows.text(r, QStringLiteral("F_type"))},
                           {QStringLiteral("unit"), rows.text(r, QStringLiteral("F_unit"))},
                           {QStringLiteral("price"),
                            ProductStore::roundedPrice(rows.value(r, QStringLiteral("F_Price")).toDouble())},
                           {QStringLiteral("mem"), rows.text(r, QStringLiteral("F_Mem"))}});
        if (!written)
            problem = r;
    }
    if (!written || !transaction.commit()) {
        qWarning("copying steps to %s failed: %s", qPrintable(name), qPrintable(db.errorText()));
        ShowMsg(QStringLiteral("保存失败，请检测数据库连接！"), MsgError);
        return Result::Failed;
    }
    return Result::Copied;
}
