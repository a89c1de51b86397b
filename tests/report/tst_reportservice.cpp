// The printing services: PrintReport, DesignReport, PrintGrid, PeriodCaption
// and the exports of a preview.

#include "ReportTestSupport.h"

#include "support/TestProgram.h"

#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/report/DocumentExporter.h"
#include "app/report/GridPrintDocument.h"
#include "app/report/ReportDesignSession.h"
#include "app/report/ReportDocument.h"
#include "app/report/ReportService.h"
#include "app/report/ReportTemplates.h"
#include "app/report/ReportVariableScope.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <zlib.h>

using Prompt = ScriptedPrompter::Prompt;

namespace {

const QString payTemplate = QStringLiteral(
    "<html><head><style>@page { size: A5 landscape; margin: 8mm }</style></head><body>"
    "{{#PageHeader}}<p>{{CompanyName}}</p>{{/PageHeader}}"
    "<h1>{{MemCaption}}</h1>{{#frxDM}}<p>{{F_Name}} {{sGZ115}} {{Format(F_gz115, \"￥,0.00\")}} {{MoneyMinToBig(F_gz115)}}</p>{{/frxDM}}"
    "</body></html>");

RowSet pay()
{
    return rowSet({QStringLiteral("F_Code"), QStringLiteral("F_Name"), QStringLiteral("F_gz115")},
                  {{QStringLiteral("001"), QStringLiteral("张三"), 1234.5}, {QStringLiteral("002"), QStringLiteral("李四"), 88.0}});
}

GridPrintJob gridJob(int rows, int columns = 4)
{
    GridPrintJob job;
    job.title = QStringLiteral("月工资核算管理");
    job.footerText = QStringLiteral("date");
    for (int c = 0; c < columns; ++c)
        job.columns.append({QStringLiteral("栏目%1").arg(c + 1), 80, c == 0 ? 0 : 2});
    for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (int c = 0; c < columns; ++c)
            cells.append(c == 0 ? QStringLiteral("员工%1").arg(r + 1) : QStringLiteral("%1.00").arg(r * 10 + c));
        job.rows.append(cells);
    }
    job.footer = QStringList{QStringLiteral("合计")};
    return job;
}

// The text a PDF file maps its glyphs back to: the bfrange and bfchar
// entries of every ToUnicode map, as characters.
QString pdfUnicodeText(const QByteArray &pdf)
{
    QString text;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream", at)) >= 0) {
        qsizetype start = at + 6;
        if (pdf.mid(start, 2) == "\r\n")
            start += 2;
        else if (pdf.at(start) == '\n')
            start += 1;
        else {
            at = start;
            continue;
        }
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0)
            break;
        QByteArray out(1 << 20, '\0');
        uLongf length = uLongf(out.size());
        if (uncompress(reinterpret_cast<Bytef *>(out.data()), &length,
                       reinterpret_cast<const Bytef *>(pdf.constData() + start), uLong(end - start)) == Z_OK)
            out.truncate(qsizetype(length));
        else
            out = pdf.mid(start, end - start); // stored without compression
        {
            if (out.contains("begincmap")) {
                static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]{4})>"));
                for (auto it = hex.globalMatch(QString::fromLatin1(out)); it.hasNext();)
                    text += QChar(it.next().captured(1).toUShort(nullptr, 16));
            }
        }
        at = end;
    }
    return text;
}

} // namespace

class TstReportService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void printReportOverAnEmptyListShowsNothing();
    void printReportNamesAMissingOrBrokenTemplate_data();
    void printReportNamesAMissingOrBrokenTemplate();
    void printReportFillsTheTemplate();
    void designerOpensOverAnEmptyListAndSaves();
    void designerOverAMissingTemplateStartsAfresh();
    void designerAsksBeforeDroppingEdits_data();
    void designerAsksBeforeDroppingEdits();
    void periodCaption_data();
    void periodCaption();
    void gridFooterAndHeader_data();
    void gridFooterAndHeader();
    void gridFillsThePageWidth();
    void gridRunsOntoMorePages();
    void exports();
    void exportCancelledOrUnwritable();

private:
    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<RecordingViewer> m_viewer;
    std::unique_ptr<FixedClock> m_clock;
};

void TstReportService::init()
{
    m_program.reset(); // its prompter leaves when it goes: the next one must come after
    m_program = std::make_unique<TestProgram>();
    m_program->connect();
    m_viewer = std::make_unique<RecordingViewer>();
    m_clock = std::make_unique<FixedClock>(QDateTime(QDate(2024, 3, 5), QTime(9, 30)));
    Clock::install(m_clock.get());
}

void TstReportService::cleanup()
{
    Clock::install(nullptr);
    m_viewer.reset();
}

void TstReportService::printReportOverAnEmptyListShowsNothing()
{
    QVERIFY(ReportTemplates::save(QStringLiteral("frPay"), payTemplate));
    int asked = 0;
    ReportVariableScope variables([&asked](const QString &) -> QVariant { ++asked; return QString(); });
    QVERIFY(!PrintReport(QStringLiteral("frPay"), RowSet(pay().fields(), {})));
    // Not even a missing template is mentioned for an empty list.
    QVERIFY(!PrintReport(QStringLiteral("frNothing"), RowSet()));
    QVERIFY(m_viewer->previews.isEmpty());
    QVERIFY(m_program->prompter.prompts.isEmpty());
    QCOMPARE(asked, 0);
}

void TstReportService::printReportNamesAMissingOrBrokenTemplate_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("报表模板文件不存在：%1");
    QTest::newRow("broken") << QByteArray("<p>\n{{#frxDM}}\n") << QStringLiteral("报表模板文件有错误：%1\n第 2 行：区段“frxDM”没有结束标记“{{/frxDM}}”");
    QTest::newRow("not UTF-8") << QByteArray("\xB9\xA4\xD7\xCA{{F_Name}}") << QStringLiteral("报表模板文件无法读取（须为UTF-8编码的文本文件）：%1");
}

void TstReportService::printReportNamesAMissingOrBrokenTemplate()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    if (!content.isEmpty())
        writeFile(ReportTemplates::filePath(QStringLiteral("frPay")), content);
    QVERIFY(!PrintReport(QStringLiteral("frPay"), pay()));
    const QString path = QDir::toNativeSeparators(ReportTemplates::filePath(QStringLiteral("frPay")));
    QCOMPARE(m_program->prompter.prompts, QList<Prompt>({{QStringLiteral("error"), message.arg(path)}}));
    QVERIFY(m_viewer->previews.isEmpty());
}

void TstReportService::printReportFillsTheTemplate()
{
    QVERIFY(m_program->dm().ExecSql(QStringLiteral("update SysInfo set F_Code = :c"), {{QStringLiteral(":c"), QStringLiteral("华兴制衣厂")}}));
    QVERIFY(ReportTemplates::save(QStringLiteral("frPay"), payTemplate));
    {
        ReportVariableScope variables(
            [](const QString &name) -> QVariant {
                if (name == QLatin1String("MemCaption"))
                    return QStringLiteral("2024年03月份工资汇总表");
                if (name == QLatin1String("sGZ115"))
                    return QStringLiteral("实发工资");
                return {};
            },
            {QStringLiteral("MemCaption"), QStringLiteral("sGZ115")});
        QVERIFY(PrintReport(QStringLiteral("frPay"), pay()));
    }
    QCOMPARE(m_viewer->previews.size(), 1);
    const RecordingViewer::Preview &shown = m_viewer->previews.first();
    QCOMPARE(shown.title, QStringLiteral("frPay"));
    QVERIFY(shown.landscape);
    QCOMPARE(shown.pages, 1);
    QCOMPARE(shown.pageTexts.first(),
             QStringLiteral("华兴制衣厂\n2024年03月份工资汇总表\n张三 实发工资 ￥1,234.50 壹千贰佰叁拾肆元伍角零分\n"
                            "李四 实发工资 ￥88.00 捌拾捌元整\n"));
    QVERIFY(m_program->prompter.prompts.isEmpty());
}

void TstReportService::designerOpensOverAnEmptyListAndSaves()
{
    QVERIFY(ReportTemplates::save(QStringLiteral("frPay"), payTemplate));
    const QString edited = payTemplate + QStringLiteral("<p>签收：</p>");
    ReportVariableScope variables([](const QString &name) -> QVariant {
        return name == QLatin1String("memoDate") ? QVariant(QStringLiteral("年份：2024")) : QVariant(QStringLiteral("标题"));
    },
                                  {QStringLiteral("MemCaption"), QStringLiteral("sGZ115")});
    m_viewer->onDesign = [&](ReportDesignSession &session) {
        QCOMPARE(session.text(), payTemplate);
        QVERIFY(session.loadNote().isEmpty());
        const ReportDocument::BuildResult built = session.build();
        QVERIFY2(built.document, qPrintable(built.error));
        QCOMPARE(built.document->pageCount(), 1);
        const QList<ReportDesignSession::Category> categories = session.categories();
        QCOMPARE(categories.at(0).title, QStringLiteral("frxDM"));
        QCOMPARE(categories.at(0).names.size(), 3);
        QCOMPARE(categories.at(0).names.at(2).name, QStringLiteral("F_gz115"));
        QCOMPARE(categories.at(1).title, QStringLiteral(" 自定义变量"));
        QStringList names;
        for (const auto &name : categories.at(1).names)
            names.append(name.name + QLatin1Char('=') + name.value);
        QCOMPARE(names, QStringList({QStringLiteral("memoDate=年份：2024"), QStringLiteral("MemCaption=标题"), QStringLiteral("sGZ115=标题")}));
        session.setText(edited);
        QVERIFY(session.isModified());
        QVERIFY(session.save());
        QVERIFY(!session.isModified());
    };
    DesignReport(QStringLiteral("frPay"), RowSet(pay().fields(), {}));
    QCOMPARE(m_viewer->designs, 1);
    QCOMPARE(QString::fromUtf8(readFile(ReportTemplates::filePath(QStringLiteral("frPay")))), edited);
    QVERIFY(m_program->prompter.prompts.isEmpty());
}

void TstReportService::designerOverAMissingTemplateStartsAfresh()
{
    m_viewer->onDesign = [](ReportDesignSession &session) {
        QCOMPARE(session.text(), ReportTemplates::starterText());
        QVERIFY(session.loadNote().startsWith(QStringLiteral("模板文件不存在，保存后新建：")));
        QVERIFY(session.build().document);
        QVERIFY(session.save());
    };
    DesignReport(QStringLiteral("frNew"), pay());
    QCOMPARE(QString::fromUtf8(readFile(ReportTemplates::filePath(QStringLiteral("frNew")))), ReportTemplates::starterText());
}

void TstReportService::designerAsksBeforeDroppingEdits_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("OK saves") << int(MsgOk) << true;
    QTest::newRow("Cancel drops") << int(MsgCancel) << false;
}

void TstReportService::designerAsksBeforeDroppingEdits()
{
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QVERIFY(ReportTemplates::save(QStringLiteral("frPay"), payTemplate));
    ReportDesignSession session(QStringLiteral("frPay"), ReportInput());
    QVERIFY(session.confirmClose()); // nothing edited: nothing asked
    QVERIFY(m_program->prompter.prompts.isEmpty());
    session.setText(QStringLiteral("<p>新</p>"));
    m_program->prompter.questionAnswers.enqueue(answer);
    QVERIFY(session.confirmClose());
    QCOMPARE(m_program->prompter.prompts, QList<Prompt>({{QStringLiteral("question"), QStringLiteral("报表模板已修改，是否保存？")}}));
    QCOMPARE(QString::fromUtf8(readFile(ReportTemplates::filePath(QStringLiteral("frPay")))),
             saved ? QStringLiteral("<p>新</p>") : payTemplate);
}

void TstReportService::periodCaption_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QDate>("from"); // invalid: the picker is unticked
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("caption");
    QTest::newRow("both unticked, no title") << QString() << QDate() << QDate() << QStringLiteral("统计日期：自 启用系统 至 记帐最后一天");
    QTest::newRow("wage month") << QStringLiteral("工资") << QDate(2024, 3, 1) << QDate(2024, 3, 31)
                                << QStringLiteral("工资日期：自 2024年03月01日 至 2024年03月31日");
    QTest::newRow("blank title") << QStringLiteral("  ") << QDate(2024, 1, 5) << QDate() << QStringLiteral("统计日期：自 2024年01月05日 至 记帐最后一天");
    QTest::newRow("open start") << QString() << QDate() << QDate(2024, 12, 9) << QStringLiteral("统计日期：自 启用系统 至 2024年12月09日");
}

void TstReportService::periodCaption()
{
    QFETCH(QString, title);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, caption);
    const auto ticked = [](const QDate &d) { return d.isValid() ? std::optional<QDate>(d) : std::nullopt; };
    QCOMPARE(PeriodCaption(ticked(from), ticked(to), title), caption);
}

void TstReportService::gridFooterAndHeader_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("printedHeader");
    QTest::addColumn<QString>("printedFooter");
    QTest::newRow("print date") << QStringLiteral("统计日期：自 启用系统 至 记帐最后一天") << QStringLiteral("date")
                                << QStringLiteral("统计日期：自 启用系统 至 记帐最后一天") << QStringLiteral("打印日期：2024年03月05日");
    QTest::newRow("own footer text") << QString() << QStringLiteral("制表：张三") << QString() << QStringLiteral("制表：张三");
    QTest::newRow("Date is not date") << QString() << QStringLiteral("Date") << QString() << QStringLiteral("Date");
    QTest::newRow("blank means none") << QStringLiteral("   ") << QStringLiteral(" ") << QString() << QString();
}

void TstReportService::gridFooterAndHeader()
{
    QFETCH(QString, header);
    QFETCH(QString, footer);
    QFETCH(QString, printedHeader);
    QFETCH(QString, printedFooter);
    // A print with a header and footer first: nothing of it may carry over.
    GridPrintJob earlier = gridJob(3);
    earlier.headerText = QStringLiteral("上一个窗口的期间");
    earlier.footerText = QStringLiteral("上一个窗口的页脚");
    PrintGrid(earlier);

    GridPrintJob job = gridJob(3);
    job.headerText = header;
    job.footerText = footer;
    PrintGrid(job);
    QCOMPARE(m_viewer->previews.size(), 2);
    const QString html = m_viewer->previews.last().html;
    QVERIFY(!html.contains(QStringLiteral("上一个窗口")));
    const GridPrintDocument doc(job, Clock::current().today());
    QCOMPARE(doc.pageHeaderText(), printedHeader);
    QCOMPARE(doc.pageFooterText(), printedFooter);
    if (!printedFooter.isEmpty())
        QVERIFY(html.contains(printedFooter));
}

void TstReportService::gridFillsThePageWidth()
{
    // Four narrow columns stay on an upright page; thirty do not.
    PrintGrid(gridJob(5, 4));
    PrintGrid(gridJob(5, 30));
    QCOMPARE(m_viewer->previews.size(), 2);
    QVERIFY(!m_viewer->previews.at(0).landscape);
    QVERIFY(m_viewer->previews.at(1).landscape);
    QCOMPARE(m_viewer->previews.at(1).pages, 1);
}

void TstReportService::gridRunsOntoMorePages()
{
    const GridPrintDocument doc(gridJob(120), QDate(2024, 3, 5));
    QVERIFY(doc.pageCount() >= 3);
    int rows = 0;
    for (int page = 0; page < doc.pageCount(); ++page) {
        QVERIFY(doc.rowsOnPage(page) > 0 || page == doc.pageCount() - 1);
        rows += doc.rowsOnPage(page);
    }
    QCOMPARE(rows, 120);
    QCOMPARE(doc.pageNumberText(1), QStringLiteral("第 2 页 共 %1 页").arg(doc.pageCount()));
}

void TstReportService::exports()
{
    QVERIFY(ReportTemplates::save(QStringLiteral("frPay"), payTemplate));
    ReportInput input;
    input.master = pay();
    input.today = QDate(2024, 3, 5);
    const ReportDocument::BuildResult built = ReportDocument::build(QStringLiteral("frPay"), payTemplate, input);
    QVERIFY(built.document);
    const ReportDocument &doc = *built.document;
    const QString base = m_program->path(QStringLiteral("out/工资条"));
    QDir().mkpath(m_program->path(QStringLiteral("out")));

    // The suffix is added when the name comes without one.
    for (const QString &name : {base, base + QStringLiteral(".html"), base + QStringLiteral(".csv"), base + QStringLiteral(".xlsx"),
                                base + QStringLiteral(".png")})
        m_program->prompter.fileAnswers.enqueue(name);
    QString written;
    QVERIFY(DocumentExporter::exportAs(doc, DocumentExporter::Format::Pdf, &written));
    QCOMPARE(written, base + QStringLiteral(".pdf"));
    QCOMPARE(m_program->prompter.fileRequests.first().fileName, QStringLiteral("frPay.pdf"));
    const QByteArray pdf = readFile(written);
    QVERIFY(pdf.startsWith("%PDF"));
    // Searchable: the fonts map their glyphs back to the Chinese text.
    const QString mapped = pdfUnicodeText(pdf);
    for (const QChar c : QStringLiteral("张三李四壹千贰佰叁拾肆元伍角零分捌整"))
        QVERIFY2(mapped.contains(c), qPrintable(QString(c)));

    QVERIFY(DocumentExporter::exportAs(doc, DocumentExporter::Format::Html));
    const QString html = QString::fromUtf8(readFile(base + QStringLiteral(".html")));
    QVERIFY(html.contains(QStringLiteral("壹千贰佰叁拾肆元伍角零分")));
    QVERIFY(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));

    QVERIFY(DocumentExporter::exportAs(doc, DocumentExporter::Format::Csv));
    QCOMPARE(readFile(base + QStringLiteral(".csv")),
             QByteArray("\xEF\xBB\xBF") + QStringLiteral("F_Code,F_Name,F_gz115\r\n001,张三,1234.5\r\n002,李四,88\r\n").toUtf8());

    QVERIFY(DocumentExporter::exportAs(doc, DocumentExporter::Format::Xlsx));
    QVERIFY(readFile(base + QStringLiteral(".xlsx")).startsWith("PK"));

    QVERIFY(DocumentExporter::exportAs(doc, DocumentExporter::Format::Png));
    QImage page(base + QStringLiteral(".png"));
    QVERIFY(!page.isNull());
    QVERIFY(page.width() > page.height()); // A5 across
    QVERIFY(m_program->prompter.texts(QStringLiteral("error")).isEmpty());

    // Several pages give one picture each.
    const GridPrintDocument grid(gridJob(120), QDate(2024, 3, 5));
    const QStringList pictures = DocumentExporter::writePng(grid, m_program->path(QStringLiteral("out/grid.png")), 50);
    QCOMPARE(pictures.size(), grid.pageCount());
    QCOMPARE(pictures.last(), m_program->path(QStringLiteral("out/grid_%1.png").arg(grid.pageCount())));
}

void TstReportService::exportCancelledOrUnwritable()
{
    const GridPrintDocument grid(gridJob(3), QDate(2024, 3, 5));
    QString written = QStringLiteral("x");
    QVERIFY(DocumentExporter::exportAs(grid, DocumentExporter::Format::Csv, &written)); // cancelled
    QVERIFY(written.isEmpty());
    QCOMPARE(m_program->prompter.texts(QStringLiteral("error")), QStringList());

    const QString nowhere = m_program->path(QStringLiteral("no/such/folder/x.pdf"));
    for (const auto format : {DocumentExporter::Format::Pdf, DocumentExporter::Format::Xlsx}) {
        m_program->prompter.clear();
        m_program->prompter.fileAnswers.enqueue(nowhere);
        QVERIFY(!DocumentExporter::exportAs(grid, format));
        QCOMPARE(m_program->prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("导出失败，无法写入文件：") + nowhere});
    }
}

QTEST_MAIN(TstReportService)
#include "tst_reportservice.moc"
