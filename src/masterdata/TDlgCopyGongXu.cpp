#include "masterdata/TDlgCopyGongXu.h"

#include "app/Prompter.h"
#include "app/TdmData.h"
#include "app/ui/DataGrid.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString priceFormat = QStringLiteral("￥,0.00##;-￥,0.00##");

QLabel *warningLine(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
    return label;
}

} // namespace

TDlgCopyGongXu::TDlgCopyGongXu(QWidget *parent) : EditDialog(parent), m_copy(TdmData::instance())
{
    setObjectName(QStringLiteral("DlgCopyGongXu"));
    setWindowTitle(QStringLiteral("工序复制"));
    resize(700, 480);
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("请选择要复制的产品名称："), this));
    m_source = new QComboBox(this);
    m_source->setObjectName(QStringLiteral("cbbname"));
    m_source->setMinimumWidth(200);
    top->addWidget(m_source);
    top->addStretch();
    layout->addLayout(top);

    auto *captions = new QHBoxLayout;
    captions->addWidget(new QLabel(QStringLiteral("要复制的工序代码工价如下："), this));
    captions->addStretch();
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    captions->addWidget(icon);
    captions->addWidget(warningLine(QStringLiteral("工序编号不能重复"), this));
    layout->addLayout(captions);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh2"));
    m_grid->setColumns({GridColumn::text(QStringLiteral("F_gxCode"), QStringLiteral("工序编号"), 80),
                        GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("工序名称"), 120),
                        GridColumn::number(QStringLiteral("F_Price"), QStringLiteral("工价"), priceFormat, 90).withSum(),
                        GridColumn::text(QStringLiteral("F_spec"), QStringLiteral("规格"), 80),
                        GridColumn::text(QStringLiteral("F_type"), QStringLiteral("类型"), 80),
                        GridColumn::text(QStringLiteral("F_unit"), QStringLiteral("单位"), 50),
                        GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注"), 150)});
    m_grid->setShowFooter(true);
    m_grid->setEditable(true);
    // The cell under the cursor is always open for typing.
    m_grid->view()->setEditTriggers(QAbstractItemView::AllEditTriggers);
    layout->addWidget(m_grid, 1);

    auto *popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *add = popup->addAction(QStringLiteral("新增"));
    add->setObjectName(QStringLiteral("N1"));
    QAction *remove = popup->addAction(QStringLiteral("删除"));
    remove->setObjectName(QStringLiteral("N2"));
    connect(add, &QAction::triggered, this, &TDlgCopyGongXu::appendStep);
    connect(remove, &QAction::triggered, this, &TDlgCopyGongXu::deleteStep);
    m_grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid->view(), &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint &at) { popup->popup(m_grid->view()->viewport()->mapToGlobal(at)); });

    auto *hint = new QLabel(QStringLiteral("如果两个产品的工序相同或接近，可将某产品的工序复制到新产品，再在新产品中局部修改"), this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("输入新的产品名称："), this));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("edtname"));
    m_name->setMaxLength(50);
    m_name->setMinimumWidth(200);
    bottom->addWidget(m_name);
    bottom->addStretch();
    auto *copy = new QPushButton(QStringLiteral("确定复制"), this);
    copy->setObjectName(QStringLiteral("BitBtn1"));
    auto *close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    bottom->addWidget(copy);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(copy, &QPushButton::clicked, this, &TDlgCopyGongXu::copySteps);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    m_source->addItems(m_copy.sourceProducts());
    m_source->setCurrentIndex(-1);
    connect(m_source, &QComboBox::currentIndexChanged, this, &TDlgCopyGongXu::loadSource);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TDlgCopyGongXu::loadSource()
{
    RowSet rows;
    if (!m_source->currentText().trimmed().isEmpty())
        m_copy.loadSource(m_source->currentText(), rows);
    m_grid->setRows(std::move(rows));
}

void TDlgCopyGongXu::commitOpenEditor()
{
    // A value still being typed belongs to the copy as well.
    QTableView *view = m_grid->view();
    if (QWidget *editor = view->indexWidget(view->currentIndex()))
        Q_EMIT view->itemDelegate()->commitData(editor);
}

void TDlgCopyGongXu::appendStep()
{
    commitOpenEditor();
    RowSet rows = m_grid->rows();
    StepCopy::appendEmptyRow(rows);
    m_grid->setRows(std::move(rows));
    m_grid->setCurrentRow(m_grid->rowCount() - 1);
}

void TDlgCopyGongXu::deleteStep()
{
    commitOpenEditor();
    const int row = m_grid->currentRow();
    if (row < 0 || row >= m_grid->rowCount())
        return;
    if (ShowMsg(StepCopy::deleteQuestion(m_grid->rows().text(row, QStringLiteral("F_Name"))), MsgQuestion) != MsgOk)
        return;
    RowSet rows = m_grid->rows();
    rows.rows().removeAt(row);
    m_grid->setRows(std::move(rows));
    m_grid->setCurrentRow(std::min(row, m_grid->rowCount() - 1));
}

void TDlgCopyGongXu::copySteps()
{
    commitOpenEditor();
    int problem = -1;
    switch (m_copy.copy(m_grid->rows(), m_name->text(), &problem)) {
    case StepCopy::Result::EmptyName:
        m_name->setFocus();
        return;
    case StepCopy::Result::ExistingProduct:
        m_name->selectAll();
        m_name->setFocus();
        return;
    case StepCopy::Result::EmptyStepCode:
    case StepCopy::Result::DuplicateStepCode:
        m_grid->setCurrentRow(problem);
        m_grid->setFocus();
        return;
    case StepCopy::Result::NoSteps:
    case StepCopy::Result::Failed:
        return;
    case StepCopy::Result::Copied:
        break;
    }
    m_copied = m_name->text().trimmed();
    accept();
}
