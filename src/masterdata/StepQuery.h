#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The query of the product window: one condition on the process steps,
// shared by the product list and the step list, so that a product is listed
// exactly when one of its steps passes and only those steps are listed.
struct StepQuery
{
    // In the order of the window's query-type box.
    enum class Type { None = -1, StepCode = 0, StepName, Product, ProductType, Spec, Price };

    Type type = Type::None;
    QString value;        // as typed or chosen, untrimmed: blanks are part of it
    double price = 0;     // the value of the price query
    bool includeDisabled = false;

    static QStringList typeNames();
    // Which input the window shows for a type: a typed text, a choice of the
    // values in use, or the price field.
    enum class Input { Text, Choice, Price };
    static Input inputFor(Type type);
    // The values a choice offers for the type; empty for the other types.
    static QString choiceStatement(Type type);

    // Codes, products, types and sizes (规格) match from their start,
    // step names anywhere, the price exactly. An empty value still filters.
    QString conditions() const;
    QVariantMap params() const;

    // The product list: column F_goodname.
    QString productStatement() const;
    // The steps of one product, bound as :F_goodname, in key order.
    QString stepStatement() const;
    // The steps of every listed product, product by product: what a printout
    // shows under each product.
    QString allStepsStatement() const;
};
