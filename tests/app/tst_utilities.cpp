// Password scrambling, capital numerals, window placement and money rounding.

#include "app/ChineseCapitals.h"
#include "app/FormPlacement.h"
#include "app/Money.h"
#include "app/PasswordScrambler.h"

#include <QTest>

class TstUtilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passwordRoundTrip_data();
    void passwordRoundTrip();
    void passwordLayout();
    void fillersNeverUseTheLastTableEntry();
    void decodeOfForeignValues_data();
    void decodeOfForeignValues();
    void capitals_data();
    void capitals();
    void placement_data();
    void placement();
    void moneyRounding_data();
    void moneyRounding();
};

void TstUtilities::passwordRoundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::newRow("empty") << QString();
    QTest::newRow("letters") << QStringLiteral("abc");
    QTest::newRow("case and digits") << QStringLiteral("Admin2024");
    QTest::newRow("blanks count") << QStringLiteral(" pass word ");
    QTest::newRow("quote and symbols") << QStringLiteral("it's~\"#%");
    QTest::newRow("chinese") << QStringLiteral("张三丰");
    QTest::newRow("mixed") << QStringLiteral("工资2024abc");
}

void TstUtilities::passwordRoundTrip()
{
    QFETCH(QString, plain);
    const QString stored = EncodePassword(plain);
    QCOMPARE(DecodePassword(stored), plain);
    // Two bytes per Chinese character in GBK, two hex digits per byte, one
    // filler before each digit and one at the end.
    const qsizetype bytes = toGbk(plain).size();
    QCOMPARE(stored.size(), plain.isEmpty() ? 0 : 4 * bytes + 1);
}

void TstUtilities::passwordLayout()
{
    // abc -> 616263 -> reversed 362616 at the even positions.
    const QString stored = EncodePassword(QStringLiteral("abc"));
    QCOMPARE(stored.size(), 13);
    QString digits;
    for (int i = 1; i < stored.size(); i += 2)
        digits += stored.at(i);
    QCOMPARE(digits, QStringLiteral("362616"));
    QCOMPARE(toGbk(QStringLiteral("张")).toHex().toUpper(), QByteArray("D5C5"));
}

void TstUtilities::fillersNeverUseTheLastTableEntry()
{
    QSet<QChar> fillers;
    for (int round = 0; round < 400; ++round) {
        const QString stored = EncodePassword(QStringLiteral("x"));
        for (int i = 0; i < stored.size(); i += 2)
            fillers.insert(stored.at(i));
    }
    QVERIFY(!fillers.contains(QLatin1Char('~')));
    QVERIFY(fillers.contains(QLatin1Char('`'))); // position 1 is drawn
    QVERIFY(fillers.size() > 80);
}

void TstUtilities::decodeOfForeignValues_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("plain");
    // Even length: the last character is a digit position, not a filler.
    QTest::newRow("even length") << QStringLiteral("x1x6") << QStringLiteral("a");
    QTest::newRow("odd length") << QStringLiteral("x1x6x") << QStringLiteral("a");
    QTest::newRow("lower-case hex counts as zero") << QStringLiteral("x1xfx") << QString(QChar(0x01));
    QTest::newRow("single character") << QStringLiteral("q") << QString();
}

void TstUtilities::decodeOfForeignValues()
{
    QFETCH(QString, stored);
    QFETCH(QString, plain);
    QCOMPARE(DecodePassword(stored), plain);
}

void TstUtilities::capitals_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("text");
    QTest::newRow("1234.5") << 1234.5 << QStringLiteral("壹千贰佰叁拾肆元伍角零分");
    QTest::newRow("100") << 100.0 << QStringLiteral("壹佰零拾零元整");
    QTest::newRow("0") << 0.0 << QStringLiteral("零元整");
    QTest::newRow("-7.05 drops the sign") << -7.05 << QStringLiteral("柒元零角伍分");
    QTest::newRow("0.1") << 0.1 << QStringLiteral("零元壹角零分");
    QTest::newRow("10") << 10.0 << QStringLiteral("壹拾零元整");
    QTest::newRow("place nine is 十") << 1234567890.12
                                      << QStringLiteral("壹十贰亿叁千肆佰伍拾陆万柒千捌佰玖拾零元壹角贰分");
    QTest::newRow("ten to the twelfth repeats 千") << 1e12
                                                  << QStringLiteral("壹千零千零佰零十零亿零千零佰零拾零万零千零佰零拾零元整");
    QTest::newRow("half a fen rounds up") << 2.675 << QStringLiteral("贰元陆角捌分");
}

void TstUtilities::capitals()
{
    QFETCH(double, amount);
    QFETCH(QString, text);
    QCOMPARE(MoneyToChineseCapitals(amount), text);
}

void TstUtilities::placement_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<QRect>("expected");
    // Screen 800 or 801 wide, 600 high; the main window at (100, 50), 798 x 572.
    QTest::newRow("working window, 800 wide: top-left") << 0 << 800 << QRect(0, 0, 798, 572);
    QTest::newRow("working window, 801 wide: on the main window") << 0 << 801 << QRect(100, 50, 798, 572);
    QTest::newRow("dialog keeps its size, centred") << 1 << 800 << QRect(100 + 199, 50 + 136, 400, 300);
    QTest::newRow("main window, 800 wide: top-left") << 2 << 800 << QRect(0, 0, 798, 572);
    QTest::newRow("main window, 801 wide: centred on the screen") << 2 << 801 << QRect(1, 14, 798, 572);
}

void TstUtilities::placement()
{
    QFETCH(int, mode);
    QFETCH(int, screenWidth);
    QFETCH(QRect, expected);
    const auto placed = formPlacement(mode, QSize(400, 300), QRect(0, 0, screenWidth, 600), QRect(100, 50, 798, 572));
    QVERIFY(placed.has_value());
    QCOMPARE(*placed, expected);
    QVERIFY(!formPlacement(3, QSize(400, 300), QRect(0, 0, 1024, 768), std::nullopt));
}

void TstUtilities::moneyRounding_data()
{
    QTest::addColumn<double>("price");
    QTest::addColumn<double>("quantity");
    QTest::addColumn<qint64>("units");
    QTest::addColumn<qint64>("fenAway");
    QTest::addColumn<qint64>("fenEven");
    QTest::newRow("decimal sums land on their unit") << 0.1 + 0.2 << 1.0 << qint64(3000) << qint64(30) << qint64(30);
    QTest::newRow("rate times pieces") << 0.0125 << 3.0 << qint64(375) << qint64(4) << qint64(4);
    QTest::newRow("half fen, odd") << 0.0125 << 1.0 << qint64(125) << qint64(1) << qint64(1);
    QTest::newRow("half fen, even") << 0.0250 << 1.0 << qint64(250) << qint64(3) << qint64(2);
    QTest::newRow("negative half") << -0.0250 << 1.0 << qint64(-250) << qint64(-3) << qint64(-2);
    QTest::newRow("fractional quantity") << 1.2345 << 2.5 << qint64(30863) << qint64(309) << qint64(309);
}

void TstUtilities::moneyRounding()
{
    QFETCH(double, price);
    QFETCH(double, quantity);
    QFETCH(qint64, units);
    QFETCH(qint64, fenAway);
    QFETCH(qint64, fenEven);
    const Money total = Money::fromDouble(price).times(quantity);
    QCOMPARE(qint64(total.units()), units);
    QCOMPARE(qint64(total.fen()), fenAway);
    QCOMPARE(qint64(total.fen(Money::Rounding::HalfEven)), fenEven);
}

QTEST_GUILESS_MAIN(TstUtilities)
#include "tst_utilities.moc"
