#include "app/report/ReportContext.h"

ReportContext::ReportContext(ReportScope &scope) : m_scope(scope) {}

void ReportContext::push(const Mustache::data *data) { m_items.insert(m_items.begin(), data); }

void ReportContext::pop() { m_items.erase(m_items.begin()); }

const Mustache::data *ReportContext::lookup(const QString &name) const
{
    const QStringList parts = name.split(QLatin1Char('.'));
    for (const Mustache::data *item : m_items) {
        const Mustache::data *found = item;
        for (const QString &part : parts) {
            found = found->get(ReportScope::key(part));
            if (!found)
                break;
        }
        if (found)
            return found;
    }
    return nullptr;
}

const Mustache::data *ReportContext::nameOrVariable(const QString &name) const
{
    if (const Mustache::data *found = lookup(name))
        return found;
    if (const Mustache::data *variable = m_scope.variable(name))
        return variable;
    m_scope.noteUnknown(name);
    return nullptr;
}

const Mustache::data *ReportContext::get(const std::string &name) const
{
    if (name == ".")
        return m_items.empty() ? nullptr : m_items.front();
    const QString text = QString::fromStdString(name);
    if (ReportExpression::isPlainName(text))
        return nameOrVariable(text);
    const ReportExpression &expression = m_scope.expression(text);
    QString error;
    const QVariant result = expression.evaluate(*this, &error);
    if (!error.isEmpty()) {
        m_scope.noteError(QStringLiteral("“%1”：%2").arg(text, error));
        return nullptr;
    }
    return m_scope.keep(ReportScope::toData(result));
}

const Mustache::data *ReportContext::get_partial(const std::string &) const
{
    // Templates are single files: there are no partials to include.
    return nullptr;
}

QVariant ReportContext::value(const QString &name) const { return ReportScope::fromData(nameOrVariable(name)); }

QVariantList ReportContext::column(const QString &dataSet, const QString &field) const
{
    QVariantList values;
    const Mustache::data *rows = lookup(dataSet);
    if (!rows || !rows->is_list())
        return values;
    const std::string k = ReportScope::key(field);
    for (const Mustache::data &row : rows->list_value())
        values.append(ReportScope::fromData(row.get(k)));
    return values;
}

int ReportContext::rowCount(const QString &dataSet) const
{
    const Mustache::data *rows = lookup(dataSet);
    return rows && rows->is_list() ? int(rows->list_value().size()) : 0;
}
