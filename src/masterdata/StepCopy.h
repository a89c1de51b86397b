#pragma once

#include "app/RowSet.h"

#include <QStringList>

class TdmData;

// Copying all steps of a product into a new product. The steps are loaded
// into rows that the copy dialog edits in memory only: whatever is changed,
// added or removed there, the source product stays as it is.
class StepCopy
{
public:
    enum class Result { Copied, EmptyName, ExistingProduct, NoSteps, EmptyStepCode, DuplicateStepCode, Failed };

    explicit StepCopy(TdmData &dm);

    // The products there are to copy from.
    QStringList sourceProducts();
    // The steps of the product, in key order.
    bool loadSource(const QString &product, RowSet &rows);

    // Appends an empty step to the rows; rows without fields get the step fields.
    static void appendEmptyRow(RowSet &rows);
    static QString deleteQuestion(const QString &stepName);
    static QString duplicateMessage(const QString &stepCode);

    // Checks the new name and every row first, then writes all steps under
    // the new name in one transaction, or none. *problemRow names the row a
    // refusal is about (-1 for none).
    Result copy(const RowSet &rows, const QString &newName, int *problemRow = nullptr);

private:
    TdmData &m_dm;
};
