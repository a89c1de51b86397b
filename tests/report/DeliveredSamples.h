#pragma once

#include "app/report/ReportInput.h"

#include <QStringList>

class TdmData;

// A small factory's month in the tables the printing windows read, and for
// each delivered template what its window hands to PrintReport: the rows of
// the window's own statement, the detail rows, the variables it answers.
namespace DeliveredSamples {

void insertRows(TdmData &dm);

struct WindowPrint
{
    RowSet master;
    std::optional<ReportDetail> detail;
    ReportAnswerer answerer;
    QStringList variables;
    QStringList expectedTexts; // what the printout must show
};

WindowPrint printFor(TdmData &dm, const QString &templateName);

} // namespace DeliveredSamples
