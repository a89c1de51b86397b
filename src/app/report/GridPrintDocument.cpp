#include "app/report/GridPrintDocument.h"

#include "app/report/ReportPageSetup.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>

namespace {

constexpr double marginMm = 10;
constexpr double padX = 3;
constexpr double padY = 2;

// Fonts by pixel size: a page is painted in 1/96-inch units and scaled to
// the device, so a point size would be scaled twice.
QFont gridFont(int pixels, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("WenQuanYi Micro Hei")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

Qt::Alignment cellAlignment(int alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignHCenter;
    case 2: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

double lineHeight(const QFont &font) { return QFontMetricsF(font, PrintDocument::layoutDevice()).height(); }

QRectF contentRect(const QSizeF &paperMm)
{
    ReportPageSetup setup;
    setup.paperMm = paperMm;
    setup.marginsMm = QMarginsF(marginMm, marginMm, marginMm, marginMm);
    return setup.contentDots();
}

} // namespace

QString GridPrintDocument::footerTextFor(const QString &footer, const QDate &today)
{
    if (footer.trimmed().isEmpty())
        return {};
    if (footer == QLatin1String("date"))
        return QStringLiteral("打印日期：") + today.toString(QStringLiteral("yyyy年MM月dd日"));
    return footer;
}

GridPrintDocument::GridPrintDocument(GridPrintJob job, const QDate &today)
    : m_job(std::move(job)),
      // A blank text means no header or footer at all: nothing is left over
      // from an earlier printout.
      m_header(m_job.headerText.trimmed().isEmpty() ? QString() : m_job.headerText),
      m_footer(footerTextFor(m_job.footerText, today)),
      m_bandFont(gridFont(12, false)),
      m_cellFont(gridFont(12, false)),
      m_boldFont(gridFont(12, true)),
      m_titleFont(gridFont(21, true))
{
    layOut();
}

QString GridPrintDocument::title() const { return m_job.title.trimmed().isEmpty() ? QStringLiteral("表格") : m_job.title; }

void GridPrintDocument::layOut()
{
    double total = 0;
    for (const GridPrintColumn &column : m_job.columns)
        total += std::max(column.width, 1);
    const QSizeF portrait = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const bool across = total > contentRect(portrait).width();
    m_paperMm = across ? portrait.transposed() : portrait;
    const double pageWidth = contentRect(m_paperMm).width();

    // Narrow grids widen their columns; wide ones shrink as a whole, text too.
    m_scale = total > pageWidth ? pageWidth / total : 1.0;
    const double stretch = total > 0 && total < pageWidth ? pageWidth / total : 1.0;
    m_widths.clear();
    for (const GridPrintColumn &column : m_job.columns)
        m_widths.push_back(std::max(column.width, 1) * stretch);

    QStringList titles;
    for (const GridPrintColumn &column : m_job.columns)
        titles.append(column.title);
    m_titleRowHeight = rowHeight(titles, m_boldFont);
    m_heights.clear();
    for (const QStringList &row : m_job.rows)
        m_heights.push_back(rowHeight(row, m_cellFont));
    m_footerRowHeight = m_job.footer.isEmpty() ? 0 : rowHeight(m_job.footer, m_boldFont);

    const QRectF content = contentRect(m_paperMm);
    const double bands = (m_header.isEmpty() ? 0 : lineHeight(m_bandFont) + 4) + lineHeight(m_bandFont) + 4;
    const double available = content.height() - bands;
    const double titleBlock = 3 * lineHeight(m_titleFont);

    m_pages.clear();
    Page page;
    double used = titleBlock + m_titleRowHeight * m_scale;
    for (int r = 0; r < int(m_heights.size()); ++r) {
        const double height = m_heights.at(std::size_t(r)) * m_scale;
        if (page.rowCount > 0 && used + height > available) {
            m_pages.push_back(page);
            page = Page{r, 0, false};
            used = m_titleRowHeight * m_scale;
        }
        ++page.rowCount;
        used += height;
    }
    if (m_footerRowHeight > 0) {
        if (page.rowCount > 0 && used + m_footerRowHeight * m_scale > available) {
            m_pages.push_back(page);
            page = Page{int(m_heights.size()), 0, false};
        }
        page.footerRow = true;
    }
    m_pages.push_back(page);
}

double GridPrintDocument::rowHeight(const QStringList &cells, const QFont &font) const
{
    const QFontMetricsF metrics(font, layoutDevice());
    double height = metrics.height();
    if (m_job.fitMode == 0) {
        for (int c = 0; c < int(m_widths.size()) && c < cells.size(); ++c) {
            const QRectF box = metrics.boundingRect(QRectF(0, 0, std::max(1.0, m_widths.at(std::size_t(c)) - 2 * padX), 1e6),
                                                    Qt::TextWordWrap, cells.at(c));
            height = std::max(height, box.height());
        }
    }
    return height + 2 * padY;
}

void GridPrintDocument::paintRow(QPainter &painter, double y, double height, const QStringList &cells, const QFont &font,
                                 bool titles, const QColor &background) const
{
    painter.setFont(font);
    const QFontMetricsF metrics(font, layoutDevice());
    double x = 0;
    for (int c = 0; c < int(m_widths.size()); ++c) {
        const double width = m_widths.at(std::size_t(c));
        const QRectF cell(x, y, width, height);
        if (background.isValid())
            painter.fillRect(cell, background);
        painter.drawRect(cell);
        const QString text = c < cells.size() ? cells.at(c) : QString();
        const QRectF inner = cell.adjusted(padX, padY, -padX, -padY);
        const Qt::Alignment align = titles ? Qt::AlignHCenter : cellAlignment(m_job.columns.at(c).alignment);
        if (m_job.fitMode == 0)
            painter.drawText(inner, int(align | Qt::AlignVCenter | Qt::TextWordWrap), text);
        else
            painter.drawText(inner, int(align | Qt::AlignVCenter), metrics.elidedText(text, Qt::ElideRight, inner.width()));
        x += width;
    }
}

void GridPrintDocument::paintPage(QPainter &painter, int index) const
{
    if (index < 0 || index >= pageCount())
        return;
    const QRectF content = contentRect(m_paperMm);
    const Page &page = m_pages.at(std::size_t(index));
    const double band = lineHeight(m_bandFont);
    painter.save();
    painter.setPen(QPen(Qt::black, 0.75));
    painter.setBrush(Qt::NoBrush);

    double y = content.top();
    if (!m_header.isEmpty()) {
        painter.setFont(m_bandFont);
        painter.drawText(QRectF(content.left(), y, content.width(), band), int(Qt::AlignLeft | Qt::AlignVCenter), m_header);
        y += band + 4;
    }
    if (index == 0) {
        const double line = lineHeight(m_titleFont);
        painter.setFont(m_titleFont);
        painter.drawText(QRectF(content.left(), y + line, content.width(), line), int(Qt::AlignHCenter | Qt::AlignVCenter), m_job.title);
        y += 3 * line;
    }

    painter.save();
    painter.translate(content.left(), y);
    painter.scale(m_scale, m_scale);
    QStringList titles;
    for (const GridPrintColumn &column : m_job.columns)
        titles.append(column.title);
    double gridY = 0;
    paintRow(painter, gridY, m_titleRowHeight, titles, m_boldFont, true, QColor(0xE8, 0xE8, 0xE8));
    gridY += m_titleRowHeight;
    for (int r = page.firstRow; r < page.firstRow + page.rowCount; ++r) {
        const double height = m_heights.at(std::size_t(r));
        paintRow(painter, gridY, height, m_job.rows.at(r), m_cellFont, false, QColor());
        gridY += height;
    }
    if (page.footerRow) {
        paintRow(painter, gridY, m_footerRowHeight, m_job.footer, m_boldFont, false, QColor(0xF4, 0xF4, 0xF4));
    }
    painter.restore();

    const QRectF bottom(content.left(), content.bottom() - band, content.width(), band);
    painter.setFont(m_bandFont);
    painter.drawText(bottom, int(Qt::AlignHCenter | Qt::AlignVCenter), pageNumberText(index));
    if (!m_footer.isEmpty())
        painter.drawText(bottom, int(Qt::AlignRight | Qt::AlignVCenter), m_footer);
    painter.restore();
}

QString GridPrintDocument::pageNumberText(int index) const
{
    return QStringLiteral("第 %1 页 共 %2 页").arg(index + 1).arg(pageCount());
}

int GridPrintDocument::rowsOnPage(int index) const
{
    return index >= 0 && index < pageCount() ? m_pages.at(std::size_t(index)).rowCount : 0;
}

QString GridPrintDocument::html() const
{
    const auto cell = [](const QString &tag, const QString &text, int alignment) {
        static const char *const aligns[] = {"left", "center", "right"};
        return QStringLiteral("<%1 style=\"text-align:%2\">%3</%1>")
            .arg(tag, QLatin1String(aligns[alignment >= 0 && alignment <= 2 ? alignment : 0]), text.toHtmlEscaped());
    };
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1</title>"
                                  "<style>table{border-collapse:collapse} td,th{border:1px solid #000;padding:2px 4px}</style>"
                                  "</head><body>\n")
                       .arg(title().toHtmlEscaped());
    if (!m_header.isEmpty())
        html += QStringLiteral("<p>%1</p>\n").arg(m_header.toHtmlEscaped());
    html += QStringLiteral("<h2 style=\"text-align:center\">%1</h2>\n<table>\n<thead><tr>").arg(m_job.title.toHtmlEscaped());
    for (const GridPrintColumn &column : m_job.columns)
        html += cell(QStringLiteral("th"), column.title, 1);
    html += QStringLiteral("</tr></thead>\n<tbody>\n");
    const auto row = [&](const QStringList &cells, const QString &tag) {
        QString tr = QStringLiteral("<tr>");
        for (int c = 0; c < m_job.columns.size(); ++c)
            tr += cell(tag, c < cells.size() ? cells.at(c) : QString(), m_job.columns.at(c).alignment);
        return tr + QStringLiteral("</tr>\n");
    };
    for (const QStringList &cells : m_job.rows)
        html += row(cells, QStringLiteral("td"));
    if (!m_job.footer.isEmpty())
        html += row(m_job.footer, QStringLiteral("th"));
    html += QStringLiteral("</tbody></table>\n");
    if (!m_footer.isEmpty())
        html += QStringLiteral("<p style=\"text-align:right\">%1</p>\n").arg(m_footer.toHtmlEscaped());
    return html + QStringLiteral("</body></html>\n");
}

ExportTable GridPrintDocument::table() const
{
    ExportTable table;
    for (const GridPrintColumn &column : m_job.columns)
        table.headers.append(column.title);
    const auto row = [&](const QStringList &cells) {
        QVariantList values;
        for (int c = 0; c < m_job.columns.size(); ++c)
            values.append(c < cells.size() ? cells.at(c) : QString());
        return values;
    };
    for (const QStringList &cells : m_job.rows)
        table.rows.append(row(cells));
    if (!m_job.footer.isEmpty())
        table.rows.append(row(m_job.footer));
    return table;
}
