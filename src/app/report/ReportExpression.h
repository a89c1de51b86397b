#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>

// What an expression can ask of the report it stands in.
class ExpressionEnvironment
{
public:
    virtual ~ExpressionEnvironment() = default;
    // A field of the current row, a built-in value or a report variable;
    // an invalid QVariant when the name means nothing here.
    virtual QVariant value(const QString &name) const = 0;
    // The values of one field over the rows of a data set ("frxDM", or
    // "frxDD" of the current master row).
    virtual QVariantList column(const QString &dataSet, const QString &field) const = 0;
    virtual int rowCount(const QString &dataSet) const = 0;
};

// The text inside a template tag when it is more than a plain name:
//   MoneyMinToBig(F_gz115)          Format(F_Price, "￥,0.00##;-￥,0.00##")
//   Format(Sum(F_gz115), "0.00")    Sum(frxDD.F_Price)    Count(frxDM)
//   Any(sGZ200, sGZ201)             PageBreakAfter(3)
// Names, numbers and quoted texts ("..." or '...', a doubled quote stands for
// itself) are its atoms; function names compare without case.
class ReportExpression
{
public:
    ReportExpression();
    ~ReportExpression();
    ReportExpression(ReportExpression &&) noexcept;
    ReportExpression &operator=(ReportExpression &&) noexcept;

    // Parses the text; on failure isValid() is false and error() says why.
    static ReportExpression parse(const QString &text);

    bool isValid() const { return m_error.isEmpty() && m_root; }
    const QString &error() const { return m_error; }

    // A value (text, number or true/false), or an invalid QVariant for an
    // unknown plain name; *error receives a message when the evaluation fails.
    QVariant evaluate(const ExpressionEnvironment &environment, QString *error) const;

    // True when the text is one name ("F_Code", "SysInfo.F_Code").
    static bool isPlainName(const QString &text);
    // The names of the functions a template can call, as they are documented.
    static QStringList functionNames();

    struct Node;

private:
    std::unique_ptr<Node> m_root;
    QString m_error;
};
