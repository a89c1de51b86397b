#include "masterdata/TFrmGoodMan.h"

#include "app/AppInfo.h"
#include "app/Prompter.h"
#include "app/TdmData.h"
#include "app/report/ReportService.h"
#include "app/ui/CurrencyEdit.h"
#include "app/ui/DataGrid.h"
#include "masterdata/TDlgCopyGongXu.h"
#include "masterdata/TDlgGongXuXz.h"
#include "masterdata/TfrmGoodEdit.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString priceFormat = QStringLiteral("￥,0.00##;-￥,0.00##");

WindowSpec productWindowSpec()
{
    WindowSpec spec;
    spec.caption = QStringLiteral("产品工序定义");
    spec.sheetName = QStringLiteral("产品工序");
    spec.tools = {{Tool::New},   {Tool::Edit},  {Tool::Del},  {Tool::Save},
                  {Tool::Cancel}, {Tool::Query}, {Tool::First}, {Tool::Prior},
                  {Tool::Next},  {Tool::Last},  {Tool::Print}, {Tool::Set, QStringLiteral("ToolButton1")},
                  {Tool::Exit}};
    spec.columns = {GridColumn::text(QStringLiteral("f_goodname"), QStringLiteral("产品名称"), 150)};
    return spec;
}

GridColumns stepColumns()
{
    return {GridColumn::text(QStringLiteral("F_gxCode"), QStringLiteral("工序编号"), 80).withBackground(QColor(0, 255, 255)),
            GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("工序名称"), 110),
            GridColumn::text(QStringLiteral("F_spec"), QStringLiteral("规格"), 80),
            GridColumn::text(QStringLiteral("F_type"), QStringLiteral("类型"), 80),
            GridColumn::text(QStringLiteral("F_unit"), QStringLiteral("单位"), 50),
            GridColumn::number(QStringLiteral("F_Price"), QStringLiteral("工价"), priceFormat, 90).withSum(),
            GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注"), 100)};
}

int rowOfText(const DataGrid *grid, const QString &field, const QString &value)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->rows().text(r, field).compare(value, Qt::CaseInsensitive) == 0)
            return r;
    return -1;
}

int rowOfId(const DataGrid *grid, qint64 id)
{
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->rows().value(r, QStringLiteral("F_ID")).toLongLong() == id)
            return r;
    return -1;
}

} // namespace

TFrmGoodMan::TFrmGoodMan(QWidget *parent) : WorkWindow(productWindowSpec(), parent), m_store(TdmData::instance())
{
    setObjectName(QStringLiteral("FrmGoodMan"));

    // 保存 and 取消 belong to no action of this window, and it has no query
    // button of its own: their shortcuts find them disabled and do nothing.
    setToolEnabled(Tool::Save, false);
    setToolEnabled(Tool::Cancel, false);
    setToolEnabled(Tool::Query, false);
    if (auto *bar = findChild<QToolBar *>(QStringLiteral("ToolBar1")))
        for (QAction *action : bar->actions())
            if (bar->widgetForAction(action) == tool(Tool::Query))
                action->setVisible(false);

    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("ComboBox1"));
    m_type->addItems(StepQuery::typeNames());
    m_type->setCurrentIndex(-1);
    m_type->setMinimumWidth(100);
    m_value = new QLineEdit(this);
    m_value->setObjectName(QStringLiteral("Edit1"));
    m_value->setMinimumWidth(150);
    m_choice = new QComboBox(this);
    m_choice->setObjectName(QStringLiteral("ComboBox2"));
    m_choice->setEditable(true);
    m_choice->setInsertPolicy(QComboBox::NoInsert);
    m_choice->setMinimumWidth(150);
    m_choice->hide();
    m_price = new CurrencyEdit(2, QStringLiteral("￥,0.00;-￥,0.00"), this);
    m_price->setObjectName(QStringLiteral("cePrice"));
    m_price->setMinimumWidth(150);
    m_price->hide();
    QToolButton *run = makeQueryButton();
    m_includeDisabled = new QCheckBox(QStringLiteral("包含已停用"), this);
    m_includeDisabled->setObjectName(QStringLiteral("CheckBox2"));

    queryBar()->addWidget(new QLabel(QStringLiteral("查询类型："), this));
    queryBar()->addWidget(m_type);
    queryBar()->addSpacing(8);
    queryBar()->addWidget(new QLabel(QStringLiteral("查询内容："), this));
    queryBar()->addWidget(m_value);
    queryBar()->addWidget(m_choice);
    queryBar()->addWidget(m_price);
    queryBar()->addWidget(run);
    queryBar()->addSpacing(8);
    queryBar()->addWidget(m_includeDisabled);
    queryBar()->addStretch();

    // The product list and the steps of its product side by side.
    m_steps = new DataGrid(this);
    m_steps->setObjectName(QStringLiteral("DBGridEh2"));
    m_steps->setColumns(stepColumns());
    m_steps->setShowFooter(true);
    m_steps->setEditable(true);
    // Double-click opens the step dialog; typing or F2 changes the cell.
    m_steps->view()->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // The last column takes what room is left, so neither list ends in a grey strip.
    m_steps->view()->horizontalHeader()->setStretchLastSection(true);
    grid()->view()->horizontalHeader()->setStretchLastSection(true);
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setChildrenCollapsible(false);
    delete layout()->replaceWidget(grid(), splitter);
    splitter->addWidget(grid());
    splitter->addWidget(m_steps);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({170, 620});

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 4, 6, 4);
    auto *copy = new QPushButton(QStringLiteral("工序复制"), this);
    copy->setObjectName(QStringLiteral("Button1"));
    auto *assist = new QPushButton(QStringLiteral("工序辅助"), this);
    assist->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(copy);
    buttons->addWidget(assist);
    buttons->addStretch();
    if (auto *box = qobject_cast<QBoxLayout *>(layout()))
        box->insertLayout(box->indexOf(splitter) + 1, buttons);

    connect(m_type, &QComboBox::currentIndexChanged, this, &TFrmGoodMan::queryTypeChanged);
    connect(m_includeDisabled, &QCheckBox::clicked, this, [this] { runQuery(); });
    // Navigation moves the product list without the grid's own signal.
    connect(grid()->view()->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFrmGoodMan::productMoved);
    connect(m_steps, &DataGrid::rowDoubleClicked, this, [this] {
        if (QToolButton *edit = tool(Tool::Edit); edit && edit->isEnabled())
            edit->click();
    });
    connect(m_steps->model(), &GridModel::cellEdited, this, &TFrmGoodMan::stepCellEdited);
    connect(copy, &QPushButton::clicked, this, &TFrmGoodMan::openCopyDialog);
    connect(assist, &QPushButton::clicked, this, &TFrmGoodMan::openAssistant);
}

void TFrmGoodMan::showWindow()
{
    TFrmGoodMan window;
    window.openModal();
}

StepQuery TFrmGoodMan::queryFromBar() const
{
    StepQuery query;
    query.type = static_cast<StepQuery::Type>(m_type->currentIndex());
    switch (StepQuery::inputFor(query.type)) {
    case StepQuery::Input::Text: query.value = m_value->text(); break;
    case StepQuery::Input::Choice: query.value = m_choice->currentText(); break;
    case StepQuery::Input::Price: break;
    }
    query.price = m_price->value();
    query.includeDisabled = m_includeDisabled->isChecked();
    return query;
}

QString TFrmGoodMan::currentProduct() const
{
    const int row = grid()->currentRow();
    return row < 0 ? QString() : grid()->rows().text(row, QStringLiteral("F_goodname"));
}

void TFrmGoodMan::queryTypeChanged()
{
    const auto type = static_cast<StepQuery::Type>(m_type->currentIndex());
    const StepQuery::Input input = StepQuery::inputFor(type);
    if (input == StepQuery::Input::Choice) {
        // A new list of the values in use; what was typed stays.
        const QString typed = m_choice->currentText();
        const QSignalBlocker quiet(m_choice);
        m_choice->clear();
        m_choice->addItems(m_store.queryChoices(type));
        m_choice->setCurrentIndex(-1);
        m_choice->setEditText(typed);
    }
    m_value->setVisible(input == StepQuery::Input::Text);
    m_choice->setVisible(input == StepQuery::Input::Choice);
    m_price->setVisible(input == StepQuery::Input::Price);
}

bool TFrmGoodMan::queryRows(RowSet &rows)
{
    m_lastQuery = queryFromBar();
    return m_store.listProducts(m_lastQuery, rows);
}

void TFrmGoodMan::afterQuery() { loadSteps(); }

void TFrmGoodMan::productMoved()
{
    if (currentProduct() != m_stepsProduct || !m_steps->model()->isLoaded())
        loadSteps();
}

void TFrmGoodMan::loadSteps()
{
    m_stepsProduct = currentProduct();
    RowSet rows;
    if (!m_stepsProduct.isEmpty())
        m_store.listSteps(m_lastQuery, m_stepsProduct, rows);
    m_steps->setRows(std::move(rows));
    showStepCount();
}

void TFrmGoodMan::showStepCount()
{
    if (QLabel *panel = statusPanel(2))
        panel->setText(QStringLiteral("记录数：") + QString::number(m_steps->rowCount()));
}

void TFrmGoodMan::reloadAt(const QString &product, qint64 stepId)
{
    runQuery();
    const int productRow = rowOfText(grid(), QStringLiteral("F_goodname"), product);
    if (productRow >= 0)
        grid()->setCurrentRow(productRow);
    if (currentProduct() != m_stepsProduct)
        loadSteps();
    if (stepId > 0)
        m_steps->setCurrentRow(rowOfId(m_steps, stepId));
}

void TFrmGoodMan::stepCellEdited(int row, const QString &field, const QVariant &oldValue, const QVariant &newValue)
{
    // Stored once the cell editor has closed: a refusal shows a message box,
    // which must not open while the editor is still handing over its value.
    const qint64 id = m_steps->rows().value(row, QStringLiteral("F_ID")).toLongLong();
    QMetaObject::invokeMethod(
        this, [this, id, field, oldValue, newValue] { storeStepCell(id, field, oldValue, newValue); },
        Qt::QueuedConnection);
}

void TFrmGoodMan::storeStepCell(qint64 id, const QString &field, const QVariant &oldValue, const QVariant &newValue)
{
    QVariant stored;
    const bool ok = m_store.changeCell(id, field, newValue, &stored);
    const int row = rowOfId(m_steps, id);
    if (row < 0)
        return;
    GridModel *model = m_steps->model();
    if (!ok) {
        model->setValue(row, field, oldValue);
        return;
    }
    model->setValue(row, field, stored);
    if (field.compare(QLatin1String("F_gxCode"), Qt::CaseInsensitive) == 0)
        model->setValue(row, QStringLiteral("F_Code"),
                        ProductStore::stepKey(m_steps->rows().text(row, QStringLiteral("F_GoodName")), stored.toString()));
}

void TFrmGoodMan::openStepDialog(bool adding)
{
    TfrmGoodEdit dialog(adding ? TfrmGoodEdit::Mode::Add : TfrmGoodEdit::Mode::Change, m_steps,
                        [this](const QString &product, qint64 id) { reloadAt(product, id); }, this);
    dialog.openModal();
}

void TFrmGoodMan::onNew() { openStepDialog(true); }

void TFrmGoodMan::onEdit() { openStepDialog(false); }

void TFrmGoodMan::onDelete()
{
    const int row = m_steps->currentRow();
    if (m_steps->rowCount() == 0 || row < 0)
        return;
    const RowSet &rows = m_steps->rows();
    const QString product = rows.text(row, QStringLiteral("F_GoodName"));
    if (m_store.confirmAndDelete(rows.value(row, QStringLiteral("F_ID")).toLongLong(), product,
                                 rows.text(row, QStringLiteral("F_Name"))))
        reloadAt(product);
}

void TFrmGoodMan::onPrint() { printStepList(false); }

void TFrmGoodMan::onDesign() { printStepList(true); }

void TFrmGoodMan::printStepList(bool design)
{
    // The products listed, each with its steps under the same query.
    ProductPrintData data;
    if (!m_store.printData(m_lastQuery, data))
        return;
    const ReportDetail steps{data.steps, data.masterField, data.detailField};
    if (design)
        DesignReport(QStringLiteral("frGongXuLeiBiao"), data.products, steps);
    else
        PrintReport(QStringLiteral("frGongXuLeiBiao"), data.products, steps);
}

void TFrmGoodMan::openCopyDialog()
{
    TDlgCopyGongXu dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        reloadAt(dialog.copiedName());
}

void TFrmGoodMan::openAssistant()
{
    TDlgGongXuXz dialog([this](const QString &product) { reloadAt(product); }, this);
    dialog.openModal();
}

void TFrmGoodMan::showEvent(QShowEvent *event)
{
    if (!m_shownOnce)
        m_choice->clear();
    WorkWindow::showEvent(event);
    if (!m_shownOnce)
        if (QLabel *panel = statusPanel(3))
            panel->setText(QStringLiteral("制作：") + AppInfo::publisherLabel() + QStringLiteral("       "));
    m_shownOnce = true;
}
