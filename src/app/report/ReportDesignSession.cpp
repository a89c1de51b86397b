#include "app/report/ReportDesignSession.h"

#include "app/DisplayFormat.h"
#include "app/Prompter.h"
#include "app/report/ReportTemplates.h"

#include <QDir>

ReportDesignSession::ReportDesignSession(QString templateName, ReportInput input)
    : m_name(std::move(templateName)), m_input(std::move(input))
{
    switch (ReportTemplates::load(m_name, &m_text)) {
    case ReportTemplates::LoadResult::Loaded:
        break;
    case ReportTemplates::LoadResult::Missing:
        // An office may start a missing template afresh; saving creates it.
        m_text = ReportTemplates::starterText();
        m_note = QStringLiteral("模板文件不存在，保存后新建：") + QDir::toNativeSeparators(filePath());
        break;
    case ReportTemplates::LoadResult::Unreadable:
        m_text.clear();
        m_note = ReportTemplates::unreadableMessage(m_name);
        break;
    }
}

QString ReportDesignSession::filePath() const { return ReportTemplates::filePath(m_name); }

void ReportDesignSession::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_modified = true;
}

QStringList ReportDesignSession::variableNames() const
{
    QStringList names{QStringLiteral("memoDate")};
    for (const QString &name : m_input.variables)
        if (!names.contains(name, Qt::CaseInsensitive))
            names.append(name);
    return names;
}

QList<ReportDesignSession::Category> ReportDesignSession::categories() const
{
    QList<Category> categories;
    const auto fieldsOf = [](const QString &title, const RowSet &rows) {
        Category category{title, {}};
        for (int c = 0; c < rows.columnCount(); ++c)
            category.names.append({rows.fields().at(c), rows.isEmpty() ? QString() : DisplayFormat::plainText(rows.value(0, c))});
        return category;
    };
    categories.append(fieldsOf(QStringLiteral("frxDM"), m_input.master));
    if (m_input.detail)
        categories.append(fieldsOf(QStringLiteral("frxDD"), m_input.detail->rows));

    Category variables{variablesCategory(), {}};
    for (const QString &name : variableNames()) {
        const QVariant value = m_input.answerer ? m_input.answerer(name) : QVariant();
        variables.names.append({name, DisplayFormat::plainText(value)});
    }
    categories.append(variables);

    QString company;
    for (auto it = m_input.company.cbegin(); it != m_input.company.cend(); ++it)
        if (it.key().compare(QLatin1String("F_Code"), Qt::CaseInsensitive) == 0)
            company = it.value().toString();
    categories.append({QStringLiteral("系统变量"),
                       {{QStringLiteral("CompanyName"), company.isEmpty() ? QStringLiteral("公司名称") : company},
                        {QStringLiteral("SysInfo.F_Code"), QStringLiteral("公司信息的各栏，如 SysInfo.F_Phone")},
                        {QStringLiteral("Today"), m_input.today.toString(QStringLiteral("yyyy-MM-dd"))},
                        {QStringLiteral("Page"), QStringLiteral("页码（页眉、页脚中）")},
                        {QStringLiteral("TotalPages"), QStringLiteral("总页数（页眉、页脚中）")},
                        {QStringLiteral("RowNo"), QStringLiteral("当前行的序号")},
                        {QStringLiteral("IsFirst"), QStringLiteral("第一行时为真")},
                        {QStringLiteral("IsLast"), QStringLiteral("最后一行时为真")},
                        {QStringLiteral("PageBreak"), QStringLiteral("在此换页")},
                        {QStringLiteral("#PageHeader"), QStringLiteral("页眉区段")},
                        {QStringLiteral("#PageFooter"), QStringLiteral("页脚区段")}}});
    categories.append({QStringLiteral("函数"),
                       {{QStringLiteral("MoneyMinToBig(F_gz115)"), QStringLiteral("金额小写转大写")},
                        {QStringLiteral("Format(F_Price, \"￥,0.00;-￥,0.00\")"), QStringLiteral("数字、日期格式")},
                        {QStringLiteral("Sum(F_gz115)"), QStringLiteral("frxDM 各行合计；Sum(frxDD.F_Price) 为明细合计")},
                        {QStringLiteral("Count(frxDM)"), QStringLiteral("行数")},
                        {QStringLiteral("Any(sGZ200, sGZ201)"), QStringLiteral("任一不为空时为真")},
                        {QStringLiteral("#PageBreakAfter(3)"), QStringLiteral("每第3行之后为真（最后一行除外）")}}});
    return categories;
}

ReportDocument::BuildResult ReportDesignSession::build() const
{
    return ReportDocument::build(m_name, m_text, m_input);
}

bool ReportDesignSession::save()
{
    if (!ReportTemplates::save(m_name, m_text)) {
        ShowMsg(QStringLiteral("报表模板保存失败，无法写入文件：") + QDir::toNativeSeparators(filePath()), MsgError);
        return false;
    }
    m_modified = false;
    m_note.clear();
    return true;
}

bool ReportDesignSession::confirmClose()
{
    if (!m_modified)
        return true;
    if (ShowMsg(QStringLiteral("报表模板已修改，是否保存？"), MsgQuestion) == MsgOk)
        return save();
    return true;
}
