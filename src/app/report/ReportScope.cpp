#include "app/report/ReportScope.h"

#include "app/DisplayFormat.h"

namespace {

QString cleaned(QString text)
{
    text.remove(ReportScope::pageBreakMark());
    return text;
}

// Captures the text of a band section and leaves nothing in the page.
Mustache::data bandCatcher(QString *text, bool *present)
{
    return Mustache::lambda2([text, present](const std::string &sectionText, const Mustache::renderer &) {
        *text = QString::fromStdString(sectionText);
        *present = true;
        return std::string();
    });
}

} // namespace

ReportScope::ReportScope(ReportInput input) : m_input(std::move(input))
{
    const RowSet &master = m_input.master;

    // The detail rows of each master key, in the order of frxDD.
    QHash<QString, QList<int>> detailRows;
    int detailKey = -1;
    int masterKey = -1;
    if (m_input.detail) {
        detailKey = m_input.detail->rows.fieldIndex(m_input.detail->detailField);
        masterKey = master.fieldIndex(m_input.detail->masterField);
        for (int r = 0; r < m_input.detail->rows.rowCount(); ++r)
            detailRows[DisplayFormat::plainText(m_input.detail->rows.value(r, detailKey)).toLower()].append(r);
    }

    Mustache::data masterList(Mustache::data::type::list);
    for (int r = 0; r < master.rowCount(); ++r) {
        Mustache::data row = rowObject(master, r, master.rowCount());
        if (m_input.detail) {
            const RowSet &details = m_input.detail->rows;
            const QList<int> picked = masterKey < 0 || detailKey < 0
                ? QList<int>()
                : detailRows.value(DisplayFormat::plainText(master.value(r, masterKey)).toLower());
            Mustache::data detailList(Mustache::data::type::list);
            for (int i = 0; i < picked.size(); ++i) {
                Mustache::data detail = rowObject(details, picked.at(i), int(picked.size()));
                // Row numbers count within the master row.
                detail.set("rowno", std::to_string(i + 1));
                detail.set("isfirst", Mustache::data(i == 0));
                detail.set("islast", Mustache::data(i == picked.size() - 1));
                detailList.push_back(detail);
            }
            row.set("frxdd", detailList);
        }
        masterList.push_back(row);
    }
    m_root.set("frxdm", masterList);

    Mustache::data company;
    for (auto it = m_input.company.cbegin(); it != m_input.company.cend(); ++it)
        company.set(key(it.key()), toData(it.value()));
    m_root.set("sysinfo", company);
    QVariant companyName;
    for (auto it = m_input.company.cbegin(); it != m_input.company.cend(); ++it)
        if (it.key().compare(QLatin1String("F_Code"), Qt::CaseInsensitive) == 0)
            companyName = it.value();
    m_root.set("companyname", toData(companyName));
    m_root.set("today", toData(m_input.today.toString(QStringLiteral("yyyy-MM-dd"))));
    m_root.set("pagebreak", pageBreakMark().toStdString());
    m_root.set("pageheader", bandCatcher(&m_header, &m_hasHeader));
    m_root.set("pagefooter", bandCatcher(&m_footer, &m_hasFooter));
}

Mustache::data ReportScope::rowObject(const RowSet &rows, int row, int count) const
{
    Mustache::data object;
    for (int c = 0; c < rows.columnCount(); ++c)
        object.set(key(rows.fields().at(c)), toData(rows.value(row, c)));
    object.set("rowno", std::to_string(row + 1));
    object.set("isfirst", Mustache::data(row == 0));
    object.set("islast", Mustache::data(row == count - 1));
    return object;
}

Mustache::data ReportScope::toData(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return Mustache::data(false);
    if (value.metaType().id() == QMetaType::Bool)
        return Mustache::data(value.toBool());
    const QString text = cleaned(DisplayFormat::plainText(value));
    if (text.isEmpty())
        return Mustache::data(false);
    return Mustache::data(text.toStdString());
}

QVariant ReportScope::fromData(const Mustache::data *data)
{
    if (!data)
        return {};
    if (data->is_string())
        return QString::fromStdString(data->string_value());
    if (data->is_true())
        return true;
    if (data->is_false())
        return QString();
    return {};
}

QString ReportScope::pageBreakMark() { return QStringLiteral("\uE000PageBreak\uE000"); }

bool ReportScope::isDeclared(const QString &name) const
{
    if (name.compare(QLatin1String("memoDate"), Qt::CaseInsensitive) == 0)
        return true;
    for (const QString &declared : m_input.variables)
        if (declared.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

const Mustache::data *ReportScope::variable(const QString &name)
{
    const std::string k = key(name);
    const auto found = m_variables.find(k);
    if (found != m_variables.end())
        return found->second.get();
    // The window is asked with the spelling it declared.
    QString asked = name;
    for (const QString &declared : m_input.variables)
        if (declared.compare(name, Qt::CaseInsensitive) == 0)
            asked = declared;
    if (asked.compare(QLatin1String("memoDate"), Qt::CaseInsensitive) == 0)
        asked = QStringLiteral("memoDate");
    const QVariant answer = m_input.answerer ? m_input.answerer(asked) : QVariant();
    std::unique_ptr<Mustache::data> value;
    if (answer.isValid())
        value = std::make_unique<Mustache::data>(toData(answer));
    else if (isDeclared(name))
        value = std::make_unique<Mustache::data>(false); // declared but unanswered: empty
    const Mustache::data *result = value.get();
    m_variables.emplace(k, std::move(value));
    return result;
}

const Mustache::data *ReportScope::keep(Mustache::data value)
{
    m_kept.push_back(std::move(value));
    return &m_kept.back();
}

const ReportExpression &ReportScope::expression(const QString &text)
{
    auto &slot = m_expressions[text];
    if (!slot)
        slot = std::make_shared<ReportExpression>(ReportExpression::parse(text));
    return *slot;
}

void ReportScope::noteError(const QString &error)
{
    if (m_error.isEmpty())
        m_error = error;
}

void ReportScope::noteUnknown(const QString &name)
{
    if (!m_unknown.contains(name, Qt::CaseInsensitive))
        m_unknown.append(name);
}

void ReportScope::setPage(int page, int pages)
{
    m_root.set("page", std::to_string(page));
    m_root.set("totalpages", std::to_string(pages));
}
