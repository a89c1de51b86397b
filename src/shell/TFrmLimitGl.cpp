#include "shell/TFrmLimitGl.h"

#include "app/TdmData.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *passwordBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    return box;
}

QPushButton *button(const char *name, const char *text, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumSize(80, 28);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFrmLimitGl::TFrmLimitGl(Mode mode, const Operator &op, std::function<void(const QString &)> saved, QWidget *parent)
    : EditDialog(parent), m_mode(mode), m_saved(std::move(saved)), m_store(TdmData::instance())
{
    setObjectName(QStringLiteral("FrmLimitGl"));
    setWindowTitle(QStringLiteral("操作员"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(8);
    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("cbbName"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_password = passwordBox("edtPassWord", this);
    m_repeated = passwordBox("edtRepPass", this);
    m_mem = new QPlainTextEdit(this);
    m_mem->setObjectName(QStringLiteral("Mem1"));
    m_mem->setFixedHeight(54);
    m_disabled = new QCheckBox(QStringLiteral("用户禁用"), this);
    m_disabled->setObjectName(QStringLiteral("CheckBox1"));

    const QList<std::pair<const char *, QWidget *>> fields{
        {"用户名称：", m_name}, {"初始密码：", m_password}, {"密码确认：", m_repeated}};
    for (int i = 0; i < fields.size(); ++i) {
        auto *label = new QLabel(QString::fromUtf8(fields.at(i).first), this);
        label->setBuddy(fields.at(i).second);
        form->addWidget(label, i, 0);
        form->addWidget(fields.at(i).second, i, 1);
    }
    form->addWidget(m_disabled, 0, 2);
    auto *memLabel = new QLabel(QStringLiteral("详细描述："), this);
    memLabel->setBuddy(m_mem);
    form->addWidget(memLabel, 3, 0, Qt::AlignTop);
    form->addWidget(m_mem, 3, 1, 1, 2);
    form->setColumnStretch(1, 1);
    form->setColumnMinimumWidth(2, 110);
    layout->addLayout(form);

    auto *limitsLabel = new QLabel(QStringLiteral("权限属性："), this);
    layout->addWidget(limitsLabel);
    auto *limits = new QHBoxLayout;
    m_permissions = new QListWidget(this);
    m_permissions->setObjectName(QStringLiteral("clbOperLimt"));
    // Two columns, filled top to bottom as a check list with columns is.
    m_permissions->setFlow(QListView::TopToBottom);
    m_permissions->setWrapping(true);
    m_permissions->setResizeMode(QListView::Adjust);
    m_permissions->setUniformItemSizes(true);
    m_permissions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    limitsLabel->setBuddy(m_permissions);
    m_permissions->viewport()->installEventFilter(this);
    limits->addWidget(m_permissions, 1);
    auto *tickButtons = new QVBoxLayout;
    auto *all = button("Button1", "全选", this);
    auto *none = button("Button2", "清除", this);
    tickButtons->addWidget(all);
    tickButtons->addWidget(none);
    tickButtons->addStretch(1);
    limits->addLayout(tickButtons);
    layout->addLayout(limits, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    auto *save = button("BitBtn1", "保存", this);
    auto *close = button("BitBtn2", "关闭", this);
    bottom->addWidget(save);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    connect(all, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(save, &QPushButton::clicked, this, &TFrmLimitGl::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    for (const QString &permission : m_store.offeredPermissions()) {
        auto *item = new QListWidgetItem(permission, m_permissions);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    if (mode == Mode::Change) {
        m_id = op.id;
        m_name->setEditText(op.name);
        m_password->setText(op.password);
        m_repeated->setText(op.password);
        m_disabled->setChecked(op.disabled);
        m_mem->setPlainText(op.mem);
        const QStringList held = m_store.permissionsOf(op.name);
        for (int i = 0; i < m_permissions->count(); ++i)
            if (held.contains(m_permissions->item(i)->text(), Qt::CaseInsensitive))
                m_permissions->item(i)->setCheckState(Qt::Checked);
    }
    resize(540, 100);
    layOutPermissions();
    // As tall as the fields and both columns of permissions need.
    setFixedSize(540, qMax(480, sizeHint().height()));
    m_name->setFocus();
}

Operator TFrmLimitGl::entries() const
{
    Operator op;
    op.id = m_id;
    op.name = m_name->currentText();
    op.password = m_password->text();
    op.repeated = m_repeated->text();
    op.mem = m_mem->toPlainText();
    op.disabled = m_disabled->isChecked();
    for (int i = 0; i < m_permissions->count(); ++i)
        if (m_permissions->item(i)->checkState() == Qt::Checked)
            op.permissions.append(m_permissions->item(i)->text());
    return op;
}

void TFrmLimitGl::save()
{
    const Operator op = entries();
    switch (m_store.save(op, m_mode == Mode::Add)) {
    case OperatorStore::SaveResult::EmptyName:
    case OperatorStore::SaveResult::DuplicateName:
        m_name->setFocus();
        return;
    case OperatorStore::SaveResult::PasswordMismatch:
        m_repeated->setFocus();
        return;
    case OperatorStore::SaveResult::Failed:
        return;
    case OperatorStore::SaveResult::Saved:
        break;
    }
    if (m_saved)
        m_saved(op.name.trimmed());
    if (m_mode == Mode::Add) {
        // Ready for the next operator.
        clearEntries();
        m_name->setFocus();
    } else {
        accept();
    }
}

void TFrmLimitGl::tickAll(bool ticked)
{
    for (int i = 0; i < m_permissions->count(); ++i)
        m_permissions->item(i)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void TFrmLimitGl::clearEntries()
{
    m_name->setEditText(QString());
    m_password->clear();
    m_repeated->clear();
    m_mem->clear();
    m_disabled->setChecked(false);
    tickAll(false);
}

void TFrmLimitGl::refillNames()
{
    // The employees' names, fresh each time; what is typed stays.
    const QString typed = m_name->currentText();
    m_name->blockSignals(true);
    m_name->clear();
    m_name->addItems(m_store.employeeNames());
    m_name->setCurrentIndex(-1);
    m_name->setEditText(typed);
    m_name->blockSignals(false);
}

bool TFrmLimitGl::eventFilter(QObject *watched, QEvent *event)
{
    // The dialog watches the whole application while it is shown.
    if (watched == m_name && event->type() == QEvent::FocusIn)
        refillNames();
    // Both columns follow the width the list really has.
    if (watched == m_permissions->viewport() && event->type() == QEvent::Resize)
        layOutPermissions();
    return EditDialog::eventFilter(watched, event);
}

void TFrmLimitGl::closeEvent(QCloseEvent *event)
{
    if (event->spontaneous())
        event->ignore();
    else
        EditDialog::closeEvent(event);
}

void TFrmLimitGl::layOutPermissions()
{
    // Half the width per column, and as many rows as half the permissions need.
    const int rowHeight = m_permissions->fontMetrics().height() + 8;
    const int width = m_permissions->viewport()->width();
    m_permissions->setGridSize(QSize(qMax(80, width / 2 - 1), rowHeight));
    const int rows = (m_permissions->count() + 1) / 2;
    m_permissions->setMinimumHeight(rows * rowHeight + 2 * m_permissions->frameWidth() + 4);
}
