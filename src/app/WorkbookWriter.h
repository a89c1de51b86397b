#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// An .xlsx workbook written cell by cell, each cell with its number format.
class WorkbookWriter
{
public:
    explicit WorkbookWriter(const QString &path);
    ~WorkbookWriter();
    WorkbookWriter(const WorkbookWriter &) = delete;
    WorkbookWriter &operator=(const WorkbookWriter &) = delete;

    bool isOpen() const { return m_book != nullptr; }
    // Sheet names are cut to what spreadsheets accept (31 characters, no []:*?/\).
    bool addSheet(const QString &name);

    void setColumnWidth(int column, double characters);
    void writeText(int row, int column, const QString &text, const QString &numberFormat = QStringLiteral("@"),
                   bool bold = false);
    void writeNumber(int row, int column, double value, const QString &numberFormat);
    void writeDateTime(int row, int column, const QDateTime &value, const QString &numberFormat);
    void writeBlank(int row, int column, const QString &numberFormat);

    // Writes the file; false (and errorText()) when it could not be written.
    bool close();
    const QString &errorText() const { return m_error; }

    static QString sheetNameFor(const QString &name);

private:
    lxw_format *format(const QString &numberFormat, bool bold = false);

    lxw_workbook *m_book = nullptr;
    lxw_worksheet *m_sheet = nullptr;
    QHash<QString, lxw_format *> m_formats;
    QString m_error;
};
