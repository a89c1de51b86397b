#include "app/report/ui/WidgetReportViewer.h"

#include "app/report/ui/TfrmReportDesigner.h"
#include "app/report/ui/TfrmReportPreview.h"

#include <QApplication>
#include <QScreen>

namespace {

// Large windows: a page should be readable without zooming first.
void placeLarge(QWidget *window, QWidget *owner)
{
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QSize size(std::min(1100, available.width() - 40), std::min(800, available.height() - 40));
    window->resize(size);
    const QPoint centre = owner ? owner->frameGeometry().center() : available.center();
    QRect frame(QPoint(0, 0), size);
    frame.moveCenter(centre);
    frame.moveLeft(std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() - size.width())));
    frame.moveTop(std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() - size.height())));
    window->move(frame.topLeft());
}

} // namespace

void WidgetReportViewer::preview(const PrintDocument &document)
{
    QWidget *owner = QApplication::activeWindow();
    TfrmReportPreview window(document, owner);
    placeLarge(&window, owner);
    window.exec();
}

void WidgetReportViewer::design(ReportDesignSession &session)
{
    QWidget *owner = QApplication::activeWindow();
    TfrmReportDesigner window(session, owner);
    placeLarge(&window, owner);
    window.exec();
}
