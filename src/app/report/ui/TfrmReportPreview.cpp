#include "app/report/ui/TfrmReportPreview.h"

#include "app/Prompter.h"
#include "app/report/DocumentExporter.h"
#include "app/report/PrintDocument.h"
#include "app/report/ui/DocumentPrinter.h"
#include "app/ui/WidgetPrompter.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TfrmReportPreview::TfrmReportPreview(const PrintDocument &document, QWidget *parent)
    : QDialog(parent), m_document(document)
{
    setObjectName(QStringLiteral("frmReportPreview"));
    setWindowTitle(QStringLiteral("打印预览 - ") + document.title());
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("tbPreview"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto add = [&](const QString &name, const QString &text, QStyle::StandardPixmap icon, void (TfrmReportPreview::*slot)()) {
        QToolButton *button = addButton(name, text, int(icon), slot);
        toolBar->addWidget(button);
        return button;
    };
    QToolButton *printButton = add(QStringLiteral("tbPrint"), QStringLiteral("打印"), QStyle::SP_FileDialogContentsView, &TfrmReportPreview::print);
    printButton->setIcon(QIcon::fromTheme(QStringLiteral("document-print"), printButton->icon()));
    add(QStringLiteral("tbPrinterSetup"), QStringLiteral("打印设置"), QStyle::SP_FileDialogDetailedView, &TfrmReportPreview::printerSetup);
    toolBar->addSeparator();
    add(QStringLiteral("tbZoomIn"), QStringLiteral("放大"), QStyle::SP_ArrowUp, &TfrmReportPreview::zoomIn);
    add(QStringLiteral("tbZoomOut"), QStringLiteral("缩小"), QStyle::SP_ArrowDown, &TfrmReportPreview::zoomOut);
    add(QStringLiteral("tbFitWidth"), QStringLiteral("页宽"), QStyle::SP_ToolBarHorizontalExtensionButton, &TfrmReportPreview::fitWidth);
    add(QStringLiteral("tbFitPage"), QStringLiteral("整页"), QStyle::SP_FileIcon, &TfrmReportPreview::fitPage);
    toolBar->addSeparator();
    m_first = add(QStringLiteral("tbFirstPage"), QStringLiteral("首页"), QStyle::SP_MediaSkipBackward, &TfrmReportPreview::firstPage);
    m_prior = add(QStringLiteral("tbPriorPage"), QStringLiteral("上一页"), QStyle::SP_MediaSeekBackward, &TfrmReportPreview::priorPage);
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("lblPage"));
    m_pageLabel->setMinimumWidth(110);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    toolBar->addWidget(m_pageLabel);
    m_next = add(QStringLiteral("tbNextPage"), QStringLiteral("下一页"), QStyle::SP_MediaSeekForward, &TfrmReportPreview::nextPage);
    m_last = add(QStringLiteral("tbLastPage"), QStringLiteral("末页"), QStyle::SP_MediaSkipForward, &TfrmReportPreview::lastPage);
    toolBar->addSeparator();

    auto *exportButton = new QToolButton(this);
    exportButton->setObjectName(QStringLiteral("tbExport"));
    exportButton->setText(QStringLiteral("导出"));
    exportButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    exportButton->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    exportButton->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(exportButton);
    const struct { const char *name; const char *text; DocumentExporter::Format format; } exports[] = {
        {"actExportPdf", "PDF文件(*.pdf)...", DocumentExporter::Format::Pdf},
        {"actExportHtml", "HTML网页(*.html)...", DocumentExporter::Format::Html},
        {"actExportCsv", "CSV文本(*.csv)...", DocumentExporter::Format::Csv},
        {"actExportXlsx", "Excel工作簿(*.xlsx)...", DocumentExporter::Format::Xlsx},
        {"actExportPng", "PNG图片(*.png)...", DocumentExporter::Format::Png},
    };
    for (const auto &item : exports) {
        QAction *action = menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QString::fromLatin1(item.name));
        const int format = int(item.format);
        connect(action, &QAction::triggered, this, [this, format] { exportTo(format); });
    }
    exportButton->setMenu(menu);
    toolBar->addWidget(exportButton);
    toolBar->addSeparator();
    add(QStringLiteral("tbClose"), QStringLiteral("关闭"), QStyle::SP_DialogCloseButton, &TfrmReportPreview::reject);

    DocumentPrinter::prepare(programPrinter(), document);
    m_preview = new QPrintPreviewWidget(&programPrinter(), this);
    m_preview->setObjectName(QStringLiteral("pvPreview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter *printer) { DocumentPrinter::paint(*printer, m_document, false); });
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this, &TfrmReportPreview::showPage);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_preview, 1);

    new QShortcut(QKeySequence(QKeySequence::Print), this, this, &TfrmReportPreview::print);
    new QShortcut(QKeySequence(Qt::Key_PageDown), this, this, &TfrmReportPreview::nextPage);
    new QShortcut(QKeySequence(Qt::Key_PageUp), this, this, &TfrmReportPreview::priorPage);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), this, this, &TfrmReportPreview::firstPage);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_End), this, this, &TfrmReportPreview::lastPage);

    m_preview->fitToWidth();
    m_preview->updatePreview();
    showPage();
}

QToolButton *TfrmReportPreview::addButton(const QString &name, const QString &text, int icon, void (TfrmReportPreview::*slot)())
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(style()->standardIcon(QStyle::StandardPixmap(icon)));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    connect(button, &QToolButton::clicked, this, slot);
    return button;
}

void TfrmReportPreview::print()
{
    if (!DocumentPrinter::paint(programPrinter(), m_document, true))
        ShowMsg(QStringLiteral("打印失败，请检查打印机设置！"), MsgError);
}

void TfrmReportPreview::printerSetup()
{
    if (Prompter::current().printerSetup())
        m_preview->updatePreview();
}

void TfrmReportPreview::zoomIn() { m_preview->zoomIn(); }
void TfrmReportPreview::zoomOut() { m_preview->zoomOut(); }
void TfrmReportPreview::fitWidth() { m_preview->fitToWidth(); }
void TfrmReportPreview::fitPage() { m_preview->fitInView(); }
void TfrmReportPreview::firstPage() { m_preview->setCurrentPage(1); showPage(); }
void TfrmReportPreview::priorPage() { m_preview->setCurrentPage(m_preview->currentPage() - 1); showPage(); }
void TfrmReportPreview::nextPage() { m_preview->setCurrentPage(m_preview->currentPage() + 1); showPage(); }
void TfrmReportPreview::lastPage() { m_preview->setCurrentPage(m_preview->pageCount()); showPage(); }

void TfrmReportPreview::showPage()
{
    const int pages = m_preview->pageCount();
    const int page = std::max(1, m_preview->currentPage());
    m_pageLabel->setText(QStringLiteral("第 %1 / %2 页").arg(page).arg(pages));
    m_first->setEnabled(page > 1);
    m_prior->setEnabled(page > 1);
    m_next->setEnabled(page < pages);
    m_last->setEnabled(page < pages);
}

void TfrmReportPreview::exportTo(int format)
{
    DocumentExporter::exportAs(m_document, DocumentExporter::Format(format));
}
