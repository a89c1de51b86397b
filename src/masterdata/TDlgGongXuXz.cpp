#include "masterdata/TDlgGongXuXz.h"

#include "app/TdmData.h"
#include "app/ui/DataGrid.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox *filterList(const QString &name, const QStringList &values, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(130);
    box->addItems(values);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    return box;
}

} // namespace

TDlgGongXuXz::TDlgGongXuXz(std::function<void(const QString &)> added, QWidget *parent)
    : EditDialog(parent), m_assistant(TdmData::instance()), m_added(std::move(added))
{
    setObjectName(QStringLiteral("DlgGongXuXz"));
    setWindowTitle(QStringLiteral("工序选择"));
    resize(720, 460);
    // Every opening starts with no step added.
    m_assistant.start();

    auto *layout = new QVBoxLayout(this);
    auto *filters = new QGroupBox(this);
    auto *row = new QHBoxLayout(filters);
    m_code = new QLineEdit(filters);
    m_code->setObjectName(QStringLiteral("edtcode"));
    m_code->setMinimumWidth(100);
    m_product = filterList(QStringLiteral("cbbname"), m_assistant.productNames(), filters);
    m_type = filterList(QStringLiteral("cbbtype"), m_assistant.types(), filters);
    auto *find = new QPushButton(QStringLiteral("查询"), filters);
    find->setObjectName(QStringLiteral("BitBtn3"));
    row->addWidget(new QLabel(QStringLiteral("工序编号："), filters));
    row->addWidget(m_code);
    row->addSpacing(6);
    row->addWidget(new QLabel(QStringLiteral("产品名称："), filters));
    row->addWidget(m_product);
    row->addSpacing(6);
    row->addWidget(new QLabel(QStringLiteral("类型："), filters));
    row->addWidget(m_type);
    row->addStretch();
    row->addWidget(find);
    layout->addWidget(filters);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setColumns({GridColumn::text(QStringLiteral("F_gxcode"), QStringLiteral("工序编号"), 80),
                        GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("工序名称"), 110),
                        GridColumn::number(QStringLiteral("F_Price"), QStringLiteral("工价"),
                                           QStringLiteral("￥,0.00##;-￥,0.00##"), 90)
                            .withSum(),
                        GridColumn::text(QStringLiteral("F_goodName"), QStringLiteral("产品名称"), 110),
                        GridColumn::text(QStringLiteral("F_spec"), QStringLiteral("规格"), 70),
                        GridColumn::text(QStringLiteral("F_type"), QStringLiteral("类型"), 70),
                        GridColumn::text(QStringLiteral("F_unit"), QStringLiteral("单位"), 50),
                        GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注"), 110)});
    m_grid->setShowFooter(true);
    layout->addWidget(m_grid, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("指定生成工序的产品名称："), this));
    m_target = new QLineEdit(this);
    m_target->setObjectName(QStringLiteral("edtname"));
    m_target->setMaxLength(50);
    m_target->setMinimumWidth(200);
    bottom->addWidget(m_target);
    bottom->addStretch();
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);

    // The list stays empty until a filter changes or 查询 is pressed.
    connect(m_code, &QLineEdit::textChanged, this, &TDlgGongXuXz::runQuery);
    connect(m_product, &QComboBox::currentTextChanged, this, &TDlgGongXuXz::runQuery);
    connect(m_type, &QComboBox::currentTextChanged, this, &TDlgGongXuXz::runQuery);
    connect(find, &QPushButton::clicked, this, &TDlgGongXuXz::runQuery);
    connect(ok, &QPushButton::clicked, this, &TDlgGongXuXz::addSelected);
    connect(m_grid, &DataGrid::rowDoubleClicked, this, &TDlgGongXuXz::addSelected);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TDlgGongXuXz::runQuery()
{
    RowSet rows;
    m_assistant.list(m_code->text(), m_product->currentText(), m_type->currentText(), rows);
    m_grid->setRows(std::move(rows));
}

void TDlgGongXuXz::addSelected()
{
    const int row = m_grid->currentRow();
    if (row < 0 || row >= m_grid->rowCount())
        return;
    const qint64 source = m_grid->rows().value(row, QStringLiteral("F_ID")).toLongLong();
    const StepAssistant::Result result = m_assistant.add(source, m_target->text());
    if (result == StepAssistant::Result::EmptyTarget) {
        m_target->setFocus();
        return;
    }
    // Go on from the row after the one just added.
    const int next = row + 1 < m_grid->rowCount() ? row + 1 : row;
    const qint64 nextId = m_grid->rows().value(next, QStringLiteral("F_ID")).toLongLong();
    runQuery();
    for (int r = 0; r < m_grid->rowCount(); ++r)
        if (m_grid->rows().value(r, QStringLiteral("F_ID")).toLongLong() == nextId) {
            m_grid->setCurrentRow(r);
            break;
        }
    if (m_added)
        m_added(m_target->text().trimmed());
}
