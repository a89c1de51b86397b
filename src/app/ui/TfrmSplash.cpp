#include "app/ui/TfrmSplash.h"

#include "app/AppInfo.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

TfrmSplash::TfrmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(AppInfo::applicationTitle());
    setFixedSize(470, 294);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setStyleSheet(QStringLiteral("color: white;"));
    m_label->setGeometry(24, 264, 420, 20);
    m_label->setText(QStringLiteral("系统正在启动，请稍候 ....."));
}

void TfrmSplash::setStatus(const QString &text)
{
    m_label->setText(text);
    m_label->repaint();
}

QString TfrmSplash::status() const { return m_label->text(); }

void TfrmSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(24, 78, 140));
    sky.setColorAt(1.0, QColor(10, 34, 70));
    p.fillRect(rect(), sky);
    p.setPen(QColor(255, 255, 255, 40));
    for (int x = -height(); x < width(); x += 18)
        p.drawLine(x, height(), x + height(), 0);

    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(22);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 70, width(), 50), Qt::AlignCenter, AppInfo::productName().trimmed());
    QFont sub = font();
    sub.setPointSize(12);
    p.setFont(sub);
    p.drawText(QRect(0, 125, width(), 30), Qt::AlignCenter,
               QStringLiteral("计件工资 · 工资核算 · 零币发放 ") + AppInfo::versionText());
    p.setPen(QColor(255, 255, 255, 120));
    p.drawLine(24, 254, width() - 24, 254);
}
