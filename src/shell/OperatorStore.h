#pragma once

#include "app/RowSet.h"

#include <QString>
#include <QStringList>

class TdmData;

// One operator as the operator dialog holds him.
struct Operator
{
    qint64 id = 0;        // 0 while he is being added
    QString name;
    QString password;     // plain text, as typed
    QString repeated;     // the confirmation box
    QString mem;
    bool disabled = false; // 用户禁用
    QStringList permissions; // names of the ticked permissions, in list order

    // The operator of a row of the list; both password boxes get his password.
    static Operator fromRow(const RowSet &rows, int row);
};

// The operators and their permissions: the list, the checks of the operator
// dialog, the one-transaction save, deleting and the own password change.
// Messages are shown here; the windows bind to it.
class OperatorStore
{
public:
    enum class SaveResult { Saved, EmptyName, PasswordMismatch, DuplicateName, Failed };
    enum class PasswordResult { NoOperator, WrongOld, Mismatch, Changed, Failed };

    explicit OperatorStore(TdmData &dm);

    // The super user cannot be changed or deleted in the list.
    static bool isSystemUser(const QString &name);

    static QString listStatement(bool showDisabled);
    bool list(bool showDisabled, RowSet &rows);

    // "修改" and "删除" on the list's current row (-1 on an empty list):
    // true when refused, after saying why.
    bool refuseChange(const RowSet &rows, int row);
    bool refuseDelete(const RowSet &rows, int row);
    static QString deleteQuestion(const QString &name);
    // Asks, then deletes the operator's row (his permission rows stay).
    bool confirmAndDelete(const RowSet &rows, int row);

    // The permissions the dialog offers, and those the operator holds.
    QStringList offeredPermissions();
    QStringList permissionsOf(const QString &name);
    // What the name box offers: the employees' names.
    QStringList employeeNames();

    // Checks and saves the operator with all his permission rows in one
    // transaction; `adding` inserts, otherwise the row with the id changes.
    SaveResult save(const Operator &op, bool adding);

    // The logged-in operator's own password; the new one is compared with
    // its repetition after trimming and stored as typed.
    PasswordResult changePassword(const QString &oldPassword, const QString &newPassword, const QString &repeated);

private:
    TdmData &m_dm;
};
