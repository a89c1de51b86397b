#include "misc/TfrmAboutInfo.h"

#include "app/AppInfo.h"
#include "app/Prompter.h"
#include "misc/PublisherInfo.h"
#include "shell/ShellIcons.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int bannerHeight = 96;

QLabel *link(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setCursor(Qt::PointingHandCursor);
    label->setStyleSheet(QStringLiteral("color: #1a5fb4; text-decoration: underline;"));
    return label;
}

} // namespace

TfrmAboutInfo::TfrmAboutInfo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAboutInfo"));
    setWindowTitle(QStringLiteral("关于我们"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, bannerHeight + 16, 24, 16);
    layout->setSpacing(8);

    auto *product = new QLabel(AppInfo::productName() + AppInfo::versionText(), this);
    product->setObjectName(QStringLiteral("Label1"));
    product->setStyleSheet(QStringLiteral("color: #1d3f72; font-size: 17px; font-weight: bold;"));
    layout->addWidget(product);

    auto *contacts = new QGridLayout;
    contacts->setHorizontalSpacing(6);
    contacts->setVerticalSpacing(6);
    m_website = link(QStringLiteral("Label6"), AppInfo::publisherWebsite(), this);
    m_mail = link(QStringLiteral("Label7"), PublisherInfo::email(), this);
    contacts->addWidget(new QLabel(QStringLiteral("Varnel网站："), this), 0, 0);
    contacts->addWidget(m_website, 0, 1);
    contacts->addWidget(new QLabel(QStringLiteral("联系信箱："), this), 1, 0);
    contacts->addWidget(m_mail, 1, 1);
    contacts->setColumnStretch(1, 1);
    layout->addLayout(contacts);
    m_website->installEventFilter(this);
    m_mail->installEventFilter(this);

    auto *phone = new QLabel(PublisherInfo::servicePhone(), this);
    layout->addWidget(phone);
    auto *promotion = new QLabel(PublisherInfo::promotion(), this);
    promotion->setWordWrap(true);
    promotion->setStyleSheet(QStringLiteral("color: #4a5870;"));
    layout->addSpacing(4);
    layout->addWidget(promotion);
    layout->addStretch(1);
    auto *rights = new QLabel(PublisherInfo::rights(), this);
    rights->setStyleSheet(QStringLiteral("color: #7a8699;"));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(rights, 1);
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    ok->setMinimumSize(84, 28);
    bottom->addWidget(ok);
    layout->addLayout(bottom);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(440, 330);
}

void TfrmAboutInfo::openWebsite() { Prompter::current().openWithSystem(QUrl(AppInfo::publisherWebsite())); }

void TfrmAboutInfo::openMail()
{
    Prompter::current().openWithSystem(QUrl(QStringLiteral("mailto:") + PublisherInfo::email() + QStringLiteral("?subject")));
}

bool TfrmAboutInfo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_website) {
            openWebsite();
            return true;
        }
        if (watched == m_mail) {
            openMail();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAboutInfo::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    ShellIcons::paintBanner(p, QRect(0, 0, width(), bannerHeight), AppInfo::productName().trimmed(),
                            QStringLiteral("计件工资 · 工资核算 · 零币发放"));
}
