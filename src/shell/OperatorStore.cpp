#include "shell/OperatorStore.h"

#include "app/AppInfo.h"
#include "app/PasswordScrambler.h"
#include "app/Prompter.h"
#include "app/TdmData.h"

namespace {
const QString saveFailedText = QStringLiteral("保存失败，请检测数据库连接！");
} // namespace

Operator Operator::fromRow(const RowSet &rows, int row)
{
    Operator op;
    op.id = rows.value(row, QStringLiteral("F_ID")).toLongLong();
    op.name = rows.text(row, QStringLiteral("F_Name"));
    op.password = DecodePassword(rows.text(row, QStringLiteral("F_PassWord")));
    op.repeated = op.password;
    op.mem = rows.text(row, QStringLiteral("F_Mem"));
    op.disabled = rows.value(row, QStringLiteral("F_Flag")).toBool();
    return op;
}

OperatorStore::OperatorStore(TdmData &dm) : m_dm(dm) {}

bool OperatorStore::isSystemUser(const QString &name) { return name.toLower() == QLatin1String("admin"); }

QString OperatorStore::listStatement(bool showDisabled)
{
    QString sql = QStringLiteral("select * from OperList where (1=1) ");
    if (!showDisabled)
        sql += QStringLiteral("and F_flag = 0 ");
    return sql + QStringLiteral("order by F_ID");
}

bool OperatorStore::list(bool showDisabled, RowSet &rows) { return m_dm.OpenQuery(listStatement(showDisabled), rows); }

bool OperatorStore::refuseChange(const RowSet &rows, int row)
{
    if (row < 0 || row >= rows.rowCount()) {
        ShowMsg(QStringLiteral("此表为空，没有记录需要修改！"), MsgError);
        return true;
    }
    if (isSystemUser(rows.text(row, QStringLiteral("F_Name")))) {
        ShowMsg(QStringLiteral("此用户为系统默认用户，不能修改和编辑！"), MsgError);
        return true;
    }
    return false;
}

bool OperatorStore::refuseDelete(const RowSet &rows, int row)
{
    // Nobody to delete: refused like a change, instead of a question naming nobody.
    if (row < 0 || row >= rows.rowCount()) {
        ShowMsg(QStringLiteral("此表为空，没有记录需要删除！"), MsgError);
        return true;
    }
    if (isSystemUser(rows.text(row, QStringLiteral("F_Name")))) {
        ShowMsg(QStringLiteral("此用户为系统默认用户，不能删除！"), MsgError);
        return true;
    }
    return false;
}

QString OperatorStore::deleteQuestion(const QString &name)
{
    return QStringLiteral("真的要删除当前操作员 \"") + name + QStringLiteral("\" 吗？");
}

bool OperatorStore::confirmAndDelete(const RowSet &rows, int row)
{
    if (refuseDelete(rows, row))
        return false;
    if (ShowMsg(deleteQuestion(rows.text(row, QStringLiteral("F_Name"))), MsgQuestion) != MsgOk)
        return false;
    return m_dm.DeleteRecordById(QStringLiteral("OperList"), rows.value(row, QStringLiteral("F_ID")).toLongLong());
}

QStringList OperatorStore::offeredPermissions()
{
    return m_dm.FillComboBox(QStringLiteral("select F_name from Limits where F_flag = 1 order by F_ID"));
}

QStringList OperatorStore::permissionsOf(const QString &name)
{
    return m_dm.FillComboBox(QStringLiteral("select F_lmtName from OperLimit where F_OperName = :Name order by F_ID"),
                             {{QStringLiteral("Name"), name}});
}

QStringList OperatorStore::employeeNames()
{
    return m_dm.FillComboBox(QStringLiteral("select F_Name from t_employee order by F_Code"));
}

OperatorStore::SaveResult OperatorStore::save(const Operator &op, bool adding)
{
    const QString name = op.name.trimmed();
    if (name.isEmpty()) {
        ShowMsg(QStringLiteral("操作员名称不能为空！"), MsgInformation);
        return SaveResult::EmptyName;
    }
    if (op.password != op.repeated) {
        ShowMsg(QStringLiteral("验正码不正确，请重新确认输入！"), MsgInformation);
        return SaveResult::PasswordMismatch;
    }
    // Names compare without case: "Wang" and "wang" are one operator.
    const int found = m_dm.QueryInteger(QStringLiteral("select F_ID from OperList where F_Name = :Name"),
                                        {{QStringLiteral("Name"), name}});
    if (found > 0 && (adding || found != op.id)) {
        ShowMsg(QStringLiteral("操作员名称重复，请重新输入！"), MsgInformation);
        return SaveResult::DuplicateName;
    }

    Database &db = m_dm.ADOcnn();
    bool saved = false;
    {
        Transaction transaction(db);
        QVariantMap values{{QStringLiteral("fName"), name},
                           {QStringLiteral("fPassword"), EncodePassword(op.password)},
                           {QStringLiteral("mem"), op.mem},
                           {QStringLiteral("fFlag"), op.disabled}};
        const QVariantMap byName{{QStringLiteral("fName"), name}};
        bool ok = transaction.isActive();
        if (ok && adding)
            ok = db.exec(QStringLiteral("insert into OperList(F_Name,F_password,F_mem,F_flag) "
                                        "values(:fName,:fPassword,:mem,:fFlag)"),
                         values);
        else if (ok) {
            values.insert(QStringLiteral("iID"), op.id);
            ok = db.exec(QStringLiteral("update OperList set F_Name = :fName, F_Password = :fPassword, "
                                        "F_mem = :mem, F_Flag = :fFlag where F_ID = :iID"),
                         values)
                && db.rowsAffected() == 1;
        }
        // A renamed operator's rows under his old name stay; the new name gets the ticked ones.
        ok = ok && db.exec(QStringLiteral("delete from OperLimit where F_OperName = :fName"), byName);
        for (const QString &permission : op.permissions) {
            if (!ok)
                break;
            ok = db.exec(QStringLiteral("insert into OperLimit(F_OperName,F_lmtName) values(:fName,:lmtName)"),
                         {{QStringLiteral("fName"), name}, {QStringLiteral("lmtName"), permission}});
        }
        saved = ok && transaction.commit();
        if (!saved)
            qWarning("saving the operator failed: %s", qPrintable(db.errorText()));
    } // rolled back here unless committed, before anybody is asked anything
    if (!saved) {
        ShowMsg(saveFailedText, MsgError);
        return SaveResult::Failed;
    }
    return SaveResult::Saved;
}

OperatorStore::PasswordResult OperatorStore::changePassword(const QString &oldPassword, const QString &newPassword,
                                                            const QString &repeated)
{
    RowSet rows;
    if (!m_dm.OpenQuery(QStringLiteral("select F_ID, F_PassWord from OperList where (F_Name = :Name)"),
                        {{QStringLiteral("Name"), CurrentOperator()}}, rows)
        || rows.isEmpty())
        return PasswordResult::NoOperator;
    if (DecodePassword(rows.text(0, QStringLiteral("F_PassWord"))) != oldPassword) {
        ShowMsg(QStringLiteral("旧口令输入错误，不能更改！"), MsgWarning);
        return PasswordResult::WrongOld;
    }
    if (newPassword.trimmed() != repeated.trimmed()) {
        ShowMsg(QStringLiteral("新口令错误，不能更改！"), MsgInformation);
        return PasswordResult::Mismatch;
    }
    Database &db = m_dm.ADOcnn();
    if (!db.exec(QStringLiteral("update OperList set F_PassWord = :Password where F_ID = :ID"),
                 {{QStringLiteral("Password"), EncodePassword(newPassword)},
                  {QStringLiteral("ID"), rows.value(0, QStringLiteral("F_ID"))}})
        || db.rowsAffected() != 1) {
        ShowMsg(saveFailedText, MsgError);
        return PasswordResult::Failed;
    }
    ShowMsg(QStringLiteral("更改口令成功！"), MsgInformation);
    return PasswordResult::Changed;
}
