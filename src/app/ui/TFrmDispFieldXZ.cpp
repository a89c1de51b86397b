#include "app/ui/TFrmDispFieldXZ.h"

#include "app/ui/DataGrid.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmDispFieldXZ::TFrmDispFieldXZ(DataGrid *grid, QWidget *parent) : QDialog(parent), m_grid(grid)
{
    setObjectName(QStringLiteral("FrmDispFieldXZ"));
    setWindowTitle(QStringLiteral("字段列表"));
    resize(260, 360);
    auto *layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("CheckListBox1"));
    layout->addWidget(m_list);
    const QHeaderView *header = grid->view()->horizontalHeader();
    const GridColumns columns = grid->model()->columns();
    for (int visual = 0; visual < columns.size(); ++visual) {
        const int c = header->logicalIndex(visual);
        auto *item = new QListWidgetItem(columns.at(c).title, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(grid->isColumnVisible(c) ? Qt::Checked : Qt::Unchecked);
        m_columns.append(c);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        applyToGrid();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmDispFieldXZ::applyToGrid()
{
    for (int i = 0; i < m_columns.size(); ++i)
        m_grid->setColumnVisible(m_columns.at(i), m_list->item(i)->checkState() == Qt::Checked);
}
