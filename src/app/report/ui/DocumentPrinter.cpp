#include "app/report/ui/DocumentPrinter.h"

#include "app/report/PrintDocument.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace DocumentPrinter {

void prepare(QPrinter &printer, const PrintDocument &document)
{
    const QSizeF mm = document.paperMm();
    const QSizeF upright(std::min(mm.width(), mm.height()), std::max(mm.width(), mm.height()));
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(upright, QPageSize::Millimeter),
                                      document.isLandscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
}

bool paint(QPrinter &printer, const PrintDocument &document, bool honourRange)
{
    int first = 0;
    int last = document.pageCount() - 1;
    if (honourRange && printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage() - 1);
        last = std::min(last, std::max(first, printer.toPage() - 1));
    }
    QPainter painter;
    if (last < first)
        return true;
    if (!painter.begin(&printer))
        return false;
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QSizeF dots = document.paperDots();
    const double scale = std::min(paper.width() / dots.width(), paper.height() / dots.height());
    for (int page = first; page <= last; ++page) {
        if (page > first)
            printer.newPage();
        painter.save();
        painter.translate((paper.width() - dots.width() * scale) / 2, (paper.height() - dots.height() * scale) / 2);
        painter.scale(scale, scale);
        painter.fillRect(QRectF(QPointF(0, 0), dots), Qt::white);
        document.paintPage(painter, page);
        painter.restore();
    }
    return painter.end();
}

} // namespace DocumentPrinter
