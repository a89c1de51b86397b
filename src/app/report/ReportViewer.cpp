#include "app/report/ReportViewer.h"

namespace {

// Without windows (the companion program) nothing is shown.
class NoViewer : public ReportViewer
{
public:
    void preview(const PrintDocument &) override {}
    void design(ReportDesignSession &) override {}
};

ReportViewer *&installed()
{
    static ReportViewer *viewer = nullptr;
    return viewer;
}

} // namespace

ReportViewer &ReportViewer::current()
{
    static NoViewer none;
    return installed() ? *installed() : none;
}

void ReportViewer::install(ReportViewer *viewer) { installed() = viewer; }
