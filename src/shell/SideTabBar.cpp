#include "shell/SideTabBar.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

SideTabBar::SideTabBar(QWidget *parent) : QTabBar(parent)
{
    setIconSize(QSize(40, 40));
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

bool SideTabBar::event(QEvent *event)
{
    // The hovered tab lights up as the mouse moves over the bar.
    if (event->type() == QEvent::HoverMove || event->type() == QEvent::HoverLeave)
        update();
    return QTabBar::event(event);
}

QSize SideTabBar::tabSizeHint(int) const { return {tabWidth, tabHeight}; }

void SideTabBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, width(), 0);
    back.setColorAt(0, QColor(40, 72, 118));
    back.setColorAt(1, QColor(52, 90, 145));
    p.fillRect(rect(), back);

    const int hovered = tabAt(mapFromGlobal(QCursor::pos()));
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i).adjusted(6, 4, -6, -4);
        const bool current = i == currentIndex();
        if (current) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 251, 253));
            p.drawRoundedRect(r, 6, 6);
            p.setBrush(QColor(245, 160, 40));
            p.drawRoundedRect(QRect(r.left(), r.top() + 8, 4, r.height() - 16), 2, 2);
        } else if (i == hovered && underMouse()) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 40));
            p.drawRoundedRect(r, 6, 6);
        }
        const QSize icon = iconSize();
        const QRect iconRect(r.center().x() - icon.width() / 2, r.top() + 6, icon.width(), icon.height());
        tabIcon(i).paint(&p, iconRect);
        QFont f = font();
        f.setBold(current);
        p.setFont(f);
        p.setPen(current ? QColor(25, 55, 100) : QColor(235, 242, 252));
        p.drawText(QRect(r.left(), iconRect.bottom() + 3, r.width(), r.bottom() - iconRect.bottom() - 3),
                   Qt::AlignHCenter | Qt::AlignTop, tabText(i));
    }
}
