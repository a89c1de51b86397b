#pragma once

#include "app/report/GridPrintJob.h"
#include "app/report/PrintDocument.h"

#include <QDate>
#include <QFont>
#include <vector>

// A grid printed on A4: the title block on the first page, the page header
// text on the left at the top of every page, the column titles on every
// page, the rows, the footer row after the last row, and at the bottom of
// every page the page number and the page footer text on the right. The
// columns keep their proportions and fill the width of the page; a grid
// wider than an upright page is printed across the page.
class GridPrintDocument : public PrintDocument
{
public:
    GridPrintDocument(GridPrintJob job, const QDate &today);

    QString title() const override;
    QSizeF paperMm() const override { return m_paperMm; }
    int pageCount() const override { return int(m_pages.size()); }
    void paintPage(QPainter &painter, int index) const override;
    QString html() const override;
    ExportTable table() const override;

    // The texts that end up in the bands; empty when there is none.
    const QString &pageHeaderText() const { return m_header; }
    const QString &pageFooterText() const { return m_footer; }
    QString pageNumberText(int index) const;
    // Rows on one page (the footer row not counted), for tests.
    int rowsOnPage(int index) const;

    // "打印日期：" and the day as yyyy年mm月dd日 for the footer text "date".
    static QString footerTextFor(const QString &footer, const QDate &today);

private:
    struct Page
    {
        int firstRow = 0;
        int rowCount = 0;
        bool footerRow = false;
    };

    void layOut();
    double rowHeight(const QStringList &cells, const QFont &font) const;
    void paintRow(QPainter &painter, double y, double height, const QStringList &cells, const QFont &font,
                  bool titles, const QColor &background) const;

    GridPrintJob m_job;
    QString m_header;
    QString m_footer;
    QSizeF m_paperMm;
    double m_scale = 1;             // grid units to document units
    std::vector<double> m_widths;   // column widths in grid units
    std::vector<double> m_heights;  // row heights in grid units
    double m_titleRowHeight = 0;
    double m_footerRowHeight = 0;
    std::vector<Page> m_pages;
    QFont m_bandFont;
    QFont m_cellFont;
    QFont m_boldFont;
    QFont m_titleFont;
};
