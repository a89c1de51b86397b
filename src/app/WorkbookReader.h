#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// Reads the cells of an .xlsx workbook: sheet names, and per sheet the rows
// of cells with their value, whether it is a number, and its number format.
class WorkbookReader
{
public:
    struct Cell
    {
        enum Type { Empty, Number, Text, Boolean };
        Type type = Empty;
        QString text;        // the value as stored (numbers in plain digits)
        double number = 0;
        QString numberFormat; // "@", "0.00", "General", ...
    };
    using Row = QList<Cell>;

    bool open(const QString &path);
    const QString &errorText() const { return m_error; }

    QStringList sheetNames() const { return m_sheetNames; }
    // Rows of a sheet, each as long as its last cell; missing cells are Empty.
    QList<Row> rows(int sheet) const;
    // The same as text: a number without trailing zeros, dates as their serial.
    QList<QStringList> textRows(int sheet) const;

private:
    QString m_path;
    QString m_error;
    QStringList m_sheetNames;
    QStringList m_sheetFiles;
    QStringList m_sharedStrings;
    QStringList m_styleFormats; // number format of each cell style
};
