#include "app/report/DocumentExporter.h"

#include "app/DisplayFormat.h"
#include "app/Prompter.h"
#include "app/report/PrintDocument.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <xlsxwriter.h>

namespace {

bool writeText(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(bytes);
    return file.commit();
}

struct FormatInfo
{
    const char *suffix;
    const char *title;
    const char *filter;
};

FormatInfo info(DocumentExporter::Format format)
{
    switch (format) {
    case DocumentExporter::Format::Pdf: return {"pdf", "导出为PDF文件", "PDF文件|*.pdf"};
    case DocumentExporter::Format::Html: return {"html", "导出为HTML网页", "HTML网页|*.html;*.htm"};
    case DocumentExporter::Format::Csv: return {"csv", "导出为CSV文件", "CSV文件|*.csv"};
    case DocumentExporter::Format::Xlsx: return {"xlsx", "导出为Excel工作簿", "Excel工作簿|*.xlsx"};
    case DocumentExporter::Format::Png: return {"png", "导出为PNG图片", "PNG图片|*.png"};
    }
    return {"", "", ""};
}

// A worksheet name: at most 31 characters, none of []:*?/\ .
std::string sheetName(const QString &title)
{
    QString name = title;
    for (const QChar c : QStringLiteral("[]:*?/\\"))
        name.remove(c);
    name = name.trimmed().left(31);
    return (name.isEmpty() ? QStringLiteral("Sheet1") : name).toStdString();
}

} // namespace

QString DocumentExporter::suffix(Format format) { return QString::fromLatin1(info(format).suffix); }

bool DocumentExporter::exportAs(const PrintDocument &document, Format format, QString *written)
{
    const FormatInfo about = info(format);
    FileRequest request;
    request.title = QString::fromUtf8(about.title);
    request.filter = QString::fromUtf8(about.filter);
    request.fileName = document.title() + QLatin1Char('.') + QString::fromLatin1(about.suffix);
    QString path = Prompter::current().saveFileName(request);
    if (written)
        *written = QString();
    if (path.isEmpty())
        return true;
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + QString::fromLatin1(about.suffix);
    bool ok = false;
    switch (format) {
    case Format::Pdf: ok = writePdf(document, path); break;
    case Format::Html: ok = writeHtml(document, path); break;
    case Format::Csv: ok = writeCsv(document, path); break;
    case Format::Xlsx: ok = writeXlsx(document, path); break;
    case Format::Png: ok = !writePng(document, path).isEmpty(); break;
    }
    if (!ok) {
        ShowMsg(QStringLiteral("导出失败，无法写入文件：") + path, MsgError);
        return false;
    }
    if (written)
        *written = path;
    return true;
}

bool DocumentExporter::writePdf(const PrintDocument &document, const QString &path)
{
    constexpr int resolution = 600;
    QPdfWriter writer(path);
    writer.setTitle(document.title());
    writer.setCreator(QStringLiteral("Varnel工资管理软件"));
    writer.setResolution(resolution);
    writer.setPageSize(QPageSize(document.paperMm(), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const double scale = resolution / PrintDocument::dotsPerInch;
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0 && !writer.newPage())
            return false;
        painter.save();
        painter.scale(scale, scale);
        document.paintPage(painter, page);
        painter.restore();
    }
    return painter.end();
}

bool DocumentExporter::writeHtml(const PrintDocument &document, const QString &path)
{
    return writeText(path, document.html().toUtf8());
}

QString DocumentExporter::csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

bool DocumentExporter::writeCsv(const PrintDocument &document, const QString &path)
{
    const ExportTable table = document.table();
    QStringList lines;
    QStringList header;
    for (const QString &title : table.headers)
        header.append(csvField(title));
    lines.append(header.join(QLatin1Char(',')));
    for (const QVariantList &row : table.rows) {
        QStringList cells;
        for (const QVariant &value : row)
            cells.append(csvField(DisplayFormat::plainText(value)));
        lines.append(cells.join(QLatin1Char(',')));
    }
    return writeText(path, QByteArray("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
}

bool DocumentExporter::writeXlsx(const PrintDocument &document, const QString &path)
{
    const QByteArray file = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new(file.constData());
    if (!workbook)
        return false;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, sheetName(document.title()).c_str());
    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    const ExportTable table = document.table();
    for (int c = 0; c < table.headers.size(); ++c)
        worksheet_write_string(sheet, 0, lxw_col_t(c), table.headers.at(c).toUtf8().constData(), bold);
    for (int r = 0; r < table.rows.size(); ++r) {
        const QVariantList &row = table.rows.at(r);
        for (int c = 0; c < row.size(); ++c) {
            const QVariant &value = row.at(c);
            if (value.isNull())
                continue;
            if (DisplayFormat::isNumberType(value))
                worksheet_write_number(sheet, lxw_row_t(r + 1), lxw_col_t(c), value.toDouble(), nullptr);
            else
                worksheet_write_string(sheet, lxw_row_t(r + 1), lxw_col_t(c), DisplayFormat::plainText(value).toUtf8().constData(), nullptr);
        }
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

QStringList DocumentExporter::writePng(const PrintDocument &document, const QString &path, int dotsPerInch)
{
    QStringList files;
    const QFileInfo target(path);
    const QString base = target.path() + QLatin1Char('/') + target.completeBaseName();
    const double scale = dotsPerInch / PrintDocument::dotsPerInch;
    const QSizeF paper = document.paperDots() * scale;
    for (int page = 0; page < document.pageCount(); ++page) {
        QImage image(paper.toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
        image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale, scale);
        document.paintPage(painter, page);
        painter.end();
        const QString name = document.pageCount() == 1 ? path : base + QStringLiteral("_%1.png").arg(page + 1);
        if (!image.save(name, "PNG"))
            return {};
        files.append(name);
    }
    return files;
}
