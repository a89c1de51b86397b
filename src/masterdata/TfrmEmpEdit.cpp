#include "masterdata/TfrmEmpEdit.h"

#include "app/Prompter.h"
#include "app/TdmData.h"
#include "app/ui/DataGrid.h"
#include "app/ui/RowNavigator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString pictureFilter = QStringLiteral(
    "Image Files (*.bmp, *.jpg,*.gif,*.ico)|*.bmp;*.jpg;*.gif;*.ico|Bitmap Files (*.jpg)|*.jpg|Bitmap Files "
    "(*.gif)|*.gif|Bitmap Files (*.bmp;)|*.bmp|Icons (*.ico)|*.ico|Metafiles (*.wmf, *.emf)|*.wmf;*.emf|All files "
    "(*.*)|*.*");

QComboBox *editableCombo(const QString &name, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

} // namespace

TfrmEmpEdit::TfrmEmpEdit(Mode mode, DataGrid *list, std::function<void(const QString &)> saved, QWidget *parent)
    : EditDialog(parent), m_mode(mode), m_list(list), m_saved(std::move(saved)), m_store(TdmData::instance())
{
    setObjectName(QStringLiteral("frmEmpEdit"));
    setWindowTitle(mode == Mode::Add ? QStringLiteral("员工档案信息 - 新增") : QStringLiteral("员工档案信息 - 修改"));
    auto *layout = new QVBoxLayout(this);
    auto *box = new QGroupBox(this);
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);

    m_code = new QLineEdit(box);
    m_code->setObjectName(QStringLiteral("edtcode"));
    m_name = new QLineEdit(box);
    m_name->setObjectName(QStringLiteral("edtName"));
    m_sex = editableCombo(QStringLiteral("cbbsex"), box);
    m_sex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    m_sex->setCurrentIndex(-1);
    m_duty = editableCombo(QStringLiteral("cbbduty"), box);
    m_dept = editableCombo(QStringLiteral("cbbdept"), box);
    m_phone = new QLineEdit(box);
    m_phone->setObjectName(QStringLiteral("edtphone"));
    m_bank = new QLineEdit(box);
    m_bank->setObjectName(QStringLiteral("edtbank"));
    m_mem = new QPlainTextEdit(box);
    m_mem->setObjectName(QStringLiteral("Mem"));
    m_mem->setFixedHeight(70);
    m_left = new QCheckBox(QStringLiteral("停用"), box);
    m_left->setObjectName(QStringLiteral("cbFlag"));

    const QList<QPair<QString, QWidget *>> fields{
        {QStringLiteral("员工编号："), m_code}, {QStringLiteral("员工姓名："), m_name},
        {QStringLiteral("性    别："), m_sex},  {QStringLiteral("职    务："), m_duty},
        {QStringLiteral("部    门："), m_dept}, {QStringLiteral("电    话："), m_phone},
        {QStringLiteral("银行帐号："), m_bank}};
    for (int i = 0; i < fields.size(); ++i) {
        grid->addWidget(new QLabel(fields.at(i).first, box), i, 0);
        grid->addWidget(fields.at(i).second, i, 1);
        fields.at(i).second->setMinimumWidth(180);
    }
    grid->addWidget(new QLabel(QStringLiteral("备注信息："), box), 7, 0, Qt::AlignTop);
    grid->addWidget(m_mem, 7, 1, 1, 3);
    grid->addWidget(m_left, 8, 1);

    grid->addWidget(new QLabel(QStringLiteral("相    片："), box), 0, 2, Qt::AlignTop);
    m_picture = new QLabel(box);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setFixedSize(102, 100);
    m_picture->setFrameShape(QFrame::StyledPanel);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setScaledContents(true);
    m_picture->setContextMenuPolicy(Qt::CustomContextMenu);
    m_picture->installEventFilter(this);
    m_picture->setToolTip(QStringLiteral("双击载入图片"));
    grid->addWidget(m_picture, 1, 3, 5, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("最佳大小：(102*100)"), box), 6, 3);
    layout->addWidget(box);

    auto *menu = new QMenu(this);
    QAction *load = menu->addAction(QStringLiteral("载入图片"));
    QAction *clear = menu->addAction(QStringLiteral("清空显示"));
    connect(load, &QAction::triggered, this, &TfrmEmpEdit::loadPicture);
    connect(clear, &QAction::triggered, this, &TfrmEmpEdit::clearPicture);
    connect(m_picture, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint &at) { menu->popup(m_picture->mapToGlobal(at)); });

    auto *bottom = new QHBoxLayout;
    m_continuous = new QCheckBox(QStringLiteral("连续新增"), this);
    m_continuous->setObjectName(QStringLiteral("CheckBox1"));
    m_continuous->setVisible(mode == Mode::Add);
    bottom->addWidget(m_continuous);
    if (mode == Mode::Change)
        bottom->addWidget(new RowNavigator(m_list, [this] { loadCurrentRow(); }, this));
    bottom->addStretch();
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    layout->addLayout(bottom);
    connect(ok, &QPushButton::clicked, this, &TfrmEmpEdit::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // The department and post lists show what other employees have.
    m_dept->installEventFilter(this);
    m_duty->installEventFilter(this);

    if (mode == Mode::Change) {
        m_code->setReadOnly(true);
        m_code->setStyleSheet(QStringLiteral("background-color: rgb(163, 148, 242);"));
        loadCurrentRow();
    }
    setTabOrder(m_code, m_name);
}

void TfrmEmpEdit::loadCurrentRow()
{
    if (!m_list || m_list->currentRow() < 0)
        return;
    showEmployee(Employee::fromRow(m_list->rows(), m_list->currentRow()));
}

Employee TfrmEmpEdit::employee() const
{
    Employee e;
    if (m_mode == Mode::Change && m_list && m_list->currentRow() >= 0)
        e.id = m_list->rows().value(m_list->currentRow(), QStringLiteral("F_ID")).toLongLong();
    e.code = m_code->text();
    e.name = m_name->text();
    e.sex = m_sex->currentText();
    e.dept = m_dept->currentText();
    e.duty = m_duty->currentText();
    e.phone = m_phone->text();
    e.bank = m_bank->text();
    e.mem = m_mem->toPlainText();
    e.left = m_left->isChecked();
    e.imagePath = m_imagePath;
    return e;
}

void TfrmEmpEdit::showEmployee(const Employee &e)
{
    m_code->setText(e.code);
    m_name->setText(e.name);
    m_sex->setCurrentText(e.sex);
    m_dept->setCurrentText(e.dept);
    m_duty->setCurrentText(e.duty);
    m_phone->setText(e.phone);
    m_bank->setText(e.bank);
    m_mem->setPlainText(e.mem);
    m_left->setChecked(e.left);
    clearPicture();
    if (!e.imagePath.trimmed().isEmpty() && QFileInfo(e.imagePath).isFile())
        showPicture(e.imagePath);
}

void TfrmEmpEdit::clearFields()
{
    showEmployee(Employee());
    m_sex->setCurrentIndex(-1);
}

bool TfrmEmpEdit::showPicture(const QString &path)
{
    QPixmap picture;
    if (!picture.load(path))
        return false;
    m_picture->setPixmap(picture);
    m_imagePath = path;
    return true;
}

void TfrmEmpEdit::loadPicture()
{
    const QString picked = Prompter::current().openFileName({QString(), QString(), pictureFilter, {}});
    if (!picked.isEmpty())
        showPicture(picked); // a file that does not load leaves the picture as it was
}

void TfrmEmpEdit::clearPicture()
{
    m_picture->clear();
    m_imagePath.clear();
}

void TfrmEmpEdit::save()
{
    const Employee e = employee();
    switch (m_store.save(e, m_mode == Mode::Add)) {
    case EmployeeStore::SaveResult::EmptyCode:
    case EmployeeStore::SaveResult::DuplicateCode:
        m_code->setFocus();
        return;
    case EmployeeStore::SaveResult::Failed:
        return;
    case EmployeeStore::SaveResult::Saved:
        break;
    }
    if (m_saved)
        m_saved(e.code.trimmed());
    if (m_mode == Mode::Add && m_continuous->isChecked()) {
        clearFields();
        m_name->setFocus();
        return;
    }
    accept();
}

bool TfrmEmpEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picture && event->type() == QEvent::MouseButtonDblClick) {
        loadPicture();
        return true;
    }
    if (event->type() == QEvent::FocusIn && (watched == m_dept || watched == m_duty)) {
        auto *box = static_cast<QComboBox *>(watched);
        const QString typed = box->currentText();
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(watched == m_dept ? m_store.departments() : m_store.duties());
        box->setCurrentText(typed);
    }
    return EditDialog::eventFilter(watched, event);
}
