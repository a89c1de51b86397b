#include "misc/TFrmUserInfo.h"

#include "app/Prompter.h"
#include "app/TdmData.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TFrmUserInfo::TFrmUserInfo(QWidget *parent) : EditDialog(parent), m_store(TdmData::instance())
{
    setObjectName(QStringLiteral("FrmUserInfo"));
    setWindowTitle(QStringLiteral("公司信息"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(10);
    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(pages, 1);

    auto *main = new QWidget;
    main->setObjectName(QStringLiteral("TabSheet1"));
    auto *form = new QGridLayout(main);
    form->setContentsMargins(18, 16, 18, 16);
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(9);
    const QStringList names{QStringLiteral("edtCode"),      QStringLiteral("edtName"),     QStringLiteral("edtManager"),
                            QStringLiteral("edtPhone"),     QStringLiteral("edtMovePhone"), QStringLiteral("edtHomepage"),
                            QStringLiteral("edtEmail"),     QStringLiteral("edtEnroler")};
    for (int i = 0; i < names.size(); ++i) {
        const CompanyInfoStore::Field &field = CompanyInfoStore::fields().at(i);
        auto *box = new QLineEdit(main);
        box->setObjectName(names.at(i));
        box->setMaxLength(field.maxLength);
        auto *label = new QLabel(field.label + QStringLiteral("："), main);
        label->setBuddy(box);
        form->addWidget(label, i, 0);
        form->addWidget(box, i, 1);
        m_boxes.append(box);
    }
    for (QLineEdit *box : {m_boxes.at(5), m_boxes.at(6)}) {
        box->setCursor(Qt::PointingHandCursor);
        box->setToolTip(QStringLiteral("双击打开"));
        box->installEventFilter(this);
    }
    form->setColumnStretch(1, 1);
    form->setRowStretch(names.size(), 1);
    pages->addTab(main, QStringLiteral("主要资料"));

    auto *other = new QWidget;
    other->setObjectName(QStringLiteral("TabSheet2"));
    auto *otherLayout = new QVBoxLayout(other);
    otherLayout->setContentsMargins(18, 14, 18, 14);
    auto *profileLabel = new QLabel(QStringLiteral("公司简介："), other);
    m_profile = new QPlainTextEdit(other);
    m_profile->setObjectName(QStringLiteral("Mem"));
    profileLabel->setBuddy(m_profile);
    otherLayout->addWidget(profileLabel);
    otherLayout->addWidget(m_profile, 1);
    pages->addTab(other, QStringLiteral("其他资料"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const QList<std::pair<const char *, const char *>> specs{
        {"BitBtn1", "重填"}, {"BitBtn3", "修改"}, {"BitBtn2", "保存"}, {"BitBtn4", "关闭"}};
    QList<QPushButton *> pressed;
    for (const auto &[name, text] : specs) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumSize(80, 28);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        pressed.append(b);
    }
    layout->addLayout(buttons);
    connect(pressed.at(0), &QPushButton::clicked, this, &TFrmUserInfo::clearAll);
    connect(pressed.at(1), &QPushButton::clicked, this, &TFrmUserInfo::load);
    connect(pressed.at(2), &QPushButton::clicked, this, &TFrmUserInfo::save);
    connect(pressed.at(3), &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(470, 372);
    load();
    m_boxes.first()->setFocus();
}

CompanyInfo TFrmUserInfo::entries() const
{
    QStringList v;
    for (const QLineEdit *box : m_boxes)
        v.append(box->text());
    v.append(m_profile->toPlainText());
    return CompanyInfoStore::fromValues(v);
}

void TFrmUserInfo::showInfo(const CompanyInfo &info)
{
    const QStringList v = CompanyInfoStore::values(info);
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes.at(i)->setText(v.at(i));
    m_profile->setPlainText(v.at(8));
}

void TFrmUserInfo::load() { showInfo(m_store.load()); }

void TFrmUserInfo::clearAll() { showInfo({}); }

bool TFrmUserInfo::save() { return m_store.save(entries()); }

void TFrmUserInfo::openHomepage()
{
    const QUrl url = CompanyInfoStore::homepageUrl(m_boxes.at(5)->text());
    if (!url.isEmpty())
        Prompter::current().openWithSystem(url);
}

void TFrmUserInfo::openEmail()
{
    const QUrl url = CompanyInfoStore::mailUrl(m_boxes.at(6)->text());
    if (!url.isEmpty())
        Prompter::current().openWithSystem(url);
}

bool TFrmUserInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_boxes.at(5)) {
            openHomepage();
            return true;
        }
        if (watched == m_boxes.at(6)) {
            openEmail();
            return true;
        }
    }
    return EditDialog::eventFilter(watched, event);
}

void TFrmUserInfo::closeEvent(QCloseEvent *event)
{
    // Closed with "关闭", not from the title bar.
    if (event->spontaneous())
        event->ignore();
    else
        EditDialog::closeEvent(event);
}
