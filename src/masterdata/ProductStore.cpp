#include "masterdata/ProductStore.h"

#include "app/Database.h"
#include "app/Money.h"
#include "app/Prompter.h"
#include "app/TdmData.h"

namespace {

const QString savingFailed = QStringLiteral("保存失败，请检测数据库连接！");
const QString emptyCode = QStringLiteral("当前工序编码不能为空！");
const QString duplicateCode = QStringLiteral("工序编码重复，请重新输入！");

QString text(const QVariant &value) { return value.isNull() ? QString(QLatin1String("")) : value.toString(); }

} // namespace

Step Step::fromRow(const RowSet &rows, int row)
{
    Step s;
    if (row < 0 || row >= rows.rowCount())
        return s;
    s.id = rows.value(row, QStringLiteral("F_ID")).toLongLong();
    s.code = rows.text(row, QStringLiteral("F_gxCode"));
    s.name = rows.text(row, QStringLiteral("F_Name"));
    s.product = rows.text(row, QStringLiteral("F_GoodName"));
    s.spec = rows.text(row, QStringLiteral("F_spec"));
    s.type = rows.text(row, QStringLiteral("F_type"));
    s.unit = rows.text(row, QStringLiteral("F_unit"));
    s.price = rows.value(row, QStringLiteral("F_Price")).toDouble();
    s.mem = rows.text(row, QStringLiteral("F_Mem"));
    s.disabled = rows.value(row, QStringLiteral("F_UseFlag")).toBool();
    return s;
}

ProductStore::ProductStore(TdmData &dm) : m_dm(dm) {}

QString ProductStore::stepKey(const QString &product, const QString &code) { return product.trimmed() + code.trimmed(); }

double ProductStore::roundedPrice(double price) { return Money::fromDouble(price).toDouble(); }

bool ProductStore::listProducts(const StepQuery &query, RowSet &rows)
{
    return m_dm.OpenQuery(query.productStatement(), query.params(), rows);
}

bool ProductStore::listSteps(const StepQuery &query, const QString &product, RowSet &rows)
{
    QVariantMap params = query.params();
    params.insert(QStringLiteral("F_goodname"), product);
    return m_dm.OpenQuery(query.stepStatement(), params, rows);
}

bool ProductStore::printData(const StepQuery &query, ProductPrintData &data)
{
    data = ProductPrintData();
    return listProducts(query, data.products) && m_dm.OpenQuery(query.allStepsStatement(), query.params(), data.steps);
}

QStringList ProductStore::queryChoices(StepQuery::Type type)
{
    const QString sql = StepQuery::choiceStatement(type);
    return sql.isEmpty() ? QStringList() : m_dm.FillComboBox(sql);
}

QStringList ProductStore::productNames()
{
    return m_dm.FillComboBox(QStringLiteral("select distinct F_GoodName from wg_WorkingProduct order by F_GoodName"));
}

QStringList ProductStore::types()
{
    return m_dm.FillComboBox(QStringLiteral("select distinct F_type from wg_WorkingProduct order by F_type"));
}

QStringList ProductStore::specs()
{
    return m_dm.FillComboBox(QStringLiteral("select distinct F_spec from wg_WorkingProduct order by F_spec"));
}

QStringList ProductStore::units()
{
    return m_dm.FillComboBox(QStringLiteral("select distinct F_unit from wg_WorkingProduct order by F_unit"));
}

ProductStore::SaveResult ProductStore::save(const Step &step, bool adding, qint64 *savedId)
{
    const QString code = step.code.trimmed();
    const QString product = step.product.trimmed();
    if (code.isEmpty()) {
        ShowMsg(emptyCode, MsgInformation);
        return SaveResult::EmptyCode;
    }
    if (product.isEmpty()) {
        ShowMsg(QStringLiteral("当前产品名称不能为空！"), MsgInformation);
        return SaveResult::EmptyProduct;
    }
    const QString key = stepKey(product, code);
    const int existing = m_dm.QueryInteger(QStringLiteral("select F_ID from wg_WorkingProduct where F_Code = :key"),
                                           {{QStringLiteral("key"), key}});
    if (existing > 0 && (adding || existing != step.id)) {
        ShowMsg(duplicateCode, MsgInformation);
        return SaveResult::DuplicateCode;
    }
    QVariantMap params{{QStringLiteral("key"), key},
                       {QStringLiteral("name"), step.name.trimmed()},
                       {QStringLiteral("product"), product},
                       {QStringLiteral("spec"), step.spec.trimmed()},
                       {QStringLiteral("type"), step.type.trimmed()},
                       {QStringLiteral("unit"), step.unit.trimmed()},
                       {QStringLiteral("price"), roundedPrice(step.price)},
                       {QStringLiteral("mem"), step.mem},
                       {QStringLiteral("disabled"), step.disabled ? 1 : 0}};
    QString sql;
    if (adding) {
        params.insert(QStringLiteral("code"), code);
        sql = QStringLiteral("insert into wg_WorkingProduct(F_Code, F_Name, F_GoodName, F_gxCode, F_spec, F_type, "
                             "F_unit, F_Price, F_Mem, F_UseFlag) "
                             "values(:key, :name, :product, :code, :spec, :type, :unit, :price, :mem, :disabled)");
    } else {
        // The step code itself stays: the dialog shows it read-only.
        params.insert(QStringLiteral("id"), step.id);
        sql = QStringLiteral("update wg_WorkingProduct set F_Code = :key, F_Name = :name, F_GoodName = :product, "
                             "F_spec = :spec, F_type = :type, F_unit = :unit, F_Price = :price, F_Mem = :mem, "
                             "F_UseFlag = :disabled where F_ID = :id");
    }
    Database &db = m_dm.ADOcnn();
    Transaction transaction(db);
    // A change of a step that is no longer there writes nothing: that is no success.
    const bool written = transaction.isActive() && db.exec(sql, params) && db.rowsAffected() == 1;
    const qint64 id = adding ? db.lastInsertId().toLongLong() : step.id;
    if (!written || !transaction.commit()) {
        qWarning("saving step %s failed: %s", qPrintable(key), qPrintable(db.errorText()));
        ShowMsg(savingFailed, MsgError);
        return SaveResult::Failed;
    }
    if (savedId)
        *savedId = id;
    return SaveResult::Saved;
}

QStringList ProductStore::editableFields()
{
    return {QStringLiteral("F_gxCode"), QStringLiteral("F_Name"), QStringLiteral("F_spec"), QStringLiteral("F_type"),
            QStringLiteral("F_unit"),   QStringLiteral("F_Price"), QStringLiteral("F_Mem")};
}

bool ProductStore::changeCell(qint64 id, const QString &field, const QVariant &value, QVariant *stored)
{
    // The column name cannot be bound: it must be one of the editable ones.
    QString column;
    for (const QString &f : editableFields())
        if (f.compare(field, Qt::CaseInsensitive) == 0)
            column = f;
    if (column.isEmpty()) {
        qWarning("the column %s is not changed in place", qPrintable(field));
        return false;
    }
    QVariant newValue;
    QVariantMap params{{QStringLiteral("id"), id}};
    QString sql;
    if (column == QLatin1String("F_Price")) {
        bool ok = false;
        const double price = value.isNull() ? 0.0 : value.toDouble(&ok);
        if (!value.isNull() && !ok)
            return false;
        newValue = roundedPrice(price);
        sql = QStringLiteral("update wg_WorkingProduct set F_Price = :value where F_ID = :id");
    } else if (column == QLatin1String("F_gxCode")) {
        const QString code = text(value).trimmed();
        if (code.isEmpty()) {
            ShowMsg(emptyCode, MsgInformation);
            return false;
        }
        const QString product = m_dm.QueryString(QStringLiteral("select F_GoodName from wg_WorkingProduct where F_ID = :id"),
                                                 {{QStringLiteral("id"), id}});
        const QString key = stepKey(product, code);
        const int existing = m_dm.QueryInteger(QStringLiteral("select F_ID from wg_WorkingProduct where F_Code = :key"),
                                               {{QStringLiteral("key"), key}});
        if (existing > 0 && existing != id) {
            ShowMsg(duplicateCode, MsgInformation);
            return false;
        }
        newValue = code;
        params.insert(QStringLiteral("key"), key);
        sql = QStringLiteral("update wg_WorkingProduct set F_gxCode = :value, F_Code = :key where F_ID = :id");
    } else {
        // Remarks are kept as typed, like the step dialog keeps them.
        newValue = column == QLatin1String("F_Mem") ? text(value) : text(value).trimmed();
        sql = QStringLiteral("update wg_WorkingProduct set %1 = :value where F_ID = :id").arg(column);
    }
    params.insert(QStringLiteral("value"), newValue);
    Database &db = m_dm.ADOcnn();
    Transaction transaction(db);
    if (!transaction.isActive() || !db.exec(sql, params) || db.rowsAffected() != 1 || !transaction.commit()) {
        qWarning("changing step %lld failed: %s", id, qPrintable(db.errorText()));
        ShowMsg(savingFailed, MsgError);
        return false;
    }
    if (stored)
        *stored = newValue;
    return true;
}

QString ProductStore::deleteQuestion(const QString &product, const QString &stepName)
{
    return QStringLiteral("删除当前产品，将同时删除当前产品\"") + product + QStringLiteral("\"下的工序\"") + stepName
        + QStringLiteral("\"吗？");
}

bool ProductStore::confirmAndDelete(qint64 id, const QString &product, const QString &stepName)
{
    if (ShowMsg(deleteQuestion(product, stepName), MsgQuestion) != MsgOk)
        return false;
    Database &db = m_dm.ADOcnn();
    Transaction transaction(db);
    if (!transaction.isActive()
        || !db.exec(QStringLiteral("delete from wg_WorkingProduct where F_ID = :id"), {{QStringLiteral("id"), id}})
        || !transaction.commit()) {
        qWarning("deleting step %lld failed: %s", id, qPrintable(db.errorText()));
        ShowMsg(QStringLiteral("操作失败，请检查数据连接..."), MsgError);
        return false;
    }
    return true;
}
