#include "shell/TfrmOperGl.h"

#include "app/TdmData.h"
#include "app/ui/DataGrid.h"
#include "app/ui/PlaceForm.h"
#include "shell/ShellIcons.h"
#include "shell/TFrmLimitGl.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int bannerHeight = 64;
} // namespace

TfrmOperGl::TfrmOperGl(QWidget *parent)
    : QDialog(parent ? parent : placementOwner()), m_store(TdmData::instance())
{
    setObjectName(QStringLiteral("frmOperGl"));
    setWindowTitle(QStringLiteral("操作员权限管理"));
    // Closed with its own button only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(14, bannerHeight + 12, 14, 12);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(8);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setColumns({GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("操作员"), 180)});
    m_grid->setEditable(false);
    m_grid->view()->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumWidth(200);
    layout->addWidget(m_grid, 0, 0, 3, 1);

    auto *remarksLabel = new QLabel(QStringLiteral("其他描述："), this);
    layout->addWidget(remarksLabel, 0, 1);
    m_remarks = new QPlainTextEdit(this);
    m_remarks->setObjectName(QStringLiteral("DBMemo1"));
    m_remarks->setReadOnly(true);
    m_remarks->setMinimumWidth(200);
    layout->addWidget(m_remarks, 1, 1);
    remarksLabel->setBuddy(m_remarks);

    m_showDisabled = new QCheckBox(QStringLiteral("显示禁用操作员"), this);
    m_showDisabled->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(m_showDisabled, 2, 1);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    const QList<std::pair<const char *, const char *>> names{
        {"Button1", "新增"}, {"Button2", "修改"}, {"Button3", "删除"}, {"Button4", "关闭"}};
    QList<QPushButton *> pressed;
    for (const auto &[name, text] : names) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumSize(84, 30);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        pressed.append(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons, 0, 2, 3, 1);
    layout->setRowStretch(1, 1);

    connect(pressed.at(0), &QPushButton::clicked, this, &TfrmOperGl::addOperator);
    connect(pressed.at(1), &QPushButton::clicked, this, &TfrmOperGl::changeOperator);
    connect(pressed.at(2), &QPushButton::clicked, this, &TfrmOperGl::deleteOperator);
    connect(pressed.at(3), &QPushButton::clicked, this, &QDialog::accept);
    connect(m_showDisabled, &QCheckBox::clicked, this, &TfrmOperGl::reload);
    connect(m_grid, &DataGrid::currentRowChanged, this, &TfrmOperGl::showRemarks);
    connect(m_grid, &DataGrid::rowDoubleClicked, this, &TfrmOperGl::changeOperator);

    setFixedSize(540, 380);
    reload();
}

void TfrmOperGl::reload()
{
    RowSet rows;
    m_store.list(m_showDisabled->isChecked(), rows);
    m_grid->setRows(std::move(rows));
    if (m_grid->rowCount() > 0 && m_grid->currentRow() < 0)
        m_grid->setCurrentRow(0);
    showRemarks();
}

void TfrmOperGl::reloadAt(const QString &name)
{
    reload();
    for (int r = 0; r < m_grid->rowCount(); ++r)
        if (m_grid->rows().text(r, QStringLiteral("F_Name")).compare(name, Qt::CaseInsensitive) == 0) {
            m_grid->setCurrentRow(r);
            break;
        }
    showRemarks();
}

void TfrmOperGl::showRemarks()
{
    const int row = m_grid->currentRow();
    m_remarks->setPlainText(row >= 0 ? m_grid->rows().text(row, QStringLiteral("F_Mem")) : QString());
}

void TfrmOperGl::addOperator() { openDialog(true); }

void TfrmOperGl::changeOperator()
{
    if (!m_store.refuseChange(m_grid->rows(), m_grid->currentRow()))
        openDialog(false);
}

void TfrmOperGl::deleteOperator()
{
    if (m_store.confirmAndDelete(m_grid->rows(), m_grid->currentRow()))
        reload();
}

void TfrmOperGl::openDialog(bool adding)
{
    Operator op;
    if (!adding)
        op = Operator::fromRow(m_grid->rows(), m_grid->currentRow());
    TFrmLimitGl dialog(adding ? TFrmLimitGl::Mode::Add : TFrmLimitGl::Mode::Change, op,
                       [this](const QString &name) { reloadAt(name); }, this);
    dialog.openModal();
}

void TfrmOperGl::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    ShellIcons::paintBanner(p, QRect(0, 0, width(), bannerHeight), QStringLiteral("操作员权限管理"),
                            QStringLiteral("新增、修改和删除操作员，设置每个操作员可以使用的功能"));
}

void TfrmOperGl::closeEvent(QCloseEvent *event)
{
    // The title bar's close (and Alt+F4) does nothing: "关闭" closes the list.
    if (event->spontaneous())
        event->ignore();
    else
        QDialog::closeEvent(event);
}
