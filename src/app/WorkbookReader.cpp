#include "app/WorkbookReader.h"

#include <QHash>
#include <QXmlStreamReader>
#include <QFile>
#include <unzip.h>

namespace {

// One member of the workbook's zip archive, through the same zip library the
// workbook writer uses (a second zip library in the program clashes with it).
QByteArray entry(const QString &zipPath, const QString &name, bool *found = nullptr)
{
    if (found)
        *found = false;
    unzFile zip = unzOpen64(QFile::encodeName(zipPath).constData());
    if (!zip)
        return {};
    QByteArray data;
    if (unzLocateFile(zip, name.toUtf8().constData(), 2) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char buffer[16384];
        int n = 0;
        while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0)
            data.append(buffer, n);
        if (unzCloseCurrentFile(zip) == UNZ_OK && n == 0 && found)
            *found = true;
    }
    unzClose(zip);
    return data;
}

QString builtInFormat(int id)
{
    static const QHash<int, QString> formats{{0, QStringLiteral("General")}, {1, QStringLiteral("0")},
                                             {2, QStringLiteral("0.00")},    {3, QStringLiteral("#,##0")},
                                             {4, QStringLiteral("#,##0.00")}, {9, QStringLiteral("0%")},
                                             {10, QStringLiteral("0.00%")},  {14, QStringLiteral("m/d/yyyy")},
                                             {22, QStringLiteral("m/d/yyyy h:mm")}, {49, QStringLiteral("@")}};
    return formats.value(id, QStringLiteral("General"));
}

// "AB12" -> column 27 (0-based).
int columnOf(const QString &reference)
{
    int column = 0;
    for (const QChar c : reference) {
        if (!c.isLetter())
            break;
        column = column * 26 + (c.toUpper().unicode() - 'A' + 1);
    }
    return column - 1;
}

QString plainNumber(double value) { return QString::number(value, 'g', 15); }

} // namespace

bool WorkbookReader::open(const QString &path)
{
    m_path = path;
    m_sheetNames.clear();
    m_sheetFiles.clear();
    m_sharedStrings.clear();
    m_styleFormats.clear();
    bool found = false;
    const QByteArray workbook = entry(path, QStringLiteral("xl/workbook.xml"), &found);
    if (!found) {
        m_error = QStringLiteral("不是有效的 Excel 工作簿：") + path;
        return false;
    }
    QHash<QString, QString> targets;
    QXmlStreamReader rels(entry(path, QStringLiteral("xl/_rels/workbook.xml.rels")));
    while (!rels.atEnd()) {
        rels.readNext();
        if (rels.isStartElement() && rels.name() == QStringLiteral("Relationship"))
            targets.insert(rels.attributes().value(QStringLiteral("Id")).toString(),
                           rels.attributes().value(QStringLiteral("Target")).toString());
    }
    QXmlStreamReader book(workbook);
    while (!book.atEnd()) {
        book.readNext();
        if (book.isStartElement() && book.name() == QStringLiteral("sheet")) {
            m_sheetNames.append(book.attributes().value(QStringLiteral("name")).toString());
            QString target;
            for (const QXmlStreamAttribute &a : book.attributes())
                if (a.name() == QStringLiteral("id"))
                    target = targets.value(a.value().toString());
            if (target.startsWith(QLatin1Char('/')))
                target = target.mid(1);
            else
                target = QStringLiteral("xl/") + target;
            m_sheetFiles.append(target);
        }
    }
    QXmlStreamReader strings(entry(path, QStringLiteral("xl/sharedStrings.xml")));
    QString current;
    bool inString = false;
    while (!strings.atEnd()) {
        strings.readNext();
        if (strings.isStartElement() && strings.name() == QStringLiteral("si")) {
            inString = true;
            current.clear();
        } else if (strings.isStartElement() && strings.name() == QStringLiteral("t") && inString) {
            current += strings.readElementText();
        } else if (strings.isEndElement() && strings.name() == QStringLiteral("si")) {
            m_sharedStrings.append(current);
            inString = false;
        }
    }
    QHash<int, QString> custom;
    QXmlStreamReader styles(entry(path, QStringLiteral("xl/styles.xml")));
    bool inXfs = false;
    while (!styles.atEnd()) {
        styles.readNext();
        if (styles.isStartElement() && styles.name() == QStringLiteral("numFmt")) {
            custom.insert(styles.attributes().value(QStringLiteral("numFmtId")).toInt(),
                          styles.attributes().value(QStringLiteral("formatCode")).toString());
        } else if (styles.isStartElement() && styles.name() == QStringLiteral("cellXfs")) {
            inXfs = true;
        } else if (styles.isEndElement() && styles.name() == QStringLiteral("cellXfs")) {
            inXfs = false;
        } else if (inXfs && styles.isStartElement() && styles.name() == QStringLiteral("xf")) {
            const int id = styles.attributes().value(QStringLiteral("numFmtId")).toInt();
            m_styleFormats.append(custom.contains(id) ? custom.value(id) : builtInFormat(id));
        }
    }
    return true;
}

QList<WorkbookReader::Row> WorkbookReader::rows(int sheet) const
{
    QList<Row> result;
    if (sheet < 0 || sheet >= m_sheetFiles.size())
        return result;
    QXmlStreamReader xml(entry(m_path, m_sheetFiles.at(sheet)));
    Cell cell;
    int column = -1;
    int rowNumber = -1;
    QString type;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("row")) {
            rowNumber = xml.attributes().value(QStringLiteral("r")).toInt() - 1;
            if (rowNumber < 0)
                rowNumber = int(result.size());
            while (result.size() <= rowNumber)
                result.append(Row());
        } else if (xml.isStartElement() && xml.name() == QStringLiteral("c")) {
            cell = Cell();
            column = columnOf(xml.attributes().value(QStringLiteral("r")).toString());
            type = xml.attributes().value(QStringLiteral("t")).toString();
            const int style = xml.attributes().value(QStringLiteral("s")).toInt();
            cell.numberFormat = m_styleFormats.value(style, QStringLiteral("General"));
        } else if (xml.isStartElement() && (xml.name() == QStringLiteral("v") || xml.name() == QStringLiteral("t"))) {
            const QString value = xml.readElementText();
            if (type == QStringLiteral("s")) {
                cell.type = Cell::Text;
                cell.text = m_sharedStrings.value(value.toInt());
            } else if (type == QStringLiteral("inlineStr") || type == QStringLiteral("str")) {
                cell.type = Cell::Text;
                cell.text += value;
            } else if (type == QStringLiteral("b")) {
                cell.type = Cell::Boolean;
                cell.text = value;
                cell.number = value.toDouble();
            } else {
                cell.type = Cell::Number;
                cell.number = value.toDouble();
                cell.text = plainNumber(cell.number);
            }
        } else if (xml.isEndElement() && xml.name() == QStringLiteral("c")) {
            if (column >= 0 && rowNumber >= 0) {
                Row &row = result[rowNumber];
                while (row.size() <= column)
                    row.append(Cell());
                row[column] = cell;
            }
        }
    }
    return result;
}

QList<QStringList> WorkbookReader::textRows(int sheet) const
{
    QList<QStringList> result;
    for (const Row &row : rows(sheet)) {
        QStringList texts;
        for (const Cell &cell : row)
            texts.append(cell.text);
        result.append(texts);
    }
    return result;
}
