#include "masterdata/TfrmGoodEdit.h"

#include "app/TdmData.h"
#include "app/ui/CurrencyEdit.h"
#include "app/ui/DataGrid.h"
#include "app/ui/RowNavigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QComboBox *freeTextCombo(const QString &name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setMaxLength(50);
    return box;
}

} // namespace

TfrmGoodEdit::TfrmGoodEdit(Mode mode, DataGrid *steps, std::function<void(const QString &, qint64)> saved,
                           QWidget *parent)
    : EditDialog(parent), m_mode(mode), m_steps(steps), m_saved(std::move(saved)), m_store(TdmData::instance())
{
    setObjectName(QStringLiteral("frmGoodEdit"));
    setWindowTitle(mode == Mode::Add ? QStringLiteral("产品工序 - 新增") : QStringLiteral("产品工序 - 修改"));
    auto *layout = new QVBoxLayout(this);
    auto *box = new QGroupBox(this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);

    m_code = new QLineEdit(box);
    m_code->setObjectName(QStringLiteral("edtcode"));
    m_code->setMaxLength(50);
    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("edtName"));
    m_name->setMaxLength(50);
    m_product = freeTextCombo(QStringLiteral("cbbgoodname"), box);
    m_type = freeTextCombo(QStringLiteral("cbbtype"), box);
    m_spec = freeTextCombo(QStringLiteral("cbbspec"), box);
    m_unit = freeTextCombo(QStringLiteral("cbbUnit"), box);
    m_price = new CurrencyEdit(4, QStringLiteral("￥,0.00##;-￥,0.00##"), box);
    m_price->setObjectName(QStringLiteral("cePrice"));
    m_mem = new QPlainTextEdit(box);
    m_mem->setObjectName(QStringLiteral("mem"));
    m_mem->setFixedHeight(64);
    // The remark is reached by the mouse; Tab goes past it.
    m_mem->setFocusPolicy(Qt::ClickFocus);
    m_disabled = new QCheckBox(QStringLiteral("使用否"), box);
    m_disabled->setObjectName(QStringLiteral("cbUseFlag"));

    const QList<QPair<QString, QWidget *>> fields{
        {QStringLiteral("工序编号："), m_code},     {QStringLiteral("工序名称："), m_name},
        {QStringLiteral("产品名称："), m_product},  {QStringLiteral("类    型："), m_type},
        {QStringLiteral("规    格："), m_spec},     {QStringLiteral("计量单位："), m_unit},
        {QStringLiteral("单    价："), m_price}};
    for (int i = 0; i < fields.size(); ++i) {
        grid->addWidget(new QLabel(fields.at(i).first, box), i, 0);
        grid->addWidget(fields.at(i).second, i, 1);
        fields.at(i).second->setMinimumWidth(220);
    }
    grid->addWidget(new QLabel(QStringLiteral("备注信息："), box), 7, 0, Qt::AlignTop);
    grid->addWidget(m_mem, 7, 1);
    grid->addWidget(m_disabled, 8, 1);
    layout->addWidget(box);

    auto *bottom = new QHBoxLayout;
    m_continuous = new QCheckBox(QStringLiteral("连续新增"), this);
    m_continuous->setObjectName(QStringLiteral("CheckBox1"));
    m_continuous->setChecked(true);
    m_continuous->setVisible(mode == Mode::Add);
    bottom->addWidget(m_continuous);
    if (mode == Mode::Change)
        bottom->addWidget(new RowNavigator(m_steps, [this] { loadCurrentRow(); }, this));
    bottom->addStretch();
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);
    connect(ok, &QPushButton::clicked, this, &TfrmGoodEdit::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // Each list offers what the other steps use, fresh when it is entered.
    for (QComboBox *list : {m_product, m_type, m_spec, m_unit})
        list->installEventFilter(this);
    setTabOrder(m_code, m_name);
    setTabOrder(m_name, m_product);
    setTabOrder(m_product, m_type);
    setTabOrder(m_type, m_spec);
    setTabOrder(m_spec, m_unit);
    setTabOrder(m_unit, m_price);
    setTabOrder(m_price, m_disabled);

    // Placing centres the dialog by its size: let it have its own first.
    adjustSize();
    if (mode == Mode::Change) {
        m_code->setReadOnly(true);
        // The office's tint of a field that cannot be changed (colour 15898019).
        m_code->setStyleSheet(QStringLiteral("background-color: rgb(163, 149, 242);"));
        loadCurrentRow();
    }
}

void TfrmGoodEdit::loadCurrentRow()
{
    // An empty step list leaves the fields blank.
    if (!m_steps || m_steps->currentRow() < 0)
        return;
    showStep(Step::fromRow(m_steps->rows(), m_steps->currentRow()));
}

Step TfrmGoodEdit::step() const
{
    Step s;
    if (m_mode == Mode::Change && m_steps && m_steps->currentRow() >= 0)
        s.id = m_steps->rows().value(m_steps->currentRow(), QStringLiteral("F_ID")).toLongLong();
    s.code = m_code->text();
    s.name = m_name->text();
    s.product = m_product->currentText();
    s.type = m_type->currentText();
    s.spec = m_spec->currentText();
    s.unit = m_unit->currentText();
    s.price = m_price->value();
    s.mem = m_mem->toPlainText();
    s.disabled = m_disabled->isChecked();
    return s;
}

void TfrmGoodEdit::showStep(const Step &s)
{
    m_code->setText(s.code);
    m_name->setText(s.name);
    m_product->setEditText(s.product);
    m_type->setEditText(s.type);
    m_spec->setEditText(s.spec);
    m_unit->setEditText(s.unit);
    m_price->setValue(s.price);
    m_mem->setPlainText(s.mem);
    m_disabled->setChecked(s.disabled);
}

void TfrmGoodEdit::save()
{
    const Step s = step();
    qint64 id = 0;
    switch (m_store.save(s, m_mode == Mode::Add, &id)) {
    case ProductStore::SaveResult::EmptyCode:
    case ProductStore::SaveResult::DuplicateCode:
        m_code->setFocus();
        return;
    case ProductStore::SaveResult::EmptyProduct:
        m_product->setFocus();
        return;
    case ProductStore::SaveResult::Failed:
        return;
    case ProductStore::SaveResult::Saved:
        break;
    }
    if (m_saved)
        m_saved(s.product.trimmed(), id);
    if (m_mode == Mode::Add && m_continuous->isChecked()) {
        // The next step of the same product: product, type, size (规格)
        // and unit stay.
        m_code->clear();
        m_name->clear();
        m_price->setValue(0);
        m_mem->clear();
        m_disabled->setChecked(false);
        m_code->setFocus();
        return;
    }
    accept();
}

void TfrmGoodEdit::refillList(QComboBox *box)
{
    const QString typed = box->currentText();
    QStringList values;
    if (box == m_product)
        values = m_store.productNames();
    else if (box == m_type)
        values = m_store.types();
    else if (box == m_spec)
        values = m_store.specs();
    else
        values = m_store.units();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(values);
    box->setCurrentIndex(-1);
    box->setEditText(typed);
}

bool TfrmGoodEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        for (QComboBox *list : {m_product, m_type, m_spec, m_unit})
            if (watched == list)
                refillList(list);
    return EditDialog::eventFilter(watched, event);
}
