#pragma once

#include "app/report/PrintDocument.h"
#include "app/report/ReportInput.h"
#include "app/report/ReportPageSetup.h"

#include <memory>
#include <vector>

class QTextDocument;

// A report template filled with its data and laid out on pages: the page
// header at the top of every page, the page footer at the bottom, the body
// between them, broken where Qt's layout runs out of room (long tables carry
// their <thead> onto every page) and wherever the template says PageBreak.
class ReportDocument : public PrintDocument
{
public:
    struct BuildResult
    {
        std::unique_ptr<ReportDocument> document; // null when the template is broken
        QString error;
        QStringList unknownNames;
    };

    // Everything the window's answerer is asked happens in here: the
    // finished document holds texts only. The title is the template's
    // <title> when it has one.
    static BuildResult build(const QString &title, const QString &templateText, ReportInput input);

    ~ReportDocument() override;

    QString title() const override { return m_title; }
    QSizeF paperMm() const override { return m_setup.paperMm; }
    int pageCount() const override { return int(m_pages.size()); }
    void paintPage(QPainter &painter, int index) const override;
    QString html() const override;
    ExportTable table() const override;

    const ReportPageSetup &pageSetup() const { return m_setup; }
    // The plain text of one page, header and footer included (for tests
    // and searches).
    QString pageText(int index) const;

private:
    ReportDocument() = default;
    std::unique_ptr<QTextDocument> newDocument(const QString &bodyHtml) const;

    struct Page
    {
        int segment = 0;
        int index = 0; // page within the segment
    };

    QString m_title;
    ReportPageSetup m_setup;
    QString m_styleSheet;
    QStringList m_segmentHtml;
    std::vector<std::unique_ptr<QTextDocument>> m_segments;
    std::vector<Page> m_pages;
    QStringList m_headerHtml; // per page
    QStringList m_footerHtml;
    std::vector<std::unique_ptr<QTextDocument>> m_headers;
    std::vector<std::unique_ptr<QTextDocument>> m_footers;
    double m_headerHeight = 0;
    double m_footerHeight = 0;
    double m_bodyHeight = 0;
    RowSet m_master;
};
