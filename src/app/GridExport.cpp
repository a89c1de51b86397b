#include "app/GridExport.h"

#include "app/DisplayFormat.h"
#include "app/WorkbookWriter.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString placeholderDate = QStringLiteral("1900-08-14");

} // namespace

namespace GridExport {

bool writeWorkbook(const QString &path, const QString &sheetName, const GridColumns &columns, const RowSet &rows,
                   QString *error)
{
    WorkbookWriter book(path);
    if (!book.isOpen() || !book.addSheet(sheetName)) {
        if (error)
            *error = book.errorText();
        return false;
    }
    QList<int> fields;
    QStringList formats;
    QList<bool> dates;
    for (int c = 0; c < columns.size(); ++c) {
        const GridColumn &column = columns.at(c);
        book.writeText(0, c, column.title, QStringLiteral("@"), true);
        book.setColumnWidth(c, std::max(6.0, column.width / 7.0));
        fields.append(rows.fieldIndex(column.field));
        formats.append(DisplayFormat::spreadsheetFormat(column.displayFormat));
        dates.append(DisplayFormat::isDatePattern(column.displayFormat));
    }
    for (int r = 0; r < rows.rowCount(); ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            const QVariant value = rows.value(r, fields.at(c));
            const QString &format = formats.at(c);
            const QString text = DisplayFormat::plainText(value).trimmed();
            if (value.isNull() || text == placeholderDate
                || DisplayFormat::formatValue(value, columns.at(c).displayFormat).trimmed() == placeholderDate) {
                book.writeBlank(r + 1, c, format);
            } else if (format == QStringLiteral("@")) {
                book.writeText(r + 1, c, DisplayFormat::plainText(value), format);
            } else if (dates.at(c)) {
                if (const auto dt = DisplayFormat::toDateTime(value))
                    book.writeDateTime(r + 1, c, *dt, format);
                else
                    book.writeText(r + 1, c, DisplayFormat::plainText(value), format);
            } else if (const auto number = DisplayFormat::toNumber(value)) {
                book.writeNumber(r + 1, c, *number, format);
            } else {
                book.writeText(r + 1, c, DisplayFormat::plainText(value), format);
            }
        }
    }
    if (!book.close()) {
        if (error)
            *error = book.errorText();
        return false;
    }
    return true;
}

QString uniqueFileName(const QString &folder, const QString &sheetName, const QDateTime &now)
{
    QString base;
    for (const QChar c : sheetName)
        base += QStringLiteral("\\/:*?\"<>|").contains(c) ? QLatin1Char('_') : c;
    if (base.trimmed().isEmpty())
        base = QStringLiteral("导出");
    base += QLatin1Char('_') + now.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    const QDir dir(folder);
    QString name = dir.filePath(base + QStringLiteral(".xlsx"));
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = dir.filePath(QStringLiteral("%1(%2).xlsx").arg(base).arg(n));
    return name;
}

} // namespace GridExport
