#pragma once

#include "app/report/ReportScope.h"

#include <vector>

// The name stack of one render. Mustache asks it for every tag: plain names
// are looked up from the innermost section outwards (the current detail
// row, its master row, the report), then among the report variables; any
// other tag text is an expression, evaluated here.
class ReportContext : public Mustache::basic_context<std::string>, public ExpressionEnvironment
{
public:
    explicit ReportContext(ReportScope &scope);

    void push(const Mustache::data *data) override;
    void pop() override;
    const Mustache::data *get(const std::string &name) const override;
    const Mustache::data *get_partial(const std::string &name) const override;

    QVariant value(const QString &name) const override;
    QVariantList column(const QString &dataSet, const QString &field) const override;
    int rowCount(const QString &dataSet) const override;

private:
    const Mustache::data *lookup(const QString &name) const;
    const Mustache::data *nameOrVariable(const QString &name) const;

    ReportScope &m_scope;
    std::vector<const Mustache::data *> m_items; // innermost first
};
