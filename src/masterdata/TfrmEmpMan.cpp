#include "masterdata/TfrmEmpMan.h"

#include "app/Prompter.h"
#include "app/TdmData.h"
#include "app/report/ReportService.h"
#include "app/ui/DataGrid.h"
#include "masterdata/TfrmEmpEdit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

WindowSpec employeeListSpec()
{
    WindowSpec spec;
    spec.caption = QStringLiteral("员工资料管理");
    spec.windowKey = QStringLiteral("empman");
    spec.sheetName = QStringLiteral("员工资料");
    spec.tools = {{Tool::New}, {Tool::Edit}, {Tool::Del}, {Tool::First}, {Tool::Prior}, {Tool::Next}, {Tool::Last},
                  {Tool::Print}, {Tool::Set, QStringLiteral("tbset")}, {Tool::Exit}};
    spec.columns = {GridColumn::text(QStringLiteral("F_Code"), QStringLiteral("编码")),
                    GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("姓名")),
                    GridColumn::text(QStringLiteral("F_Sex"), QStringLiteral("性别"), 50),
                    GridColumn::text(QStringLiteral("F_Dept"), QStringLiteral("部门")),
                    GridColumn::text(QStringLiteral("F_Duty"), QStringLiteral("职务")),
                    GridColumn::text(QStringLiteral("F_Phone"), QStringLiteral("联系电话"), 100),
                    GridColumn::text(QStringLiteral("F_bank"), QStringLiteral("工资卡号"), 120),
                    GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注信息"), 180)};
    return spec;
}

} // namespace

TfrmEmpMan::TfrmEmpMan(QWidget *parent) : WorkWindow(employeeListSpec(), parent), m_store(TdmData::instance())
{
    setObjectName(QStringLiteral("frmEmpMan"));
    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("ComboBox1"));
    m_type->addItems(EmployeeStore::queryTypeNames());
    m_type->setCurrentIndex(-1);
    m_type->setMinimumWidth(100);
    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("Edit1"));
    m_value->setMinimumWidth(150);
    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("ComboBox2"));
    m_choice->setEditable(true);
    m_choice->setMinimumWidth(150);
    m_choice->hide();
    QToolButton *run = makeQueryButton();
    m_includeLeft = new QCheckBox(QStringLiteral("包含已离职"), this);
    m_includeLeft->setObjectName(QStringLiteral("CheckBox2"));

    queryBar()->addWidget(new QLabel(QStringLiteral("查询类型："), this));
    queryBar()->addWidget(m_type);
    queryBar()->addSpacing(8);
    queryBar()->addWidget(new QLabel(QStringLiteral("查询内容："), this));
    queryBar()->addWidget(m_value);
    queryBar()->addWidget(m_choice);
    queryBar()->addWidget(run);
    queryBar()->addSpacing(8);
    queryBar()->addWidget(m_includeLeft);
    queryBar()->addStretch();

    grid()->setRowStyle(GridModel::retiredRows(QStringLiteral("F_Flag")));
    connect(m_type, &QComboBox::currentIndexChanged, this, &TfrmEmpMan::queryTypeChanged);
    connect(m_includeLeft, &QCheckBox::clicked, this, [this] { runQuery(); });
}

void TfrmEmpMan::showWindow()
{
    TfrmEmpMan window;
    window.openModal();
}

EmployeeStore::QueryType TfrmEmpMan::queryType() const
{
    return static_cast<EmployeeStore::QueryType>(m_type->currentIndex());
}

void TfrmEmpMan::queryTypeChanged()
{
    const EmployeeStore::QueryType type = queryType();
    const bool typed = type == EmployeeStore::QueryType::Code || type == EmployeeStore::QueryType::Name
        || type == EmployeeStore::QueryType::None;
    m_value->clear();
    m_choice->clear();
    if (!typed)
        m_choice->addItems(m_store.queryChoices(type));
    m_choice->setCurrentIndex(-1);
    m_choice->setEditText(QString());
    m_value->setVisible(typed);
    m_choice->setVisible(!typed);
}

bool TfrmEmpMan::queryRows(RowSet &rows)
{
    const QString value = m_value->isVisible() || m_choice->isHidden() ? m_value->text() : m_choice->currentText();
    return m_store.list(queryType(), value, m_includeLeft->isChecked(), rows);
}

void TfrmEmpMan::reloadAt(const QString &code)
{
    runQuery();
    for (int r = 0; r < grid()->rowCount(); ++r)
        if (grid()->rows().text(r, QStringLiteral("F_Code")).compare(code, Qt::CaseInsensitive) == 0) {
            grid()->setCurrentRow(r);
            break;
        }
}

void TfrmEmpMan::onNew()
{
    TfrmEmpEdit dialog(TfrmEmpEdit::Mode::Add, grid(), [this](const QString &code) { reloadAt(code); }, this);
    dialog.openModal();
}

void TfrmEmpMan::onEdit()
{
    if (grid()->rowCount() == 0) {
        ShowMsg(QStringLiteral("此表为空，没有记录需要修改！"), MsgError);
        return;
    }
    TfrmEmpEdit dialog(TfrmEmpEdit::Mode::Change, grid(), [this](const QString &code) { reloadAt(code); }, this);
    dialog.openModal();
}

void TfrmEmpMan::onDelete()
{
    const int row = grid()->currentRow();
    if (grid()->rowCount() == 0 || row < 0)
        return;
    if (m_store.confirmAndDelete(grid()->rows().value(row, QStringLiteral("F_ID")).toLongLong(),
                                 grid()->rows().text(row, QStringLiteral("F_Name"))))
        runQuery();
}

void TfrmEmpMan::onPrint() { PrintReport(QStringLiteral("frEmpMan"), grid()->rows()); }

void TfrmEmpMan::onDesign() { DesignReport(QStringLiteral("frEmpMan"), grid()->rows()); }
