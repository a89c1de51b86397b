#include "app/report/ReportDocument.h"

#include "app/report/ReportRenderer.h"
#include "app/report/ReportScope.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

QFont reportFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(10);
    return font;
}

// Splits a rendered page into its style sheets and the inside of its body.
void splitHtml(const QString &html, QString *styles, QString *body)
{
    static const QRegularExpression style(QStringLiteral("<style[^>]*>(.*?)</style>"),
                                          QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression bodyTag(QStringLiteral("<body[^>]*>(.*)</body>"),
                                            QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression head(QStringLiteral("<head[^>]*>.*?</head>|<!doctype[^>]*>|</?html[^>]*>"),
                                         QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    styles->clear();
    for (auto it = style.globalMatch(html); it.hasNext();)
        *styles += it.next().captured(1) + QLatin1Char('\n');
    const QRegularExpressionMatch match = bodyTag.match(html);
    QString inside = match.hasMatch() ? match.captured(1) : QString(html).remove(head);
    inside.remove(style);
    *body = inside;
}

QString wrapped(const QString &inside) { return QStringLiteral("<html><body>") + inside + QStringLiteral("</body></html>"); }

constexpr double bandGapMm = 2;

} // namespace

ReportDocument::~ReportDocument() = default;

std::unique_ptr<QTextDocument> ReportDocument::newDocument(const QString &bodyHtml) const
{
    auto doc = std::make_unique<QTextDocument>();
    doc->documentLayout()->setPaintDevice(PrintDocument::layoutDevice());
    doc->setDocumentMargin(0);
    doc->setDefaultFont(reportFont());
    doc->setDefaultStyleSheet(m_styleSheet);
    doc->setHtml(wrapped(bodyHtml));
    doc->setTextWidth(m_setup.contentDots().width());
    return doc;
}

ReportDocument::BuildResult ReportDocument::build(const QString &title, const QString &templateText, ReportInput input)
{
    BuildResult result;
    RowSet master = input.master;
    ReportRenderer renderer(std::move(input));
    if (!renderer.render(templateText)) {
        result.error = renderer.error();
        result.unknownNames = renderer.unknownNames();
        return result;
    }

    std::unique_ptr<ReportDocument> doc(new ReportDocument);
    // The template's own <title> names the printout (and its exported files).
    static const QRegularExpression titleTag(QStringLiteral("<title[^>]*>(.*?)</title>"),
                                             QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch titleMatch = titleTag.match(renderer.body());
    const QString ownTitle = titleMatch.hasMatch() ? QTextDocumentFragment::fromHtml(titleMatch.captured(1)).toPlainText().simplified() : QString();
    doc->m_title = ownTitle.isEmpty() ? title : ownTitle;
    doc->m_master = std::move(master);
    QString styles;
    QString body;
    splitHtml(renderer.body(), &styles, &body);
    doc->m_setup = ReportPageSetup::fromStyleSheet(styles, &doc->m_styleSheet);
    const double width = doc->m_setup.contentDots().width();
    const double gap = ReportPageSetup::mmToDots(bandGapMm);

    // Bands are measured with the widest page numbers they will show.
    const auto bandHeight = [&](ReportRenderer::Band band) {
        if (!renderer.hasBand(band))
            return 0.0;
        const auto measured = doc->newDocument(renderer.band(band, 9999, 9999));
        return measured->size().height() + gap;
    };
    doc->m_headerHeight = bandHeight(ReportRenderer::Band::Header);
    doc->m_footerHeight = bandHeight(ReportRenderer::Band::Footer);
    doc->m_bodyHeight = std::max(doc->m_setup.contentDots().height() - doc->m_headerHeight - doc->m_footerHeight,
                                 doc->m_setup.contentDots().height() / 4);

    const QStringList segments = body.split(ReportScope::pageBreakMark());
    for (const QString &segment : segments) {
        // A break at the very end (or two in a row) leaves no empty page.
        if (segment.trimmed().isEmpty() && segments.size() > 1)
            continue;
        auto segmentDoc = doc->newDocument(segment);
        segmentDoc->setPageSize(QSizeF(width, doc->m_bodyHeight));
        for (int p = 0; p < segmentDoc->pageCount(); ++p)
            doc->m_pages.push_back({int(doc->m_segments.size()), p});
        doc->m_segmentHtml.append(segment);
        doc->m_segments.push_back(std::move(segmentDoc));
    }
    if (doc->m_pages.empty()) {
        doc->m_segmentHtml.append(QString());
        doc->m_segments.push_back(doc->newDocument(QString()));
        doc->m_pages.push_back({0, 0});
    }

    const int pages = doc->pageCount();
    for (int p = 0; p < pages; ++p) {
        doc->m_headerHtml.append(renderer.band(ReportRenderer::Band::Header, p + 1, pages));
        doc->m_footerHtml.append(renderer.band(ReportRenderer::Band::Footer, p + 1, pages));
        doc->m_headers.push_back(renderer.hasBand(ReportRenderer::Band::Header) ? doc->newDocument(doc->m_headerHtml.last()) : nullptr);
        doc->m_footers.push_back(renderer.hasBand(ReportRenderer::Band::Footer) ? doc->newDocument(doc->m_footerHtml.last()) : nullptr);
    }
    renderer.forgetAnswerer();
    result.unknownNames = renderer.unknownNames();
    if (!renderer.error().isEmpty()) {
        result.error = renderer.error();
        return result;
    }
    result.document = std::move(doc);
    return result;
}

void ReportDocument::paintPage(QPainter &painter, int index) const
{
    if (index < 0 || index >= pageCount())
        return;
    const QRectF content = m_setup.contentDots();
    const Page &page = m_pages.at(std::size_t(index));
    painter.save();
    if (QTextDocument *header = m_headers.at(std::size_t(index)).get()) {
        painter.save();
        painter.translate(content.topLeft());
        header->drawContents(&painter, QRectF(0, 0, content.width(), m_headerHeight));
        painter.restore();
    }
    {
        painter.save();
        painter.translate(content.left(), content.top() + m_headerHeight - page.index * m_bodyHeight);
        m_segments.at(std::size_t(page.segment))
            ->drawContents(&painter, QRectF(0, page.index * m_bodyHeight, content.width(), m_bodyHeight));
        painter.restore();
    }
    if (QTextDocument *footer = m_footers.at(std::size_t(index)).get()) {
        painter.save();
        const double gap = ReportPageSetup::mmToDots(bandGapMm);
        painter.translate(content.left(), content.bottom() - m_footerHeight + gap);
        footer->drawContents(&painter, QRectF(0, 0, content.width(), m_footerHeight));
        painter.restore();
    }
    painter.restore();
}

QString ReportDocument::pageText(int index) const
{
    if (index < 0 || index >= pageCount())
        return {};
    const Page &page = m_pages.at(std::size_t(index));
    const QTextDocument *segment = m_segments.at(std::size_t(page.segment)).get();
    // The blocks whose top lies on this page of the segment.
    QString text;
    const double top = page.index * m_bodyHeight;
    for (QTextBlock block = segment->begin(); block.isValid(); block = block.next()) {
        const QRectF box = segment->documentLayout()->blockBoundingRect(block);
        if (box.top() >= top - 0.5 && box.top() < top + m_bodyHeight - 0.5)
            text += block.text() + QLatin1Char('\n');
    }
    const auto band = [](const QTextDocument *doc) { return doc ? doc->toPlainText() + QLatin1Char('\n') : QString(); };
    return band(m_headers.at(std::size_t(index)).get()) + text + band(m_footers.at(std::size_t(index)).get());
}

QString ReportDocument::html() const
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title><style>\n%2</style></head><body>\n")
                       .arg(m_title.toHtmlEscaped(), m_styleSheet);
    if (!m_headerHtml.isEmpty())
        html += m_headerHtml.first() + QLatin1Char('\n');
    html += m_segmentHtml.join(QStringLiteral("\n<div style=\"page-break-before:always\"></div>\n"));
    if (!m_footerHtml.isEmpty())
        html += QLatin1Char('\n') + m_footerHtml.last();
    return html + QStringLiteral("\n</body></html>\n");
}

ExportTable ReportDocument::table() const
{
    ExportTable table;
    table.headers = m_master.fields();
    table.rows = m_master.rows();
    return table;
}
