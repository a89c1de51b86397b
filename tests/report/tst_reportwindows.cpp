// The print preview and the template designer bound to their core classes.

#include "ReportTestSupport.h"

#include "support/TestProgram.h"

#include "app/report/GridPrintDocument.h"
#include "app/report/ReportDesignSession.h"
#include "app/report/ReportService.h"
#include "app/report/ReportTemplates.h"
#include "app/report/ReportVariableScope.h"
#include "app/report/ui/TfrmReportDesigner.h"
#include "app/report/ui/TfrmReportPreview.h"
#include "app/report/ui/WidgetReportViewer.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using Prompt = ScriptedPrompter::Prompt;

namespace {

GridPrintJob longGrid()
{
    GridPrintJob job;
    job.title = QStringLiteral("生产计件汇总统计列表(按员工编码)");
    job.footerText = QStringLiteral("date");
    job.columns = {{QStringLiteral("员工编号"), 80, 0}, {QStringLiteral("员工姓名"), 80, 0}, {QStringLiteral("计件金额"), 90, 2}};
    for (int r = 0; r < 160; ++r)
        job.rows.append({QStringLiteral("E%1").arg(r, 3, 10, QLatin1Char('0')), QStringLiteral("员工%1").arg(r), QStringLiteral("￥%1.00").arg(r)});
    return job;
}

const QString smallTemplate = QStringLiteral("<h1>{{memoDate}}</h1>{{#frxDM}}<p>{{F_Name}}</p>{{/frxDM}}");

} // namespace

class TstReportWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void previewNavigatesAndExports();
    void designerSavesWhatWasEdited();
    void designerKeepsTheLastGoodPreviewOfABrokenText();
    void designerAsksAboutUnsavedEditsWhenClosed();
    void programViewerShowsThePreviewModally();
};

void TstReportWindows::previewNavigatesAndExports()
{
    TestProgram program;
    const GridPrintDocument doc(longGrid(), QDate(2024, 3, 5));
    QVERIFY(doc.pageCount() >= 3);
    TfrmReportPreview window(doc);
    window.show();
    auto *page = window.findChild<QLabel *>(QStringLiteral("lblPage"));
    auto *first = window.findChild<QToolButton *>(QStringLiteral("tbFirstPage"));
    auto *next = window.findChild<QToolButton *>(QStringLiteral("tbNextPage"));
    auto *last = window.findChild<QToolButton *>(QStringLiteral("tbLastPage"));
    QVERIFY(page && first && next && last);
    const int pages = doc.pageCount();
    QCOMPARE(window.previewWidget()->pageCount(), pages);
    QCOMPARE(page->text(), QStringLiteral("第 1 / %1 页").arg(pages));
    QVERIFY(!first->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(page->text(), QStringLiteral("第 2 / %1 页").arg(pages));
    QVERIFY(first->isEnabled());
    QTest::mouseClick(last, Qt::LeftButton);
    QCOMPARE(page->text(), QStringLiteral("第 %1 / %1 页").arg(pages));
    QVERIFY(!next->isEnabled());

    for (const char *name : {"tbPrint", "tbPrinterSetup", "tbZoomIn", "tbZoomOut", "tbFitWidth", "tbFitPage", "tbPriorPage", "tbExport", "tbClose"})
        QVERIFY2(window.findChild<QToolButton *>(QString::fromLatin1(name)), name);
    QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("tbPrinterSetup")), Qt::LeftButton);
    QCOMPARE(program.prompter.prompts, QList<Prompt>({{QStringLiteral("printer-setup"), QString()}}));

    const QString pdf = program.path(QStringLiteral("汇总.pdf"));
    program.prompter.fileAnswers.enqueue(pdf);
    window.findChild<QAction *>(QStringLiteral("actExportPdf"))->trigger();
    QVERIFY(readFile(pdf).startsWith("%PDF"));
    const QString xlsx = program.path(QStringLiteral("汇总.xlsx"));
    program.prompter.fileAnswers.enqueue(xlsx);
    window.findChild<QAction *>(QStringLiteral("actExportXlsx"))->trigger();
    QVERIFY(readFile(xlsx).startsWith("PK"));
    QVERIFY(program.prompter.texts(QStringLiteral("error")).isEmpty());
}

void TstReportWindows::designerSavesWhatWasEdited()
{
    TestProgram program;
    QVERIFY(ReportTemplates::save(QStringLiteral("frList"), smallTemplate));
    ReportVariableScope variables([](const QString &) -> QVariant { return QStringLiteral("年份：2024"); });
    // Designed over a list without rows.
    ReportDesignSession session(QStringLiteral("frList"), currentReportInput(rowSet({QStringLiteral("F_Name")}, {}), std::nullopt));
    TfrmReportDesigner window(session);
    window.show();
    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("memTemplate"));
    auto *names = window.findChild<QTreeWidget *>(QStringLiteral("tvNames"));
    QVERIFY(text && names);
    QCOMPARE(text->toPlainText(), smallTemplate);
    QVERIFY(window.previewDocument());
    QCOMPARE(window.previewDocument()->pageCount(), 1);
    QCOMPARE(window.findChild<QPrintPreviewWidget *>(QStringLiteral("pvPreview"))->pageCount(), 1);

    // Double-clicking a variable puts its tag at the cursor.
    const QList<QTreeWidgetItem *> found = names->findItems(QStringLiteral("memoDate"), Qt::MatchExactly | Qt::MatchRecursive);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first()->parent()->text(0), QStringLiteral(" 自定义变量"));
    QCOMPARE(found.first()->text(1), QStringLiteral("年份：2024"));
    text->moveCursor(QTextCursor::End);
    emit names->itemDoubleClicked(found.first(), 0);
    const QString edited = smallTemplate + QStringLiteral("{{memoDate}}");
    QCOMPARE(text->toPlainText(), edited);

    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("btnSave")), Qt::LeftButton);
    QCOMPARE(QString::fromUtf8(readFile(ReportTemplates::filePath(QStringLiteral("frList")))), edited);
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("lblStatus"))->text().startsWith(QStringLiteral("已保存：")));
    // Saved: closing asks nothing.
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("btnClose")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(program.prompter.prompts.isEmpty());
}

void TstReportWindows::designerKeepsTheLastGoodPreviewOfABrokenText()
{
    TestProgram program;
    QVERIFY(ReportTemplates::save(QStringLiteral("frList"), smallTemplate));
    ReportDesignSession session(QStringLiteral("frList"), currentReportInput(rowSet({QStringLiteral("F_Name")}, {{QStringLiteral("张三")}}), std::nullopt));
    TfrmReportDesigner window(session);
    window.show();
    const PrintDocument *good = window.previewDocument();
    QVERIFY(good);
    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("memTemplate"));
    text->setPlainText(QStringLiteral("{{#frxDM}}\n{{F_Nmae}}"));
    window.refreshPreview();
    auto *status = window.findChild<QLabel *>(QStringLiteral("lblStatus"));
    QCOMPARE(status->text(), QStringLiteral("模板有错误：第 1 行：区段“frxDM”没有结束标记“{{/frxDM}}”"));
    QCOMPARE(window.previewDocument(), good);
    text->setPlainText(QStringLiteral("{{#frxDM}}{{F_Nmae}}{{/frxDM}}"));
    window.refreshPreview();
    QCOMPARE(status->text(), QStringLiteral("预览：共 1 页；未知的名称（打印为空）：F_Nmae"));
}

void TstReportWindows::designerAsksAboutUnsavedEditsWhenClosed()
{
    TestProgram program;
    QVERIFY(ReportTemplates::save(QStringLiteral("frList"), smallTemplate));
    ReportDesignSession session(QStringLiteral("frList"), ReportInput());
    TfrmReportDesigner window(session);
    window.show();
    window.findChild<QPlainTextEdit *>(QStringLiteral("memTemplate"))->setPlainText(QStringLiteral("<p>改</p>"));
    program.prompter.questionAnswers.enqueue(MsgCancel);
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QCOMPARE(program.prompter.prompts, QList<Prompt>({{QStringLiteral("question"), QStringLiteral("报表模板已修改，是否保存？")}}));
    QCOMPARE(QString::fromUtf8(readFile(ReportTemplates::filePath(QStringLiteral("frList")))), smallTemplate);
}

void TstReportWindows::programViewerShowsThePreviewModally()
{
    TestProgram program;
    QVERIFY(ReportTemplates::save(QStringLiteral("frList"), smallTemplate));
    WidgetReportViewer viewer;
    ReportViewer::install(&viewer);
    QString seen;
    QTimer::singleShot(0, [&seen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        seen = modal->objectName() + QLatin1Char('|') + modal->windowTitle();
        modal->close();
    });
    {
        ReportVariableScope variables([](const QString &) -> QVariant { return QStringLiteral("统计日期"); });
        QVERIFY(PrintReport(QStringLiteral("frList"), rowSet({QStringLiteral("F_Name")}, {{QStringLiteral("张三")}})));
    }
    ReportViewer::install(nullptr);
    QCOMPARE(seen, QStringLiteral("frmReportPreview|打印预览 - frList"));
}

QTEST_MAIN(TstReportWindows)
#include "tst_reportwindows.moc"
