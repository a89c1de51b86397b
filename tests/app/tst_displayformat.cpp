// The display-format engine: cells, footers and the spreadsheet formats.

#include "app/DisplayFormat.h"

#include <QTest>

class TstDisplayFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cells_data();
    void cells();
    void spreadsheetFormats_data();
    void spreadsheetFormats();
};

void TstDisplayFormat::cells_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    const QString entry = QStringLiteral("￥,0.00##;-￥,0.00##");
    const QString stats = QStringLiteral("￥,0.00;-￥,0.00");
    QTest::newRow("money, two decimals kept") << QVariant(1234.5) << entry << QStringLiteral("￥1,234.50");
    QTest::newRow("money, up to four decimals") << QVariant(0.12345) << entry << QStringLiteral("￥0.1235");
    QTest::newRow("money, optional decimals dropped") << QVariant(7.1230) << entry << QStringLiteral("￥7.123");
    QTest::newRow("money, negative section") << QVariant(-1234567.891) << entry << QStringLiteral("-￥1,234,567.891");
    QTest::newRow("statistics money") << QVariant(1234567.891) << stats << QStringLiteral("￥1,234,567.89");
    QTest::newRow("statistics money, half rounds away") << QVariant(2.675) << stats << QStringLiteral("￥2.68");
    QTest::newRow("statistics money, negative") << QVariant(-0.005) << stats << QStringLiteral("-￥0.01");
    QTest::newRow("negative that rounds to zero") << QVariant(-0.004) << stats << QStringLiteral("￥0.00");
    QTest::newRow("zero") << QVariant(0) << stats << QStringLiteral("￥0.00");
    QTest::newRow("carry into a new digit") << QVariant(999.995) << stats << QStringLiteral("￥1,000.00");
    QTest::newRow("quantity") << QVariant(12) << QStringLiteral("0.00") << QStringLiteral("12.00");
    QTest::newRow("quantity, negative, one section") << QVariant(-3.456) << QStringLiteral("0.00") << QStringLiteral("-3.46");
    QTest::newRow("count") << QVariant(qlonglong(3)) << QStringLiteral("0") << QStringLiteral("3");
    QTest::newRow("hashes only") << QVariant(0.5) << QStringLiteral("#.##") << QStringLiteral(".5");
    QTest::newRow("padded integer") << QVariant(5) << QStringLiteral("000") << QStringLiteral("005");
    QTest::newRow("quoted literal and suffix") << QVariant(3.5) << QStringLiteral("0.0\"件\"") << QStringLiteral("3.5件");
    QTest::newRow("zero section") << QVariant(0.0) << QStringLiteral("0.00;-0.00;\"-\"") << QStringLiteral("-");
    QTest::newRow("large") << QVariant(1e12) << stats << QStringLiteral("￥1,000,000,000,000.00");
    QTest::newRow("number stored as text") << QVariant(QStringLiteral("12.5")) << stats << QStringLiteral("￥12.50");
    QTest::newRow("text under a number pattern") << QVariant(QStringLiteral("合计")) << stats << QStringLiteral("合计");
    QTest::newRow("null") << QVariant() << stats << QString();
    QTest::newRow("no pattern keeps the value") << QVariant(QStringLiteral("007")) << QString() << QStringLiteral("007");
    QTest::newRow("no pattern, real") << QVariant(0.1 + 0.2) << QString() << QStringLiteral("0.3");

    QTest::newRow("date") << QVariant(QStringLiteral("2026-12-07")) << QStringLiteral("yyyy-MM-dd") << QStringLiteral("2026-12-07");
    QTest::newRow("date-time") << QVariant(QStringLiteral("2026-12-07 08:05:09")) << QStringLiteral("yyyy-MM-dd hh:nn:ss")
                               << QStringLiteral("2026-12-07 08:05:09");
    QTest::newRow("chinese date") << QVariant(QDate(2026, 1, 5)) << QStringLiteral("yyyy年MM月dd日")
                                  << QStringLiteral("2026年01月05日");
    QTest::newRow("lower-case month") << QVariant(QDate(2026, 1, 5)) << QStringLiteral("yyyy年mm月dd日")
                                      << QStringLiteral("2026年01月05日");
    QTest::newRow("time, m after h is minutes") << QVariant(QDateTime(QDate(2026, 1, 5), QTime(14, 7, 3)))
                                                << QStringLiteral("hh:mm:ss") << QStringLiteral("14:07:03");
    QTest::newRow("time with n") << QVariant(QDateTime(QDate(2026, 1, 5), QTime(14, 7, 3))) << QStringLiteral("hh:nn:ss")
                                 << QStringLiteral("14:07:03");
    QTest::newRow("compact date") << QVariant(QDate(2026, 12, 7)) << QStringLiteral("yyyymmdd") << QStringLiteral("20261207");
    QTest::newRow("date of a date-time") << QVariant(QStringLiteral("2026-12-07 08:05:09")) << QStringLiteral("yyyy-MM-dd")
                                         << QStringLiteral("2026-12-07");
    QTest::newRow("not a date") << QVariant(QStringLiteral("明天")) << QStringLiteral("yyyy-MM-dd") << QStringLiteral("明天");
}

void TstDisplayFormat::cells()
{
    QFETCH(QVariant, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(DisplayFormat::formatValue(value, pattern), text);
}

void TstDisplayFormat::spreadsheetFormats_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("excel");
    QTest::newRow("none is text") << QString() << QStringLiteral("@");
    QTest::newRow("entry money") << QStringLiteral("￥,0.00##;-￥,0.00##") << QStringLiteral("\"￥\"#,##0.00##;\"-￥\"#,##0.00##");
    QTest::newRow("statistics money") << QStringLiteral("￥,0.00;-￥,0.00") << QStringLiteral("\"￥\"#,##0.00;\"-￥\"#,##0.00");
    QTest::newRow("quantity") << QStringLiteral("0.00") << QStringLiteral("0.00");
    QTest::newRow("count") << QStringLiteral("0") << QStringLiteral("0");
    QTest::newRow("date") << QStringLiteral("yyyy-MM-dd") << QStringLiteral("yyyy-mm-dd");
    QTest::newRow("date-time") << QStringLiteral("yyyy-MM-dd hh:nn:ss") << QStringLiteral("yyyy-mm-dd hh:mm:ss");
    QTest::newRow("chinese date") << QStringLiteral("yyyy年MM月dd日") << QStringLiteral("yyyy\"年\"mm\"月\"dd\"日\"");
}

void TstDisplayFormat::spreadsheetFormats()
{
    QFETCH(QString, pattern);
    QFETCH(QString, excel);
    QCOMPARE(DisplayFormat::spreadsheetFormat(pattern), excel);
}

QTEST_GUILESS_MAIN(TstDisplayFormat)
#include "tst_displayformat.moc"
