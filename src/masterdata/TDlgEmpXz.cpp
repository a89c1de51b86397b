#include "masterdata/TDlgEmpXz.h"

#include "app/TdmData.h"
#include "app/ui/DataGrid.h"
#include "masterdata/EmployeePicker.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TDlgEmpXz::TDlgEmpXz(QWidget *parent) : EditDialog(parent)
{
    setObjectName(QStringLiteral("DlgEmpXz"));
    setWindowTitle(QStringLiteral("员工选择"));
    resize(640, 440);
    auto *layout = new QVBoxLayout(this);

    auto *panel = new QGroupBox(this);
    auto *search = new QGridLayout(panel);
    m_code = new QLineEdit(panel);
    m_code->setObjectName(QStringLiteral("edtCode"));
    m_name = new QLineEdit(panel);
    m_name->setObjectName(QStringLiteral("edtName"));
    m_dept = new QComboBox(panel);
    m_dept->setObjectName(QStringLiteral("cbbDept"));
    m_dept->setEditable(true);
    m_dept->setMinimumWidth(120);
    auto *find = new QPushButton(QStringLiteral("查询"), panel);
    find->setObjectName(QStringLiteral("BitBtn3"));
    search->addWidget(new QLabel(QStringLiteral("员工编码："), panel), 0, 0);
    search->addWidget(m_code, 0, 1);
    search->addWidget(new QLabel(QStringLiteral("员工姓名："), panel), 0, 2);
    search->addWidget(m_name, 0, 3);
    search->addWidget(new QLabel(QStringLiteral("部    门："), panel), 0, 4);
    search->addWidget(m_dept, 0, 5);
    search->addWidget(find, 0, 6);
    layout->addWidget(panel);

    m_grid = new DataGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setColumns({GridColumn::text(QStringLiteral("F_Code"), QStringLiteral("员工编码")),
                        GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("员工姓名")),
                        GridColumn::text(QStringLiteral("F_Sex"), QStringLiteral("性别"), 50),
                        GridColumn::text(QStringLiteral("F_Dept"), QStringLiteral("部门")),
                        GridColumn::text(QStringLiteral("F_Duty"), QStringLiteral("职务")),
                        GridColumn::text(QStringLiteral("F_Phone"), QStringLiteral("联系电话"), 100),
                        GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注"), 120)});
    layout->addWidget(m_grid, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(find, &QPushButton::clicked, this, &TDlgEmpXz::search);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &DataGrid::rowDoubleClicked, this, &QDialog::accept);

    m_dept->addItems(TdmData::instance().FillComboBox(
        QStringLiteral("select distinct F_Dept from t_employee where F_Dept <> '' order by F_Dept")));
    m_dept->setCurrentIndex(-1);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TDlgEmpXz::listInService()
{
    RowSet rows;
    TdmData::instance().OpenQuery(EmployeePicker::openingStatement(), rows);
    m_grid->setRows(std::move(rows));
}

void TDlgEmpXz::search()
{
    QVariantMap params;
    const QString sql = EmployeePicker::searchStatement(m_code->text(), m_name->text(), m_dept->currentText(), &params);
    RowSet rows;
    TdmData::instance().OpenQuery(sql, params, rows);
    m_grid->setRows(std::move(rows));
}

QString PickEmployee(const QString &code, QWidget *parent)
{
    TDlgEmpXz dialog(parent ? parent : QApplication::activeWindow());
    dialog.listInService();
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    return EmployeePicker::result(code, confirmed, dialog.grid()->rows(), dialog.grid()->currentRow());
}
