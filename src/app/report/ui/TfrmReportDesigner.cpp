#include "app/report/ui/TfrmReportDesigner.h"

#include "app/report/ReportDesignSession.h"
#include "app/report/ui/DocumentPrinter.h"

#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int tagRole = Qt::UserRole + 1;
}

TfrmReportDesigner::TfrmReportDesigner(ReportDesignSession &session, QWidget *parent)
    : QDialog(parent), m_session(session), m_printer(QPrinter::ScreenResolution)
{
    setObjectName(QStringLiteral("frmReportDesigner"));
    setWindowTitle(QStringLiteral("报表设计 - ") + session.templateName());
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    m_file = new QLabel(QStringLiteral("模板文件：") + QDir::toNativeSeparators(session.filePath()), this);
    m_file->setObjectName(QStringLiteral("lblFile"));
    m_file->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("memTemplate"));
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setFamilies({mono.family(), QStringLiteral("WenQuanYi Micro Hei Mono")});
    m_text->setFont(mono);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setPlainText(session.text());

    m_names = new QTreeWidget(this);
    m_names->setObjectName(QStringLiteral("tvNames"));
    m_names->setHeaderLabels({QStringLiteral("名称（双击插入）"), QStringLiteral("当前值 / 说明")});
    m_names->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    fillNames();

    m_preview = new QPrintPreviewWidget(&m_printer, this);
    m_preview->setObjectName(QStringLiteral("pvPreview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter *printer) {
        if (m_document)
            DocumentPrinter::paint(*printer, *m_document, false);
    });

    auto *right = new QSplitter(Qt::Vertical, this);
    right->addWidget(m_names);
    right->addWidget(m_preview);
    right->setSizes({230, 470});

    auto *leftPane = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(leftPane);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(m_file);
    leftLayout->addWidget(m_text, 1);

    auto *split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("splDesigner"));
    split->addWidget(leftPane);
    split->addWidget(right);
    split->setSizes({500, 500});

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *refresh = new QPushButton(QStringLiteral("刷新预览"), this);
    refresh->setObjectName(QStringLiteral("btnRefresh"));
    auto *zoomIn = new QPushButton(QStringLiteral("放大"), this);
    zoomIn->setObjectName(QStringLiteral("btnZoomIn"));
    auto *zoomOut = new QPushButton(QStringLiteral("缩小"), this);
    zoomOut->setObjectName(QStringLiteral("btnZoomOut"));
    auto *saveButton = new QPushButton(QStringLiteral("保存"), this);
    saveButton->setObjectName(QStringLiteral("btnSave"));
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    for (QPushButton *button : {refresh, zoomIn, zoomOut, saveButton, close})
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(refresh);
    buttons->addWidget(zoomIn);
    buttons->addWidget(zoomOut);
    buttons->addSpacing(16);
    buttons->addWidget(saveButton);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(600);
    connect(m_pause, &QTimer::timeout, this, &TfrmReportDesigner::refreshPreview);
    connect(m_text, &QPlainTextEdit::textChanged, this, &TfrmReportDesigner::textEdited);
    connect(m_names, &QTreeWidget::itemDoubleClicked, this, &TfrmReportDesigner::insertName);
    connect(refresh, &QPushButton::clicked, this, &TfrmReportDesigner::refreshPreview);
    connect(zoomIn, &QPushButton::clicked, m_preview, [this] { m_preview->zoomIn(); });
    connect(zoomOut, &QPushButton::clicked, m_preview, [this] { m_preview->zoomOut(); });
    connect(saveButton, &QPushButton::clicked, this, &TfrmReportDesigner::save);
    connect(close, &QPushButton::clicked, this, &TfrmReportDesigner::reject);
    new QShortcut(QKeySequence::Save, this, this, &TfrmReportDesigner::save);

    refreshPreview();
    if (!session.loadNote().isEmpty())
        setStatus(session.loadNote(), QStringLiteral("#b06000"));
}

TfrmReportDesigner::~TfrmReportDesigner() = default;

void TfrmReportDesigner::fillNames()
{
    for (const ReportDesignSession::Category &category : m_session.categories()) {
        auto *top = new QTreeWidgetItem(m_names, {category.title});
        const bool dataSet = category.title.startsWith(QLatin1String("frx"));
        for (const ReportDesignSession::Name &name : category.names) {
            auto *item = new QTreeWidgetItem(top, {name.name, name.value});
            QString tag;
            if (name.name.startsWith(QLatin1Char('#'))) {
                const QString section = name.name.mid(1);
                tag = QStringLiteral("{{#%1}}{{/%1}}").arg(section);
            } else {
                tag = QStringLiteral("{{%1}}").arg(name.name);
            }
            item->setData(0, tagRole, tag);
        }
        if (dataSet)
            top->setData(0, tagRole, QStringLiteral("{{#%1}}\n{{/%1}}").arg(category.title));
        top->setExpanded(true);
    }
}

void TfrmReportDesigner::insertName(QTreeWidgetItem *item)
{
    const QString tag = item ? item->data(0, tagRole).toString() : QString();
    if (tag.isEmpty())
        return;
    m_text->insertPlainText(tag);
    m_text->setFocus();
}

void TfrmReportDesigner::textEdited()
{
    m_session.setText(m_text->toPlainText());
    m_pause->start();
}

void TfrmReportDesigner::refreshPreview()
{
    m_pause->stop();
    m_session.setText(m_text->toPlainText());
    ReportDocument::BuildResult built = m_session.build();
    if (!built.document) {
        // The last good preview stays while the text is being fixed.
        setStatus(QStringLiteral("模板有错误：") + built.error, QStringLiteral("#c00000"));
        return;
    }
    m_document = std::move(built.document);
    DocumentPrinter::prepare(m_printer, *m_document);
    m_preview->updatePreview();
    QString status = QStringLiteral("预览：共 %1 页").arg(m_document->pageCount());
    if (!built.unknownNames.isEmpty()) {
        status += QStringLiteral("；未知的名称（打印为空）：") + built.unknownNames.join(QStringLiteral("、"));
        setStatus(status, QStringLiteral("#b06000"));
    } else {
        setStatus(status, QString());
    }
}

void TfrmReportDesigner::save()
{
    m_session.setText(m_text->toPlainText());
    if (m_session.save())
        setStatus(QStringLiteral("已保存：") + QDir::toNativeSeparators(m_session.filePath()), QStringLiteral("#006000"));
}

void TfrmReportDesigner::done(int result)
{
    m_session.setText(m_text->toPlainText());
    if (!m_session.confirmClose())
        return; // saving failed: the edits stay on screen
    QDialog::done(result);
}

void TfrmReportDesigner::setStatus(const QString &text, const QString &colour)
{
    m_status->setText(text);
    m_status->setStyleSheet(colour.isEmpty() ? QString() : QStringLiteral("color: %1;").arg(colour));
}
