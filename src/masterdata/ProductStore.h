#pragma once

#include "app/RowSet.h"
#include "masterdata/StepQuery.h"

#include <QString>
#include <QStringList>
#include <QVariant>

class TdmData;

// One process step as the step dialog holds it.
struct Step
{
    qint64 id = 0;
    QString code;     // step code within the product (F_gxCode)
    QString name;
    QString product;  // F_GoodName: the steps of one product share it
    QString spec;
    QString type;
    QString unit;
    double price = 0;
    QString mem;
    bool disabled = false; // 使用否 ticked: the step is no longer in use

    static Step fromRow(const RowSet &rows, int row);
};

// What a printout of the product window is made of: the product list as
// master, its steps as detail, a detail row belonging to the master row whose
// masterField equals its detailField (without case, as the database compares).
struct ProductPrintData
{
    RowSet products;
    RowSet steps;
    QString masterField = QStringLiteral("F_goodname");
    QString detailField = QStringLiteral("F_GoodName");
};

// The catalogue of products and their process steps: the window's lists,
// saving a step with its checks, editing the step list in place, deleting.
// Messages are shown here; the windows only bind to it.
class ProductStore
{
public:
    enum class SaveResult { Saved, EmptyCode, EmptyProduct, DuplicateCode, Failed };

    explicit ProductStore(TdmData &dm);

    // The key of a step: product name followed by step code, both trimmed.
    // Every writer builds it this way, so a key names one step of one product.
    static QString stepKey(const QString &product, const QString &code);
    // Prices are kept to four decimals.
    static double roundedPrice(double price);

    bool listProducts(const StepQuery &query, RowSet &rows);
    bool listSteps(const StepQuery &query, const QString &product, RowSet &rows);
    bool printData(const StepQuery &query, ProductPrintData &data);

    // The values the query's choice box offers for a type.
    QStringList queryChoices(StepQuery::Type type);
    // What the step dialog's boxes offer: the values in use.
    QStringList productNames();
    QStringList types();
    QStringList specs();
    QStringList units();

    // Adds the step (adding) or changes the step with its id. The fields are
    // trimmed, the remark kept as typed; a changed product name moves the
    // step to that product. On success *savedId holds the step's id.
    SaveResult save(const Step &step, bool adding, qint64 *savedId = nullptr);

    // The columns of the step list that can be changed in place.
    static QStringList editableFields();
    // Stores one cell changed in place in the step list. A changed step code
    // re-keys the step within its product. False when refused or failed (it
    // said why); *stored is the value written.
    bool changeCell(qint64 id, const QString &field, const QVariant &value, QVariant *stored = nullptr);

    static QString deleteQuestion(const QString &product, const QString &stepName);
    // Asks, then deletes that one step; true when it was deleted.
    bool confirmAndDelete(qint64 id, const QString &product, const QString &stepName);

private:
    TdmData &m_dm;
};
