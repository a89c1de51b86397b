#pragma once

#include <QString>
#include <QStringList>

class PrintDocument;

// The exports of a print preview. The writers only write; exportAs() asks
// for the file name through the prompter and reports a failure to the user.
class DocumentExporter
{
public:
    enum class Format { Pdf, Html, Csv, Xlsx, Png };

    // The name asked for, with its suffix added when it was left off; empty
    // when the user cancelled. False only when the file could not be written.
    static bool exportAs(const PrintDocument &document, Format format, QString *written = nullptr);

    // A PDF file whose text can be searched and copied.
    static bool writePdf(const PrintDocument &document, const QString &path);
    static bool writeHtml(const PrintDocument &document, const QString &path);
    // The rows, comma separated, in UTF-8 with a byte order mark so that
    // spreadsheet programs read the Chinese text.
    static bool writeCsv(const PrintDocument &document, const QString &path);
    static bool writeXlsx(const PrintDocument &document, const QString &path);
    // One picture per page: the name itself for one page, name_1.png,
    // name_2.png ... for several. The files written, or none on failure.
    static QStringList writePng(const PrintDocument &document, const QString &path, int dotsPerInch = 150);

    static QString suffix(Format format);

private:
    static QString csvField(const QString &text);
};
