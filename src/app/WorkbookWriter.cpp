#include "app/WorkbookWriter.h"

#include <QFile>
#include <xlsxwriter.h>

WorkbookWriter::WorkbookWriter(const QString &path)
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    if (!m_book)
        m_error = QStringLiteral("无法创建文件：") + path;
}

WorkbookWriter::~WorkbookWriter()
{
    if (m_book)
        close();
}

QString WorkbookWriter::sheetNameFor(const QString &name)
{
    QString clean;
    for (const QChar c : name)
        if (!QStringLiteral("[]:*?/\\").contains(c))
            clean += c;
    clean = clean.trimmed().left(31);
    return clean.isEmpty() ? QStringLiteral("Sheet1") : clean;
}

bool WorkbookWriter::addSheet(const QString &name)
{
    if (!m_book)
        return false;
    m_sheet = workbook_add_worksheet(m_book, sheetNameFor(name).toUtf8().constData());
    return m_sheet != nullptr;
}

lxw_format *WorkbookWriter::format(const QString &numberFormat, bool bold)
{
    const QString key = numberFormat + (bold ? QStringLiteral("|b") : QString());
    if (lxw_format *f = m_formats.value(key))
        return f;
    lxw_format *f = workbook_add_format(m_book);
    if (!numberFormat.isEmpty())
        format_set_num_format(f, numberFormat.toUtf8().constData());
    if (bold)
        format_set_bold(f);
    m_formats.insert(key, f);
    return f;
}

void WorkbookWriter::setColumnWidth(int column, double characters)
{
    if (m_sheet)
        worksheet_set_column(m_sheet, lxw_col_t(column), lxw_col_t(column), characters, nullptr);
}

void WorkbookWriter::writeText(int row, int column, const QString &text, const QString &numberFormat, bool bold)
{
    if (m_sheet)
        worksheet_write_string(m_sheet, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(),
                               format(numberFormat, bold));
}

void WorkbookWriter::writeNumber(int row, int column, double value, const QString &numberFormat)
{
    if (m_sheet)
        worksheet_write_number(m_sheet, lxw_row_t(row), lxw_col_t(column), value, format(numberFormat));
}

void WorkbookWriter::writeDateTime(int row, int column, const QDateTime &value, const QString &numberFormat)
{
    if (!m_sheet)
        return;
    lxw_datetime dt{value.date().year(), value.date().month(), value.date().day(),
                    value.time().hour(), value.time().minute(), double(value.time().second())};
    worksheet_write_datetime(m_sheet, lxw_row_t(row), lxw_col_t(column), &dt, format(numberFormat));
}

void WorkbookWriter::writeBlank(int row, int column, const QString &numberFormat)
{
    if (m_sheet)
        worksheet_write_blank(m_sheet, lxw_row_t(row), lxw_col_t(column), format(numberFormat));
}

bool WorkbookWriter::close()
{
    if (!m_book)
        return false;
    const lxw_error rc = workbook_close(m_book);
    m_book = nullptr;
    m_sheet = nullptr;
    m_formats.clear();
    if (rc != LXW_NO_ERROR) {
        m_error = QString::fromUtf8(lxw_strerror(rc));
        return false;
    }
    return true;
}
