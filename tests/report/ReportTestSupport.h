#pragma once

#include "app/RowSet.h"
#include "app/report/ReportViewer.h"

#include <QStringList>
#include <functional>

class TestProgram;

// A report viewer for tests: keeps what every preview showed and lets a
// test act on a design session while the designer would be open.
class RecordingViewer : public ReportViewer
{
public:
    RecordingViewer();
    ~RecordingViewer() override;

    struct Preview
    {
        QString title;
        int pages = 0;
        QStringList pageTexts; // reports only
        QString html;
        bool landscape = false;
    };
    QList<Preview> previews;
    int designs = 0;
    std::function<void(ReportDesignSession &)> onDesign;

    void preview(const PrintDocument &document) override;
    void design(ReportDesignSession &session) override;
};

// Copies the templates delivered with the program into the test program's Qr.
void installDeliveredTemplates(const TestProgram &program);

// A row set from field names and rows, for short tests.
RowSet rowSet(const QStringList &fields, const QList<QVariantList> &rows);
