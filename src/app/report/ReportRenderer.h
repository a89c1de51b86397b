#pragma once

#include "app/report/ReportInput.h"

#include <QString>
#include <QStringList>
#include <memory>

class ReportScope;

// Fills a template's Mustache tags from the report's data: the page body
// once, the page header and footer once per page. Messages name the line of
// the template where Mustache found a fault.
class ReportRenderer
{
public:
    enum class Band { Header, Footer };

    explicit ReportRenderer(ReportInput input);
    ~ReportRenderer();
    ReportRenderer(const ReportRenderer &) = delete;
    ReportRenderer &operator=(const ReportRenderer &) = delete;

    // False when the template is broken; error() tells why.
    bool render(const QString &templateText);
    const QString &body() const { return m_body; }

    bool hasBand(Band band) const;
    // The band filled in for one page; empty when the template has none.
    QString band(Band band, int page, int pages);

    const QString &error() const { return m_error; }
    // Names that were neither a field, a built-in value nor a variable the
    // window answers or declares: usually a misspelt field.
    QStringList unknownNames() const;

    // After this the window's answerer is never asked again.
    void forgetAnswerer();

private:
    QString renderText(const QString &text, const QString &where);

    std::unique_ptr<ReportScope> m_scope;
    QString m_body;
    QString m_error;
};
