#include "masterdata/TDlggxXz.h"

#include "app/Prompter.h"
#include "app/TdmData.h"
#include "app/ui/DataGrid.h"
#include "app/ui/GridServices.h"
#include "masterdata/StepPicker.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString windowKey = QStringLiteral("dlggxxz");

} // namespace

TDlggxXz::TDlggxXz(QWidget *parent) : EditDialog(parent)
{
    setObjectName(QStringLiteral("DlggxXz"));
    setWindowTitle(QStringLiteral("产品选择"));
    resize(720, 460);
    auto *layout = new QVBoxLayout(this);

    auto *filters = new QGroupBox(this);
    auto *row = new QHBoxLayout(filters);
    m_code = new QLineEdit(filters);
    m_code->setObjectName(QStringLiteral("edtCode"));
    m_name = new QLineEdit(filters);
    m_name->setObjectName(QStringLiteral("edtName"));
    m_product = new QComboBox(filters);
    m_product->setObjectName(QStringLiteral("cbbtype"));
    m_product->setEditable(true);
    m_product->setInsertPolicy(QComboBox::NoInsert);
    m_product->setMinimumWidth(140);
    auto *find = new QPushButton(QStringLiteral("查询"), filters);
    find->setObjectName(QStringLiteral("BitBtn3"));
    // The filters are reached by the mouse; Tab stays with the list and the buttons.
    for (QWidget *w : std::initializer_list<QWidget *>{m_code, m_name, m_product, find})
        w->setFocusPolicy(Qt::ClickFocus);
    row->addWidget(new QLabel(QStringLiteral("工序编码："), filters));
    row->addWidget(m_code);
    row->addSpacing(6);
    row->addWidget(new QLabel(QStringLiteral("工序名称："), filters));
    row->addWidget(m_name);
    row->addSpacing(6);
    row->addWidget(new QLabel(QStringLiteral("产品名称："), filters));
    row->addWidget(m_product);
    row->addStretch();
    row->addWidget(find);
    layout->addWidget(filters);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setColumns({GridColumn::text(QStringLiteral("F_gxcode"), QStringLiteral("工序编号"), 80),
                        GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("工序名称"), 100),
                        GridColumn::text(QStringLiteral("F_goodName"), QStringLiteral("商品名称"), 100),
                        GridColumn::text(QStringLiteral("F_type"), QStringLiteral("类型"), 80),
                        GridColumn::text(QStringLiteral("F_spec"), QStringLiteral("规格"), 80),
                        GridColumn::text(QStringLiteral("F_unit"), QStringLiteral("单位"), 50),
                        GridColumn::number(QStringLiteral("F_Price"), QStringLiteral("计件单价"),
                                           QStringLiteral("￥,0.00##;-￥,0.00##"), 90),
                        GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注"), 150)});
    // The stored layout goes on before any rows: rebuilding the columns
    // later would lose the list's current row.
    LoadGridLayout(m_grid, windowKey);
    layout->addWidget(m_grid, 1);

    auto *popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *columns = popup->addAction(QStringLiteral("显示字段列表"));
    columns->setObjectName(QStringLiteral("N1"));
    QAction *keep = popup->addAction(QStringLiteral("保存当前设置"));
    keep->setObjectName(QStringLiteral("N2"));
    connect(columns, &QAction::triggered, this, [this] { ChooseVisibleColumns(m_grid); });
    connect(keep, &QAction::triggered, this, [this] {
        if (ShowMsg(QStringLiteral("真的要保存当前网格设置吗？"), MsgQuestion) == MsgOk)
            SaveGridLayout(m_grid, windowKey);
    });
    m_grid->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid->view(), &QWidget::customContextMenuRequested, this,
            [this, popup](const QPoint &at) { popup->popup(m_grid->view()->viewport()->mapToGlobal(at)); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    m_product->addItems(TdmData::instance().FillComboBox(
        QStringLiteral("select distinct F_GoodName from wg_WorkingProduct where F_GoodName <> '' order by F_GoodName")));
    m_product->setCurrentIndex(-1);
    m_product->setEditText(QString());

    connect(m_code, &QLineEdit::textChanged, this, &TDlggxXz::search);
    connect(m_name, &QLineEdit::textChanged, this, &TDlggxXz::search);
    connect(m_product, &QComboBox::currentTextChanged, this, &TDlggxXz::search);
    connect(find, &QPushButton::clicked, this, &TDlggxXz::search);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &DataGrid::rowDoubleClicked, this, &QDialog::accept);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TDlggxXz::listAll()
{
    RowSet rows;
    TdmData::instance().OpenQuery(StepPicker::openingStatement(), rows);
    m_grid->setRows(std::move(rows));
}

void TDlggxXz::search()
{
    QVariantMap params;
    const QString sql = StepPicker::searchStatement(m_code->text(), m_name->text(), m_product->currentText(), &params);
    RowSet rows;
    TdmData::instance().OpenQuery(sql, params, rows);
    m_grid->setRows(std::move(rows));
}

qint64 PickStep(qint64 stepId, QWidget *parent)
{
    TDlggxXz dialog(parent ? parent : QApplication::activeWindow());
    dialog.listAll();
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    return StepPicker::result(stepId, confirmed, dialog.grid()->rows(), dialog.grid()->currentRow());
}
