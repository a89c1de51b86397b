#pragma once

#include "app/RowSet.h"

#include <QStringList>
#include <QVariantMap>

class TdmData;

// Assembling a product step by step from the steps of any products. The
// steps added since the assistant opened are noted in the scratch table
// tempWageItem (their F_ID as text in F_Code) and left out of its list, so
// one source step is added once.
class StepAssistant
{
public:
    enum class Result { Added, EmptyTarget, DuplicateCode, Failed };

    explicit StepAssistant(TdmData &dm);

    // Forgets the steps added before: the assistant starts afresh.
    bool start();

    QStringList productNames();
    QStringList types();

    // The steps not added yet: step codes and types match from their start,
    // the product exactly; blank filters are left out.
    static QString listStatement(const QString &code, const QString &product, const QString &type, QVariantMap *params);
    bool list(const QString &code, const QString &product, const QString &type, RowSet &rows);

    // Adds a copy of the source step to the target product (without its
    // remark and its disabled flag) and notes the source as added, both or
    // neither. A product cannot get a step code twice.
    Result add(qint64 sourceId, const QString &target, qint64 *newId = nullptr);

private:
    TdmData &m_dm;
};
