#pragma once

#include "app/RowSet.h"

#include <QString>
#include <QStringList>
#include <QVariantMap>

class TdmData;

// One employee as the edit dialog holds it.
struct Employee
{
    qint64 id = 0;
    QString code;
    QString name;
    QString sex;
    QString dept;
    QString duty;
    QString phone;
    QString bank;
    QString mem;
    bool left = false;   // 停用: the employee has left
    QString imagePath;   // full path of the photo, or empty

    static Employee fromRow(const RowSet &rows, int row);
};

// The employee records: the list query, saving with its checks, photos,
// deleting. Messages are shown here; the windows only bind to it.
class EmployeeStore
{
public:
    enum class QueryType { None = -1, Code = 0, Name, Sex, Dept, Duty };
    enum class SaveResult { Saved, EmptyCode, DuplicateCode, Failed };

    explicit EmployeeStore(TdmData &dm);

    // The query types of the list window, in the order of its box.
    static QStringList queryTypeNames();

    // The list statement for a query type and value: codes match from the
    // start, names anywhere, the rest exactly; an empty value still filters.
    static QString listStatement(QueryType type, bool includeLeft);
    static QVariantMap listParams(QueryType type, const QString &value);
    bool list(QueryType type, const QString &value, bool includeLeft, RowSet &rows);

    // What the value box offers for a query type (empty for code and name).
    QStringList queryChoices(QueryType type);
    QStringList departments();
    QStringList duties();

    // Adds (id 0 and adding) or changes the employee with the id. Trims the
    // fields as the dialog does, stores the photo, all in one transaction.
    SaveResult save(Employee employee, bool adding);

    // Where a picked photo is kept: in the images folder, under its own name,
    // or under a name of its own when a different picture already has it.
    // Picking the stored file again reuses it. Empty on failure.
    static QString storePhoto(const QString &picked, QString *error = nullptr);

    static QString deleteQuestion(const QString &name);
    // Asks, then deletes; true when the employee was deleted.
    bool confirmAndDelete(qint64 id, const QString &name);

private:
    TdmData &m_dm;
};
