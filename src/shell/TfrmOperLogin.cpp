#include "shell/TfrmOperLogin.h"

#include "app/AppInfo.h"
#include "app/TdmData.h"
#include "shell/ShellIcons.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int bannerHeight = 86;
} // namespace

TfrmOperLogin::TfrmOperLogin(LoginRules::Mode mode, LoginTarget *target, QWidget *parent)
    : EditDialog(parent), m_rules(TdmData::instance(), mode, target)
{
    setObjectName(QStringLiteral("frmOperLogin"));
    setWindowTitle(QStringLiteral("登录窗口"));
    // A title and nothing to press on it: the dialog is left through its buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, bannerHeight + 14, 24, 16);
    layout->setSpacing(10);

    auto *hint = new QLabel(QStringLiteral("请输入正确的操作员编号及密码，系统超级用户“admin”，系统初始密码为空："), this);
    hint->setObjectName(QStringLiteral("Label3"));
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #4a5870;"));
    // Wide enough for the first sentence, so the line breaks after its comma.
    const int hintWidth = hint->fontMetrics().horizontalAdvance(QStringLiteral("请输入正确的操作员编号及密码，系统超级用户“admin”，")) + 6;
    hint->setFixedWidth(hintWidth);
    layout->addWidget(hint);

    auto *form = new QGridLayout;
    form->setContentsMargins(30, 4, 30, 4);
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(10);
    m_name = new QComboBox(this);
    m_name->setObjectName(QStringLiteral("cbbOperName"));
    m_name->setEditable(true);
    m_name->setInsertPolicy(QComboBox::NoInsert);
    m_name->setMinimumHeight(26);
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("edtPassWord"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMinimumHeight(26);
    m_password->setStyleSheet(QStringLiteral("lineedit-password-character: 42;")); // "*"
    auto *nameLabel = new QLabel(QStringLiteral("姓  名："), this);
    nameLabel->setBuddy(m_name);
    auto *passwordLabel = new QLabel(QStringLiteral("密  码："), this);
    passwordLabel->setBuddy(m_password);
    form->addWidget(nameLabel, 0, 0);
    form->addWidget(m_name, 0, 1);
    form->addWidget(passwordLabel, 1, 0);
    form->addWidget(m_password, 1, 1);
    layout->addLayout(form);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton *b : {ok, cancel}) {
        b->setMinimumSize(84, 28);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TfrmOperLogin::confirm);
    connect(cancel, &QPushButton::clicked, this, &TfrmOperLogin::cancel);

    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_password);
    setTabOrder(m_password, m_name);

    m_name->addItems(m_rules.operatorNames());
    m_name->setEditText(m_rules.lastOperator());
    // Straight to the password when the name is already there.
    (m_name->currentText().trimmed().isEmpty() ? static_cast<QWidget *>(m_name) : m_password)->setFocus();

    setFixedSize(qMax(430, hintWidth + 48), 300);
}

LoginRules::Outcome TfrmOperLogin::run(LoginRules::Mode mode, LoginTarget *target, QWidget *parent)
{
    TfrmOperLogin dialog(mode, target, parent);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    dialog.exec();
    return dialog.outcome();
}

void TfrmOperLogin::confirm()
{
    const LoginRules::Step step = m_rules.confirm(m_name->currentText(), m_password->text());
    switch (step.focus) {
    case LoginRules::Focus::Name:
        m_name->setFocus();
        break;
    case LoginRules::Focus::Password:
        m_password->setFocus();
        m_password->selectAll();
        break;
    case LoginRules::Focus::Keep:
        break;
    }
    if (step.outcome != LoginRules::Outcome::Stay)
        end(step.outcome);
}

void TfrmOperLogin::cancel() { end(m_rules.cancel()); }

void TfrmOperLogin::end(LoginRules::Outcome outcome)
{
    m_outcome = outcome;
    done(outcome == LoginRules::Outcome::LoggedIn ? QDialog::Accepted : QDialog::Rejected);
}

bool TfrmOperLogin::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Neither Alt+F4 nor Esc leaves the login: only its two buttons do.
        if ((key->key() == Qt::Key_F4 && (key->modifiers() & Qt::AltModifier)) || key->key() == Qt::Key_Escape)
            return true;
    }
    return EditDialog::eventFilter(watched, event);
}

void TfrmOperLogin::closeEvent(QCloseEvent *event)
{
    // The window manager's close (Alt+F4) is swallowed as well.
    if (event->spontaneous())
        event->ignore();
    else
        EditDialog::closeEvent(event);
}

void TfrmOperLogin::paintEvent(QPaintEvent *event)
{
    EditDialog::paintEvent(event);
    QPainter p(this);
    ShellIcons::paintBanner(p, QRect(0, 0, width(), bannerHeight), AppInfo::productName().trimmed(),
                            m_rules.mode() == LoginRules::Mode::Startup ? QStringLiteral("用户登录  ") + AppInfo::versionText()
                                                                        : QStringLiteral("更换操作员"));
    p.setPen(QColor(210, 218, 230));
    p.drawLine(16, height() - 56, width() - 16, height() - 56);
}
