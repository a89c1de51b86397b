#pragma once

#include "app/report/ReportExpression.h"
#include "app/report/ReportInput.h"

#include <kainjow/mustache.hpp>

#include <QHash>
#include <deque>
#include <memory>
#include <unordered_map>

namespace Mustache = kainjow::mustache;

// The names a template sees while it is rendered: the data sets as lists of
// row objects, the built-in values, the report variables (asked of the
// window's answerer once per name) and the captured page bands. Names are
// kept in lower case: templates spell field names as they please, the way
// the database compares them.
class ReportScope
{
public:
    explicit ReportScope(ReportInput input);
    ReportScope(const ReportScope &) = delete;
    ReportScope &operator=(const ReportScope &) = delete;

    static std::string key(const QString &name) { return name.toLower().toStdString(); }
    static Mustache::data toData(const QVariant &value);
    // A value as an expression sees it; lists and objects give nothing.
    static QVariant fromData(const Mustache::data *data);
    // The text that the built-in PageBreak puts into the page; it never
    // occurs in data (row values are cleaned of it).
    static QString pageBreakMark();

    Mustache::data &root() { return m_root; }
    const ReportInput &input() const { return m_input; }

    // A report variable; nullptr when it is unset.
    const Mustache::data *variable(const QString &name);
    bool isDeclared(const QString &name) const;
    // Keeps a computed value for the rest of the render and gives its address.
    const Mustache::data *keep(Mustache::data value);
    const ReportExpression &expression(const QString &text);

    void noteError(const QString &error);
    void noteUnknown(const QString &name);
    const QString &error() const { return m_error; }
    void clearError() { m_error.clear(); }
    const QStringList &unknownNames() const { return m_unknown; }

    const QString &headerText() const { return m_header; }
    const QString &footerText() const { return m_footer; }
    bool hasHeader() const { return m_hasHeader; }
    bool hasFooter() const { return m_hasFooter; }
    void setPage(int page, int pages);

    // After this no variable is asked of the window any more.
    void forgetAnswerer() { m_input.answerer = nullptr; }

private:
    Mustache::data rowObject(const RowSet &rows, int row, int count) const;

    ReportInput m_input;
    Mustache::data m_root;
    std::unordered_map<std::string, std::unique_ptr<Mustache::data>> m_variables;
    std::deque<Mustache::data> m_kept;
    QHash<QString, std::shared_ptr<ReportExpression>> m_expressions;
    QString m_error;
    QStringList m_unknown;
    QString m_header;
    QString m_footer;
    bool m_hasHeader = false;
    bool m_hasFooter = false;
};
