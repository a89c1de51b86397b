#include "masterdata/EmployeeStore.h"

#include "app/AppPaths.h"
#include "app/Prompter.h"
#include "app/TdmData.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

} // namespace

Employee Employee::fromRow(const RowSet &rows, int row)
{
    Employee e;
    e.id = rows.value(row, QStringLiteral("F_ID")).toLongLong();
    e.code = rows.text(row, QStringLiteral("F_Code"));
    e.name = rows.text(row, QStringLiteral("F_Name"));
    e.sex = rows.text(row, QStringLiteral("F_Sex"));
    e.dept = rows.text(row, QStringLiteral("F_Dept"));
    e.duty = rows.text(row, QStringLiteral("F_Duty"));
    e.phone = rows.text(row, QStringLiteral("F_Phone"));
    e.bank = rows.text(row, QStringLiteral("F_bank"));
    e.mem = rows.text(row, QStringLiteral("F_Mem"));
    e.left = rows.value(row, QStringLiteral("F_Flag")).toBool();
    e.imagePath = rows.text(row, QStringLiteral("F_ImagePath"));
    return e;
}

EmployeeStore::EmployeeStore(TdmData &dm) : m_dm(dm) {}

QStringList EmployeeStore::queryTypeNames()
{
    return {QStringLiteral("编    号"), QStringLiteral("姓    名"), QStringLiteral("性    别"), QStringLiteral("部    门"),
            QStringLiteral("职    务")};
}

QString EmployeeStore::listStatement(QueryType type, bool includeLeft)
{
    QString sql = QStringLiteral("select * from t_employee where (1=1) ");
    switch (type) {
    case QueryType::Code: sql += QStringLiteral("and F_Code like :value || '%' "); break;
    case QueryType::Name: sql += QStringLiteral("and F_Name like '%' || :value || '%' "); break;
    case QueryType::Sex: sql += QStringLiteral("and F_Sex = :value "); break;
    case QueryType::Dept: sql += QStringLiteral("and F_Dept = :value "); break;
    case QueryType::Duty: sql += QStringLiteral("and F_Duty = :value "); break;
    case QueryType::None: break;
    }
    if (!includeLeft)
        sql += QStringLiteral("and F_Flag = 0 ");
    return sql + QStringLiteral("order by F_Code");
}

QVariantMap EmployeeStore::listParams(QueryType type, const QString &value)
{
    if (type == QueryType::None)
        return {};
    return {{QStringLiteral("value"), value.trimmed()}};
}

bool EmployeeStore::list(QueryType type, const QString &value, bool includeLeft, RowSet &rows)
{
    return m_dm.OpenQuery(listStatement(type, includeLeft), listParams(type, value), rows);
}

QStringList EmployeeStore::departments()
{
    return m_dm.FillComboBox(QStringLiteral("select distinct F_Dept from t_employee where F_Dept <> '' order by F_Dept"));
}

QStringList EmployeeStore::duties()
{
    return m_dm.FillComboBox(QStringLiteral("select distinct F_Duty from t_employee where F_Duty <> '' order by F_Duty"));
}

QStringList EmployeeStore::queryChoices(QueryType type)
{
    switch (type) {
    case QueryType::Sex: return {QStringLiteral("男"), QStringLiteral("女")};
    case QueryType::Dept: return departments();
    case QueryType::Duty: return duties();
    default: return {};
    }
}

QString EmployeeStore::storePhoto(const QString &picked, QString *error)
{
    if (picked.trimmed().isEmpty())
        return {};
    const QDir images(AppPaths::imagesFolder());
    const QFileInfo source(picked);
    // A photo already in the folder stays where it is.
    if (QFileInfo(source.absolutePath()) == QFileInfo(images.absolutePath()) && source.isFile())
        return source.absoluteFilePath();
    if (!QDir().mkpath(images.absolutePath())) {
        if (error)
            *error = QStringLiteral("无法创建文件夹：") + images.absolutePath();
        return {};
    }
    const QByteArray hash = fileHash(picked);
    if (hash.isEmpty()) {
        if (error)
            *error = QStringLiteral("无法读取图片：") + picked;
        return {};
    }
    const QString base = source.completeBaseName();
    const QString suffix = source.suffix().isEmpty() ? QString() : QLatin1Char('.') + source.suffix();
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? source.fileName() : QStringLiteral("%1(%2)%3").arg(base).arg(n).arg(suffix);
        const QString target = images.absoluteFilePath(name);
        if (!QFileInfo::exists(target)) {
            if (!QFile::copy(picked, target)) {
                if (error)
                    *error = QStringLiteral("无法保存图片：") + target;
                return {};
            }
            return target;
        }
        if (fileHash(target) == hash)
            return target; // the same picture: share the file
    }
}

EmployeeStore::SaveResult EmployeeStore::save(Employee e, bool adding)
{
    e.code = e.code.trimmed();
    if (e.code.isEmpty()) {
        ShowMsg(QStringLiteral("当前员工编号不能为空！"), MsgInformation);
        return SaveResult::EmptyCode;
    }
    const int existing = m_dm.QueryInteger(QStringLiteral("select F_ID from t_employee where F_Code = :code"),
                                           {{QStringLiteral("code"), e.code}});
    if (existing > 0 && (adding || existing != e.id)) {
        ShowMsg(QStringLiteral("员工编号重复，请重新输入！"), MsgInformation);
        return SaveResult::DuplicateCode;
    }
    QString photoError;
    const QString photo = storePhoto(e.imagePath, &photoError);
    QVariantMap params{{QStringLiteral("code"), e.code},
                             {QStringLiteral("name"), e.name.trimmed()},
                             {QStringLiteral("sex"), e.sex.trimmed()},
                             {QStringLiteral("dept"), e.dept.trimmed()},
                             {QStringLiteral("phone"), e.phone.trimmed()},
                             {QStringLiteral("bank"), e.bank.trimmed()},
                             {QStringLiteral("duty"), e.duty.trimmed()},
                             {QStringLiteral("mem"), e.mem},
                             {QStringLiteral("flag"), e.left ? 1 : 0},
                             {QStringLiteral("image"), photo},
                             {QStringLiteral("id"), e.id}};
    Database &db = m_dm.ADOcnn();
    Transaction transaction(db);
    const QString sql = adding
        ? QStringLiteral("insert into t_employee(F_Code, F_Name, F_Sex, F_Dept, F_Phone, F_bank, F_Duty, F_Mem, F_Flag, F_ImagePath) "
                         "values(:code, :name, :sex, :dept, :phone, :bank, :duty, :mem, :flag, :image)")
        : QStringLiteral("update t_employee set F_Code = :code, F_Name = :name, F_Sex = :sex, F_Dept = :dept, "
                         "F_Phone = :phone, F_bank = :bank, F_Duty = :duty, F_Mem = :mem, F_Flag = :flag, "
                         "F_ImagePath = :image where F_ID = :id");
    if (adding)
        params.remove(QStringLiteral("id"));
    const bool written = (e.imagePath.trimmed().isEmpty() || !photo.isEmpty()) && transaction.isActive()
        && db.exec(sql, params) && (adding || db.rowsAffected() == 1) && transaction.commit();
    if (!written) {
        qWarning("saving employee %s failed: %s %s", qPrintable(e.code), qPrintable(db.errorText()),
                 qPrintable(photoError));
        ShowMsg(QStringLiteral("保存失败，请检测数据库连接！"), MsgError);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

QString EmployeeStore::deleteQuestion(const QString &name)
{
    return QStringLiteral("真的要删除员工 \"") + name + QStringLiteral("\" 的资料吗？");
}

bool EmployeeStore::confirmAndDelete(qint64 id, const QString &name)
{
    if (Prompter::current().showTitledMsg(QStringLiteral("系统提示"), deleteQuestion(name), MsgQuestion) != MsgOk)
        return false;
    return m_dm.DeleteRecordById(QStringLiteral("t_employee"), id);
}
