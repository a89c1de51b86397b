#include "app/report/ReportService.h"

#include "app/Clock.h"
#include "app/Prompter.h"
#include "app/TdmData.h"
#include "app/report/GridPrintDocument.h"
#include "app/report/ReportDesignSession.h"
#include "app/report/ReportDocument.h"
#include "app/report/ReportTemplates.h"
#include "app/report/ReportVariableScope.h"
#include "app/report/ReportViewer.h"

namespace {

QVariantMap companyInfo()
{
    QVariantMap info;
    if (!TdmData::exists() || !TdmData::instance().connected())
        return info;
    RowSet rows;
    if (!TdmData::instance().OpenQuery(QStringLiteral("select * from SysInfo"), rows) || rows.isEmpty())
        return info;
    for (int c = 0; c < rows.columnCount(); ++c)
        info.insert(rows.fields().at(c), rows.value(0, c));
    return info;
}

bool printReport(const QString &templateName, const RowSet &frxDM, const std::optional<ReportDetail> &frxDD)
{
    if (frxDM.isEmpty())
        return false;
    QString text;
    switch (ReportTemplates::load(templateName, &text)) {
    case ReportTemplates::LoadResult::Loaded:
        break;
    case ReportTemplates::LoadResult::Missing:
        ShowMsg(ReportTemplates::missingMessage(templateName), MsgError);
        return false;
    case ReportTemplates::LoadResult::Unreadable:
        ShowMsg(ReportTemplates::unreadableMessage(templateName), MsgError);
        return false;
    }
    const ReportDocument::BuildResult built = ReportDocument::build(templateName, text, currentReportInput(frxDM, frxDD));
    if (!built.document) {
        ShowMsg(ReportTemplates::brokenMessage(templateName, built.error), MsgError);
        return false;
    }
    ReportViewer::current().preview(*built.document);
    return true;
}

void designReport(const QString &templateName, const RowSet &frxDM, const std::optional<ReportDetail> &frxDD)
{
    ReportDesignSession session(templateName, currentReportInput(frxDM, frxDD));
    ReportViewer::current().design(session);
}

} // namespace

ReportInput currentReportInput(const RowSet &frxDM, const std::optional<ReportDetail> &frxDD)
{
    ReportInput input;
    input.master = frxDM;
    input.detail = frxDD;
    input.answerer = ReportVariableScope::currentAnswerer();
    input.variables = ReportVariableScope::currentVariables();
    input.company = companyInfo();
    input.today = Clock::current().today();
    return input;
}

bool PrintReport(const QString &templateName, const RowSet &frxDM) { return printReport(templateName, frxDM, std::nullopt); }

bool PrintReport(const QString &templateName, const RowSet &frxDM, const ReportDetail &frxDD)
{
    return printReport(templateName, frxDM, frxDD);
}

void DesignReport(const QString &templateName, const RowSet &frxDM) { designReport(templateName, frxDM, std::nullopt); }

void DesignReport(const QString &templateName, const RowSet &frxDM, const ReportDetail &frxDD)
{
    designReport(templateName, frxDM, frxDD);
}

void PrintGrid(const GridPrintJob &job)
{
    const GridPrintDocument document(job, Clock::current().today());
    ReportViewer::current().preview(document);
}

QString PeriodCaption(const std::optional<QDate> &from, const std::optional<QDate> &to, const QString &title)
{
    const QString pattern = QStringLiteral("yyyy年MM月dd日");
    const QString head = title.trimmed().isEmpty() ? QStringLiteral("统计") : title;
    const QString fromPart = from ? from->toString(pattern) : QStringLiteral("启用系统");
    const QString toPart = to ? to->toString(pattern) : QStringLiteral("记帐最后一天");
    return head + QStringLiteral("日期：自 ") + fromPart + QStringLiteral(" 至 ") + toPart;
}
