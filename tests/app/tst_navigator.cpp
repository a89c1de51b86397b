// Record navigation: which buttons are grey after a series of presses.

#include "app/RecordNavigator.h"

#include <QTest>

class TstNavigator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void presses_data();
    void presses();
    void movingInTheGridKeepsTheButtons();
};

void TstNavigator::presses_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("presses"); // F first, P prior, N next, L last
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("enabled");  // of first, prior, next, last: 1 or 0

    QTest::newRow("opened") << 3 << "" << 0 << "1111";
    QTest::newRow("prior on the first row stays enabled") << 3 << "P" << 0 << "1111";
    QTest::newRow("a second prior greys first and prior") << 3 << "PP" << 0 << "0011";
    QTest::newRow("first greys first and prior") << 3 << "F" << 0 << "0011";
    QTest::newRow("next after first enables them again") << 3 << "FN" << 1 << "1111";
    QTest::newRow("last greys next and last") << 3 << "L" << 2 << "1100";
    QTest::newRow("walking to the end") << 3 << "NN" << 2 << "1111";
    QTest::newRow("one step past the end") << 3 << "NNN" << 2 << "1111";
    QTest::newRow("the press after the end") << 3 << "NNNN" << 2 << "1100";
    QTest::newRow("prior after the greyed end") << 3 << "NNNNP" << 1 << "1111";
    QTest::newRow("empty list, prior twice") << 0 << "PP" << -1 << "0011";
    QTest::newRow("empty list, next once") << 0 << "N" << -1 << "1100";
    QTest::newRow("single row, last then prior") << 1 << "LP" << 0 << "1111";
}

void TstNavigator::presses()
{
    QFETCH(int, rows);
    QFETCH(QString, presses);
    QFETCH(int, current);
    QFETCH(QString, enabled);
    RecordNavigator nav;
    nav.reset(rows);
    for (const QChar press : presses) {
        switch (press.toLatin1()) {
        case 'F': nav.first(); break;
        case 'P': nav.prior(); break;
        case 'N': nav.next(); break;
        case 'L': nav.last(); break;
        }
    }
    QCOMPARE(nav.current(), current);
    const QString state = QString::number(nav.firstEnabled()) + QString::number(nav.priorEnabled())
        + QString::number(nav.nextEnabled()) + QString::number(nav.lastEnabled());
    QCOMPARE(state, enabled);
}

void TstNavigator::movingInTheGridKeepsTheButtons()
{
    RecordNavigator nav;
    nav.reset(5);
    nav.first();
    nav.setCurrent(3); // the user clicked a row
    QVERIFY(!nav.firstEnabled());
    QVERIFY(!nav.priorEnabled());
    nav.prior();
    QCOMPARE(nav.current(), 2);
    QVERIFY(!nav.firstEnabled()); // prior never enables first and prior
    nav.next();
    QVERIFY(nav.firstEnabled());
}

QTEST_GUILESS_MAIN(TstNavigator)
#include "tst_navigator.moc"
