// The templates delivered with the program, each printed over the rows and
// variables its window provides.

#include "DeliveredSamples.h"
#include "ReportTestSupport.h"

#include "support/TestProgram.h"

#include "app/Clock.h"
#include "app/report/ReportDesignSession.h"
#include "app/report/ReportDocument.h"
#include "app/report/ReportService.h"
#include "app/report/ReportTemplates.h"
#include "app/report/ReportVariableScope.h"

#include <QDir>
#include <QTest>

class TstDeliveredTemplates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void everyTemplateIsDelivered();
    void printsOverItsWindowsRows_data();
    void printsOverItsWindowsRows();
    void payslipsThreeToAPage();
    void designerOpensEveryTemplateOverAnEmptyList_data();
    void designerOpensEveryTemplateOverAnEmptyList();

private:
    // One program folder for all: the templates only read what it holds.
    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<FixedClock> m_clock;
};

void TstDeliveredTemplates::initTestCase()
{
    m_program = std::make_unique<TestProgram>();
    DeliveredSamples::insertRows(m_program->connect());
    installDeliveredTemplates(*m_program);
    m_clock = std::make_unique<FixedClock>(QDateTime(QDate(2024, 4, 2), QTime(10, 0)));
    Clock::install(m_clock.get());
}

void TstDeliveredTemplates::cleanupTestCase()
{
    Clock::install(nullptr);
    m_program.reset();
}

void TstDeliveredTemplates::init() { m_program->prompter.clear(); }

void TstDeliveredTemplates::everyTemplateIsDelivered()
{
    QStringList files = QDir(QStringLiteral(VARNEL_DELIVERED_REPORTS)).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (QString &file : files)
        file.chop(5);
    QStringList names = ReportTemplates::deliveredNames();
    files.sort();
    names.sort();
    QCOMPARE(files, names);
}

void TstDeliveredTemplates::printsOverItsWindowsRows_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : ReportTemplates::deliveredNames())
        QTest::newRow(qPrintable(name)) << name;
}

void TstDeliveredTemplates::printsOverItsWindowsRows()
{
    QFETCH(QString, name);
    TdmData &dm = m_program->dm();
    RecordingViewer viewer;

    const DeliveredSamples::WindowPrint print = DeliveredSamples::printFor(dm, name);
    QVERIFY(!print.master.isEmpty());
    ReportVariableScope variables(print.answerer, print.variables);

    // Every name in the template is a column of the window's rows, a variable
    // of the window or a built-in one: a misspelt field would print nothing.
    QString text;
    QCOMPARE(ReportTemplates::load(name, &text), ReportTemplates::LoadResult::Loaded);
    const ReportDocument::BuildResult built = ReportDocument::build(name, text, currentReportInput(print.master, print.detail));
    QVERIFY2(built.document, qPrintable(built.error));
    QCOMPARE(built.unknownNames, QStringList());

    const bool shown = print.detail ? PrintReport(name, print.master, *print.detail) : PrintReport(name, print.master);
    QVERIFY(shown);
    QCOMPARE(m_program->prompter.prompts, QList<ScriptedPrompter::Prompt>());
    QCOMPARE(viewer.previews.size(), 1);
    const QString printed = viewer.previews.first().pageTexts.join(QLatin1Char('\n'));
    for (const QString &expected : print.expectedTexts)
        QVERIFY2(printed.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + printed));
}

void TstDeliveredTemplates::payslipsThreeToAPage()
{
    TdmData &dm = m_program->dm();
    RecordingViewer viewer;
    const DeliveredSamples::WindowPrint print = DeliveredSamples::printFor(dm, QStringLiteral("frMonthWageGL1"));
    ReportVariableScope variables(print.answerer, print.variables);
    QVERIFY(PrintReport(QStringLiteral("frMonthWageGL1"), print.master));
    const RecordingViewer::Preview &shown = viewer.previews.first();
    QCOMPARE(shown.pages, 2); // four employees
    QCOMPARE(shown.pageTexts.at(0).count(QStringLiteral("工 资 条")), 3);
    QCOMPARE(shown.pageTexts.at(0).count(QStringLiteral("沿此线剪开")), 2);
    QCOMPARE(shown.pageTexts.at(1).count(QStringLiteral("工 资 条")), 1);
    QVERIFY(shown.pageTexts.at(1).contains(QStringLiteral("赵六")));
    // Only the items the month shows: 出勤日 is disabled in the delivered item
    // set; 实发工资 is too, yet the net pay line is always there.
    QVERIFY(!shown.pageTexts.at(0).contains(QStringLiteral("出勤日")));
    QVERIFY(shown.pageTexts.at(0).contains(QStringLiteral("加班工资")));
    QCOMPARE(shown.pageTexts.at(0).count(QStringLiteral("实发工资：")), 3);
    QVERIFY(shown.pageTexts.at(0).contains(QStringLiteral("壹千叁佰玖拾零元整")));
}

void TstDeliveredTemplates::designerOpensEveryTemplateOverAnEmptyList_data() { printsOverItsWindowsRows_data(); }

void TstDeliveredTemplates::designerOpensEveryTemplateOverAnEmptyList()
{
    QFETCH(QString, name);
    RecordingViewer viewer;
    DeliveredSamples::WindowPrint print = DeliveredSamples::printFor(m_program->dm(), name);
    // The window's columns, without rows.
    print.master = RowSet(print.master.fields(), {});
    if (print.detail)
        print.detail->rows = RowSet(print.detail->rows.fields(), {});
    ReportVariableScope variables(print.answerer, print.variables);
    int pages = 0;
    viewer.onDesign = [&](ReportDesignSession &session) {
        const ReportDocument::BuildResult built = session.build();
        QVERIFY2(built.document, qPrintable(built.error));
        pages = built.document->pageCount();
    };
    if (print.detail)
        DesignReport(name, print.master, *print.detail);
    else
        DesignReport(name, print.master);
    QCOMPARE(viewer.designs, 1);
    QCOMPARE(pages, 1);
}

QTEST_MAIN(TstDeliveredTemplates)
#include "tst_deliveredtemplates.moc"
