#include "shell/TfrmModPass.h"

#include "app/AppInfo.h"
#include "app/TdmData.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmModPass::TfrmModPass(QWidget *parent) : EditDialog(parent), m_store(TdmData::instance())
{
    setObjectName(QStringLiteral("frmModPass"));
    setWindowTitle(QStringLiteral("更改密码"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 14);
    layout->setSpacing(12);
    auto *who = new QLabel(QStringLiteral("当前操作员：") + CurrentOperator() + QLatin1Char(' '), this);
    who->setObjectName(QStringLiteral("Label4"));
    who->setStyleSheet(QStringLiteral("color: #1d3f72; font-weight: bold;"));
    layout->addWidget(who);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(8);
    const QList<std::pair<const char *, const char *>> boxes{
        {"edtOldPass", "旧密码："}, {"edtNewPass", "新密码："}, {"edtAdjustPass", "再输一遍："}};
    QList<QLineEdit *> edits;
    for (int i = 0; i < boxes.size(); ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(boxes.at(i).first));
        edit->setEchoMode(QLineEdit::Password);
        edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
        edit->setMinimumWidth(180);
        auto *label = new QLabel(QString::fromUtf8(boxes.at(i).second), this);
        label->setBuddy(edit);
        form->addWidget(label, i, 0);
        form->addWidget(edit, i, 1);
        edits.append(edit);
    }
    m_old = edits.at(0);
    m_new = edits.at(1);
    m_again = edits.at(2);
    layout->addLayout(form);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(QStringLiteral("确定(&O)"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    auto *cancel = new QPushButton(QStringLiteral("取消(&C)"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton *b : {ok, cancel}) {
        b->setMinimumSize(84, 28);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TfrmModPass::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(sizeHint().expandedTo(QSize(330, 200)));
    m_old->setFocus();
}

void TfrmModPass::confirm()
{
    switch (m_store.changePassword(m_old->text(), m_new->text(), m_again->text())) {
    case OperatorStore::PasswordResult::NoOperator:
        reject();
        break;
    case OperatorStore::PasswordResult::Changed:
        accept();
        break;
    case OperatorStore::PasswordResult::Mismatch:
        m_new->clear();
        m_again->clear();
        m_new->setFocus();
        break;
    case OperatorStore::PasswordResult::WrongOld:
        m_old->setFocus();
        m_old->selectAll();
        break;
    case OperatorStore::PasswordResult::Failed:
        break;
    }
}
