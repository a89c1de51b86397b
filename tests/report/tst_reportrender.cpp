// The report engine: templates filled from data sets, variables, functions,
// formats, page bands and page breaks.

#include "ReportTestSupport.h"

#include "app/report/ReportDocument.h"
#include "app/report/ReportPageSetup.h"
#include "app/report/ReportRenderer.h"
#include "app/report/ReportVariableScope.h"

#include <QTest>

namespace {

RowSet employees()
{
    return rowSet({QStringLiteral("F_Code"), QStringLiteral("F_Name"), QStringLiteral("F_GoodName"), QStringLiteral("F_Amount"),
                   QStringLiteral("F_Date"), QStringLiteral("F_Mem")},
                  {{QStringLiteral("001"), QStringLiteral("张三"), QStringLiteral("AB衬衫"), 1234.5, QStringLiteral("2024-03-01"), QVariant()},
                   {QStringLiteral("002"), QStringLiteral("李四<b>"), QStringLiteral("裤子"), 100.0, QStringLiteral("2024-03-31"),
                    QStringLiteral("夜班\n加班")}});
}

ReportDetail steps()
{
    // Rows of both products mixed; the link picks each product's own, in this order.
    return {rowSet({QStringLiteral("F_GoodName"), QStringLiteral("F_Name"), QStringLiteral("F_Price")},
                   {{QStringLiteral("ab衬衫"), QStringLiteral("裁剪"), 1.5},
                    {QStringLiteral("裤子"), QStringLiteral("缝纫"), 2.25},
                    {QStringLiteral("AB衬衫"), QStringLiteral("钉扣"), 0.3}}),
            QStringLiteral("F_GoodName"), QStringLiteral("f_goodname")};
}

ReportInput sampleInput()
{
    ReportInput input;
    input.master = employees();
    input.detail = steps();
    input.answerer = [](const QString &name) -> QVariant {
        if (name == QLatin1String("memoDate"))
            return QStringLiteral("统计日期：自 2024年03月01日 至 2024年03月31日");
        if (name == QLatin1String("sGZ200"))
            return QStringLiteral("基本工资");
        if (name == QLatin1String("sGZ201"))
            return QString();
        return {};
    };
    input.variables = {QStringLiteral("sGZ200"), QStringLiteral("sGZ201")};
    input.company = {{QStringLiteral("F_Code"), QStringLiteral("华兴制衣厂")}, {QStringLiteral("F_Phone"), QStringLiteral("0571-1234")}};
    input.today = QDate(2024, 4, 2);
    return input;
}

QString rendered(const QString &text, ReportInput input = sampleInput())
{
    ReportRenderer renderer(std::move(input));
    if (!renderer.render(text))
        return QStringLiteral("ERROR ") + renderer.error();
    return renderer.body();
}

// A list of n numbered slips.
RowSet slips(int n)
{
    QList<QVariantList> rows;
    for (int i = 1; i <= n; ++i)
        rows.append({QStringLiteral("员工%1").arg(i), 100.0 * i});
    return rowSet({QStringLiteral("F_Name"), QStringLiteral("F_gz115")}, rows);
}

} // namespace

class TstReportRender : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tags_data();
    void tags();
    void brokenTemplates_data();
    void brokenTemplates();
    void misspeltNamesAreReported();
    void answererIsAskedOncePerName();
    void variableScopeEndsWithTheWindow();
    void pageBreaksPutThreeSlipsOnAPage();
    void bandsCarryPageNumbers();
    void longListsRunOntoMorePages();
    void titleComesFromTheTemplate();
    void pageSetup_data();
    void pageSetup();
};

void TstReportRender::tags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fields row by row") << QStringLiteral("{{#frxDM}}[{{F_Code}} {{F_Name}}]{{/frxDM}}")
                                       << QStringLiteral("[001 张三][002 李四&lt;b&gt;]");
    QTest::newRow("field names without case") << QStringLiteral("{{#FRXDM}}{{f_code}},{{/FRXDM}}") << QStringLiteral("001,002,");
    QTest::newRow("a line break in a remark stays one") << QStringLiteral("{{#frxDM}}{{F_Mem}}|{{/frxDM}}")
                                                       << QStringLiteral("|夜班<br/>加班|");
    QTest::newRow("empty values are false in sections")
        << QStringLiteral("{{#frxDM}}{{#F_Mem}}有{{/F_Mem}}{{^F_Mem}}无{{/F_Mem}}{{/frxDM}}") << QStringLiteral("无有");
    QTest::newRow("detail rows of each master row, linked without case")
        << QStringLiteral("{{#frxDM}}{{F_GoodName}}:{{#frxDD}}{{RowNo}}{{F_Name}}{{^IsLast}},{{/IsLast}}{{/frxDD}};{{/frxDM}}")
        << QStringLiteral("AB衬衫:1裁剪,2钉扣;裤子:1缝纫;");
    QTest::newRow("detail total") << QStringLiteral("{{#frxDM}}{{Format(Sum(frxDD.F_Price), \"0.00\")}} {{Count(frxDD)}};{{/frxDM}}")
                                  << QStringLiteral("1.80 2;2.25 1;");
    QTest::newRow("master fields inside the detail") << QStringLiteral("{{#frxDM}}{{#frxDD}}{{F_Code}}{{/frxDD}}{{/frxDM}}")
                                                     << QStringLiteral("001001002");
    QTest::newRow("variable answered by the window") << QStringLiteral("{{memoDate}}")
                                                     << QStringLiteral("统计日期：自 2024年03月01日 至 2024年03月31日");
    QTest::newRow("variable in any case") << QStringLiteral("{{MEMODATE}}") << QStringLiteral("统计日期：自 2024年03月01日 至 2024年03月31日");
    QTest::newRow("wage titles shown only when the item is in the sheet")
        << QStringLiteral("{{#sGZ200}}<{{sGZ200}}>{{/sGZ200}}{{#sGZ201}}<{{sGZ201}}>{{/sGZ201}}") << QStringLiteral("<基本工资>");
    QTest::newRow("any of several titles") << QStringLiteral("{{#Any(sGZ201, sGZ200)}}有{{/Any(sGZ201, sGZ200)}}{{#Any(sGZ201)}}空{{/Any(sGZ201)}}")
                                           << QStringLiteral("有");
    QTest::newRow("MoneyMinToBig") << QStringLiteral("{{#frxDM}}{{MoneyMinToBig(F_Amount)}};{{/frxDM}}")
                                   << QStringLiteral("壹千贰佰叁拾肆元伍角零分;壹佰零拾零元整;");
    QTest::newRow("moneymintobig spelt in lower case") << QStringLiteral("{{moneymintobig(1234.5)}}")
                                                       << QStringLiteral("壹千贰佰叁拾肆元伍角零分");
    QTest::newRow("capitals of a total") << QStringLiteral("{{MoneyMinToBig(Sum(F_Amount))}}") << QStringLiteral("壹千叁佰叁拾肆元伍角零分");
    QTest::newRow("money format") << QStringLiteral("{{#frxDM}}{{Format(F_Amount, \"￥,0.00;-￥,0.00\")}} {{/frxDM}}")
                                  << QStringLiteral("￥1,234.50 ￥100.00 ");
    QTest::newRow("date format") << QStringLiteral("{{#frxDM}}{{Format(F_Date, 'yyyy年mm月dd日')}} {{/frxDM}}")
                                 << QStringLiteral("2024年03月01日 2024年03月31日 ");
    QTest::newRow("today") << QStringLiteral("{{Today}} {{Format(Today, \"yyyy年mm月dd日\")}}") << QStringLiteral("2024-04-02 2024年04月02日");
    QTest::newRow("total and count of the list") << QStringLiteral("{{Format(Sum(F_Amount), \"0.00\")}}/{{Count(frxDM)}}")
                                                  << QStringLiteral("1334.50/2");
    QTest::newRow("company information") << QStringLiteral("{{CompanyName}} {{SysInfo.F_Phone}}") << QStringLiteral("华兴制衣厂 0571-1234");
    QTest::newRow("row numbers and first and last")
        << QStringLiteral("{{#frxDM}}{{RowNo}}{{#IsFirst}}F{{/IsFirst}}{{#IsLast}}L{{/IsLast}} {{/frxDM}}") << QStringLiteral("1F 2L ");
    QTest::newRow("an empty list") << QStringLiteral("{{^frxDM}}没有记录{{/frxDM}}") << QString();
    QTest::newRow("unknown names print nothing") << QStringLiteral("[{{NoSuchThing}}]") << QStringLiteral("[]");
}

void TstReportRender::tags()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(rendered(text), expected);
}

void TstReportRender::brokenTemplates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::newRow("section not closed") << QStringLiteral("<p>\n{{#frxDM}}{{F_Code}}\n</p>")
                                        << QStringLiteral("第 2 行：区段“frxDM”没有结束标记“{{/frxDM}}”");
    QTest::newRow("end without start") << QStringLiteral("a\nb\n{{/frxDM}}") << QStringLiteral("第 3 行：结束标记“{{/frxDM}}”前面没有“{{#frxDM}}”");
    QTest::newRow("tag not closed") << QStringLiteral("{{F_Code") << QStringLiteral("第 1 行：标记“{{”没有对应的“}}”");
    QTest::newRow("unknown function") << QStringLiteral("{{Round(F_Amount)}}") << QStringLiteral("“Round(F_Amount)”：未知的函数 Round");
    QTest::newRow("missing argument") << QStringLiteral("{{Format(F_Amount)}}") << QStringLiteral("“Format(F_Amount)”：函数 Format 需要 2 个参数");
    QTest::newRow("quote not closed") << QStringLiteral("{{Format(F_Amount, \"0.00)}}") << QStringLiteral("“Format(F_Amount, \"0.00)”：引号没有闭合");
    QTest::newRow("not a number") << QStringLiteral("{{#frxDM}}{{MoneyMinToBig(F_Name)}}{{/frxDM}}")
                                  << QStringLiteral("“MoneyMinToBig(F_Name)”：MoneyMinToBig 的参数“张三”不是数字");
    QTest::newRow("header band") << QStringLiteral("{{#PageHeader}}\n{{Foo(1)}}{{/PageHeader}}x") << QStringLiteral("页眉，“Foo(1)”：未知的函数 Foo");
}

void TstReportRender::brokenTemplates()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const ReportDocument::BuildResult built = ReportDocument::build(QStringLiteral("t"), text, sampleInput());
    QVERIFY(!built.document);
    QCOMPARE(built.error, error);
}

void TstReportRender::misspeltNamesAreReported()
{
    const ReportDocument::BuildResult built = ReportDocument::build(
        QStringLiteral("t"), QStringLiteral("{{#frxDM}}{{F_Naem}}{{F_Name}}{{/frxDM}}{{memoDate}}{{sGZ201}}{{sGZ999}}"), sampleInput());
    QVERIFY(built.document);
    // Declared variables count as known even when they are empty.
    QCOMPARE(built.unknownNames, QStringList({QStringLiteral("F_Naem"), QStringLiteral("sGZ999")}));
}

void TstReportRender::answererIsAskedOncePerName()
{
    QStringList asked;
    ReportInput input = sampleInput();
    input.answerer = [&asked](const QString &name) -> QVariant {
        asked.append(name);
        return QStringLiteral("值");
    };
    input.variables = {QStringLiteral("MemCaption")};
    QCOMPARE(rendered(QStringLiteral("{{#frxDM}}{{memcaption}}{{MemCaption}}{{/frxDM}}{{memodate}}"), input), QStringLiteral("值值值值值"));
    // Asked with the spelling the window declared, once per name.
    QCOMPARE(asked, QStringList({QStringLiteral("MemCaption"), QStringLiteral("memoDate")}));
}

void TstReportRender::variableScopeEndsWithTheWindow()
{
    int calls = 0;
    ReportAnswerer kept;
    {
        ReportVariableScope outer([&calls](const QString &) -> QVariant { ++calls; return QStringLiteral("外"); });
        {
            ReportVariableScope inner([](const QString &) -> QVariant { return QStringLiteral("内"); }, {QStringLiteral("MemCaption")});
            QCOMPARE(ReportVariableScope::currentAnswerer()(QStringLiteral("memoDate")).toString(), QStringLiteral("内"));
            QCOMPARE(ReportVariableScope::currentVariables(), QStringList{QStringLiteral("MemCaption")});
        }
        kept = ReportVariableScope::currentAnswerer();
        QCOMPARE(kept(QStringLiteral("memoDate")).toString(), QStringLiteral("外"));
        QCOMPARE(calls, 1);
    }
    // Something that kept the answerer past the window's life gets nothing.
    QVERIFY(!kept(QStringLiteral("memoDate")).isValid());
    QCOMPARE(calls, 1);
    QVERIFY(!ReportVariableScope::currentAnswerer());
    QVERIFY(ReportVariableScope::currentVariables().isEmpty());
}

void TstReportRender::pageBreaksPutThreeSlipsOnAPage()
{
    ReportInput input = sampleInput();
    input.master = slips(7);
    input.detail.reset();
    const QString text = QStringLiteral(
        "{{#frxDM}}<table border=\"1\" width=\"100%\"><tr><td>工资条 {{F_Name}}</td><td>{{MoneyMinToBig(F_gz115)}}</td></tr></table>"
        "{{#PageBreakAfter(3)}}{{PageBreak}}{{/PageBreakAfter(3)}}"
        "{{^PageBreakAfter(3)}}{{^IsLast}}<p>- - - - 剪 - - - -</p>{{/IsLast}}{{/PageBreakAfter(3)}}{{/frxDM}}");
    const ReportDocument::BuildResult built = ReportDocument::build(QStringLiteral("slips"), text, input);
    QVERIFY2(built.document, qPrintable(built.error));
    const ReportDocument &doc = *built.document;
    QCOMPARE(doc.pageCount(), 3);
    const QString first = doc.pageText(0);
    QVERIFY(first.contains(QStringLiteral("员工1")) && first.contains(QStringLiteral("员工3")));
    QVERIFY(!first.contains(QStringLiteral("员工4")));
    QCOMPARE(first.count(QStringLiteral("剪")), 2); // cut lines between the slips of a page
    QVERIFY(doc.pageText(2).contains(QStringLiteral("员工7")));
    QVERIFY(doc.pageText(2).contains(QStringLiteral("柒佰零拾零元整")));
    QCOMPARE(doc.pageText(2).count(QStringLiteral("剪")), 0);
}

void TstReportRender::bandsCarryPageNumbers()
{
    ReportInput input = sampleInput();
    input.master = slips(4);
    const QString text = QStringLiteral(
        "{{#PageHeader}}<p>{{CompanyName}} {{memoDate}}</p>{{/PageHeader}}"
        "{{#frxDM}}<p>{{F_Name}}</p>{{#PageBreakAfter(2)}}{{PageBreak}}{{/PageBreakAfter(2)}}{{/frxDM}}"
        "{{#PageFooter}}<p>第 {{Page}} 页 共 {{TotalPages}} 页</p>{{/PageFooter}}");
    const ReportDocument::BuildResult built = ReportDocument::build(QStringLiteral("bands"), text, input);
    QVERIFY2(built.document, qPrintable(built.error));
    QCOMPARE(built.document->pageCount(), 2);
    for (int page = 0; page < 2; ++page) {
        const QString pageText = built.document->pageText(page);
        QVERIFY(pageText.startsWith(QStringLiteral("华兴制衣厂 统计日期：")));
        QVERIFY(pageText.trimmed().endsWith(QStringLiteral("第 %1 页 共 2 页").arg(page + 1)));
    }
    QVERIFY(built.unknownNames.isEmpty());
}

void TstReportRender::longListsRunOntoMorePages()
{
    ReportInput input = sampleInput();
    input.master = slips(150);
    const QString text = QStringLiteral(
        "<table width=\"100%\" border=\"1\"><thead><tr><th>姓名</th><th>实发</th></tr></thead>"
        "{{#frxDM}}<tr><td>{{F_Name}}</td><td>{{F_gz115}}</td></tr>{{/frxDM}}</table>");
    const ReportDocument::BuildResult built = ReportDocument::build(QStringLiteral("list"), text, input);
    QVERIFY2(built.document, qPrintable(built.error));
    const ReportDocument &doc = *built.document;
    QVERIFY(doc.pageCount() >= 3);
    QString all;
    for (int page = 0; page < doc.pageCount(); ++page)
        all += doc.pageText(page);
    // Every row on exactly one page.
    QCOMPARE(all.count(QStringLiteral("员工150\n")), 1);
    QCOMPARE(all.count(QStringLiteral("员工1\n")), 1);
}

void TstReportRender::titleComesFromTheTemplate()
{
    const auto titleOf = [](const QString &text) {
        return ReportDocument::build(QStringLiteral("frPay"), text, sampleInput()).document->title();
    };
    QCOMPARE(titleOf(QStringLiteral("<html><head><title> {{CompanyName}}工资条 </title></head><body>x</body></html>")),
             QStringLiteral("华兴制衣厂工资条"));
    QCOMPARE(titleOf(QStringLiteral("<p>x</p>")), QStringLiteral("frPay"));
}

void TstReportRender::pageSetup_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QSizeF>("paper");
    QTest::addColumn<QMarginsF>("margins");
    QTest::newRow("none") << QStringLiteral("p { color: red }") << QSizeF(210, 297) << QMarginsF(15, 15, 15, 15);
    QTest::newRow("A4 landscape") << QStringLiteral("@page { size: A4 landscape; margin: 10mm }") << QSizeF(297, 210)
                                  << QMarginsF(10, 10, 10, 10);
    QTest::newRow("A5, two margins") << QStringLiteral("@page{size:a5;margin:1cm 5mm}") << QSizeF(148, 210) << QMarginsF(5, 10, 5, 10);
    QTest::newRow("lengths, four margins") << QStringLiteral("@page { size: 241mm 140mm; margin: 1mm 2mm 3mm 4mm; }")
                                           << QSizeF(241, 140) << QMarginsF(4, 1, 2, 3);
    QTest::newRow("one margin") << QStringLiteral("@page { margin-top: 20mm }") << QSizeF(210, 297) << QMarginsF(15, 20, 15, 15);
}

void TstReportRender::pageSetup()
{
    QFETCH(QString, style);
    QFETCH(QSizeF, paper);
    QFETCH(QMarginsF, margins);
    QString rest;
    const ReportPageSetup setup = ReportPageSetup::fromStyleSheet(style, &rest);
    QCOMPARE(QSizeF(qRound(setup.paperMm.width()), qRound(setup.paperMm.height())), paper);
    QCOMPARE(setup.marginsMm, margins);
    QVERIFY(!rest.contains(QStringLiteral("@page")));
}

QTEST_MAIN(TstReportRender)
#include "tst_reportrender.moc"
