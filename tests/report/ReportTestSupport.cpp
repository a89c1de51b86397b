#include "ReportTestSupport.h"

#include "support/TestProgram.h"

#include "app/AppPaths.h"
#include "app/report/ReportDocument.h"

#include <QDir>
#include <QFile>

RecordingViewer::RecordingViewer() { ReportViewer::install(this); }

RecordingViewer::~RecordingViewer() { ReportViewer::install(nullptr); }

void RecordingViewer::preview(const PrintDocument &document)
{
    Preview shown;
    shown.title = document.title();
    shown.pages = document.pageCount();
    shown.html = document.html();
    shown.landscape = document.isLandscape();
    if (const auto *report = dynamic_cast<const ReportDocument *>(&document))
        for (int p = 0; p < report->pageCount(); ++p)
            shown.pageTexts.append(report->pageText(p));
    previews.append(shown);
}

void RecordingViewer::design(ReportDesignSession &session)
{
    ++designs;
    if (onDesign)
        onDesign(session);
}

void installDeliveredTemplates(const TestProgram &)
{
    const QDir source(QStringLiteral(VARNEL_DELIVERED_REPORTS));
    QDir().mkpath(AppPaths::reportFolder());
    for (const QString &name : source.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        const QString target = AppPaths::reportFolder() + QLatin1Char('/') + name;
        QFile::remove(target);
        if (!QFile::copy(source.filePath(name), target))
            qFatal("cannot copy the template %s", qPrintable(name));
    }
}

RowSet rowSet(const QStringList &fields, const QList<QVariantList> &rows) { return RowSet(fields, rows); }
