#pragma once

#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>

class QPainter;
class QPaintDevice;

// The rows of a printout as the spreadsheet and comma-separated exports
// write them: numbers stay numbers, everything else is text.
struct ExportTable
{
    QStringList headers;
    QList<QVariantList> rows;
};

// A finished printout: pages of a fixed paper size that paint themselves,
// and what the exports need. Pages are painted in document units of 1/96
// inch with the origin at the top left corner of the paper; printers, PDF
// files and pictures scale the painter to their own resolution.
class PrintDocument
{
public:
    static constexpr double dotsPerInch = 96.0;

    virtual ~PrintDocument() = default;

    // What the printout is called: the default name of exported files.
    virtual QString title() const = 0;
    virtual QSizeF paperMm() const = 0;
    virtual int pageCount() const = 0;
    virtual void paintPage(QPainter &painter, int index) const = 0;
    // The whole printout as one HTML page.
    virtual QString html() const = 0;
    virtual ExportTable table() const = 0;

    QSizeF paperDots() const
    {
        const QSizeF mm = paperMm();
        return QSizeF(mm.width() / 25.4 * dotsPerInch, mm.height() / 25.4 * dotsPerInch);
    }
    bool isLandscape() const { return paperMm().width() > paperMm().height(); }

    // Text is measured and laid out for 96 dots per inch whatever the screen
    // says, so a page breaks at the same place on screen, on paper and in a
    // PDF file.
    static QPaintDevice *layoutDevice();
};
