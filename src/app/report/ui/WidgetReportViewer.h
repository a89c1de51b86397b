#pragma once

#include "app/report/ReportViewer.h"

// The report viewer of the running program: the print preview and the
// template designer, modal to the window active at the time.
class WidgetReportViewer : public ReportViewer
{
public:
    void preview(const PrintDocument &document) override;
    void design(ReportDesignSession &session) override;
};
