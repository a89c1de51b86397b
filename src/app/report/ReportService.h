#pragma once

#include "app/RowSet.h"
#include "app/report/GridPrintJob.h"
#include "app/report/ReportInput.h"

#include <QDate>
#include <QString>
#include <optional>

// The printing services of the data module. A window that answers report
// variables holds a ReportVariableScope around its call.

// Fills the template with the rows ("frxDM", and "frxDD" as the detail of
// each master row) and shows the preview. An empty list prints nothing and
// says nothing; a missing or broken template is reported, naming its file.
// True when the preview was shown.
bool PrintReport(const QString &templateName, const RowSet &frxDM);
bool PrintReport(const QString &templateName, const RowSet &frxDM, const ReportDetail &frxDD);

// Opens the template in the designer over the rows, also when there are none.
void DesignReport(const QString &templateName, const RowSet &frxDM);
void DesignReport(const QString &templateName, const RowSet &frxDM, const ReportDetail &frxDD);

// Prints a grid with a preview.
void PrintGrid(const GridPrintJob &job);

// title + "日期：自 " + from + " 至 " + to; an unticked picker (no date) reads
// "启用系统" or "记帐最后一天"; a blank title is "统计".
QString PeriodCaption(const std::optional<QDate> &from, const std::optional<QDate> &to, const QString &title = QString());

// What a report of the running program is built from: the rows, the
// answerer and variables of the current scope, the company information and
// today.
ReportInput currentReportInput(const RowSet &frxDM, const std::optional<ReportDetail> &frxDD);
