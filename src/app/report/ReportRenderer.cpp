#include "app/report/ReportRenderer.h"

#include "app/report/ReportContext.h"

#include <QRegularExpression>

namespace {

// HTML escaping of field values; a line break in a remark stays a line break.
std::string escapeHtml(const std::string &text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        case '\r': break;
        case '\n': out += "<br/>"; break;
        default: out += c; break;
        }
    }
    return out;
}

// Mustache reports byte offsets; an office wants a line number.
int lineAt(const std::string &text, qsizetype offset)
{
    int line = 1;
    for (qsizetype i = 0; i < qsizetype(text.size()) && i < offset; ++i)
        if (text[std::size_t(i)] == '\n')
            ++line;
    return line;
}

QString translated(const std::string &message, const std::string &text, const QString &where)
{
    const QString m = QString::fromStdString(message);
    static const QRegularExpression tag(QStringLiteral("^Unclosed tag at (\\d+)$"));
    static const QRegularExpression unclosed(QStringLiteral("^Unclosed section \"(.*)\" at (\\d+)$"));
    static const QRegularExpression unopened(QStringLiteral("^Unopened section \"(.*)\" at (\\d+)$"));
    const QString place = where.isEmpty() ? QString() : where + QStringLiteral("，");
    QRegularExpressionMatch match = tag.match(m);
    if (match.hasMatch())
        return QStringLiteral("%1第 %2 行：标记“{{”没有对应的“}}”").arg(place).arg(lineAt(text, match.captured(1).toLongLong()));
    match = unclosed.match(m);
    if (match.hasMatch())
        return QStringLiteral("%1第 %2 行：区段“%3”没有结束标记“{{/%3}}”")
            .arg(place).arg(lineAt(text, match.captured(2).toLongLong())).arg(match.captured(1));
    match = unopened.match(m);
    if (match.hasMatch())
        return QStringLiteral("%1第 %2 行：结束标记“{{/%3}}”前面没有“{{#%3}}”")
            .arg(place).arg(lineAt(text, match.captured(2).toLongLong())).arg(match.captured(1));
    return place + m;
}

} // namespace

ReportRenderer::ReportRenderer(ReportInput input) : m_scope(std::make_unique<ReportScope>(std::move(input))) {}

ReportRenderer::~ReportRenderer() = default;

QString ReportRenderer::renderText(const QString &text, const QString &where)
{
    const std::string source = text.toStdString();
    Mustache::mustache tmpl(source);
    if (!tmpl.is_valid()) {
        if (m_error.isEmpty())
            m_error = translated(tmpl.error_message(), source, where);
        return {};
    }
    tmpl.set_custom_escape(escapeHtml);
    ReportContext context(*m_scope);
    context.push(&m_scope->root());
    const std::string out = tmpl.render(context);
    if (!tmpl.is_valid() && m_error.isEmpty())
        m_error = translated(tmpl.error_message(), source, where);
    if (!m_scope->error().isEmpty() && m_error.isEmpty())
        m_error = where.isEmpty() ? m_scope->error() : where + QStringLiteral("，") + m_scope->error();
    return QString::fromStdString(out);
}

bool ReportRenderer::render(const QString &templateText)
{
    m_error.clear();
    m_body = renderText(templateText, QString());
    return m_error.isEmpty();
}

bool ReportRenderer::hasBand(Band band) const
{
    return band == Band::Header ? m_scope->hasHeader() : m_scope->hasFooter();
}

QString ReportRenderer::band(Band band, int page, int pages)
{
    if (!hasBand(band))
        return {};
    m_scope->setPage(page, pages);
    return band == Band::Header ? renderText(m_scope->headerText(), QStringLiteral("页眉"))
                                : renderText(m_scope->footerText(), QStringLiteral("页脚"));
}

QStringList ReportRenderer::unknownNames() const { return m_scope->unknownNames(); }

void ReportRenderer::forgetAnswerer() { m_scope->forgetAnswerer(); }
