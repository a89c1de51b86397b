#include "app/ui/ToolIcons.h"

#include "app/ui/WorkWindow.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap canvas() { QPixmap p(48, 48); p.fill(Qt::transparent); return p; }

void page(QPainter &p, const QColor &fold)
{
    QPainterPath sheet;
    sheet.moveTo(10, 4); sheet.lineTo(30, 4); sheet.lineTo(38, 12); sheet.lineTo(38, 44); sheet.lineTo(10, 44);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(90, 100, 120), 2));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(fold);
    p.drawPolygon(QPolygon{QPoint(30, 4), QPoint(30, 12), QPoint(38, 12)});
}

void arrow(QPainter &p, bool left, bool bar, bool doubleHead)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 200));
    auto head = [&](int x) {
        if (left)
            p.drawPolygon(QPolygon{QPoint(x, 24), QPoint(x + 14, 12), QPoint(x + 14, 36)});
        else
            p.drawPolygon(QPolygon{QPoint(x + 14, 24), QPoint(x, 12), QPoint(x, 36)});
    };
    if (doubleHead) {
        head(left ? 16 : 8);
        head(left ? 28 : 22);
    } else {
        head(17);
    }
    if (bar)
        p.drawRect(left ? 8 : 36, 12, 4, 24);
}

} // namespace

QIcon toolIcon(Tool tool)
{
    QPixmap pix = canvas();
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor green(40, 150, 70);
    const QColor red(200, 50, 50);
    switch (tool) {
    case Tool::New:
        page(p, QColor(220, 230, 245));
        p.setPen(QPen(green, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(24, 18, 24, 36); p.drawLine(15, 27, 33, 27);
        break;
    case Tool::Edit:
        page(p, QColor(220, 230, 245));
        p.setPen(QPen(QColor(230, 150, 30), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(16, 38, 34, 18);
        break;
    case Tool::Del:
        p.setPen(QPen(red, 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(12, 12, 36, 36); p.drawLine(36, 12, 12, 36);
        break;
    case Tool::Save:
        p.setPen(QPen(QColor(40, 70, 140), 2)); p.setBrush(QColor(70, 110, 190));
        p.drawRoundedRect(8, 8, 32, 32, 3, 3);
        p.setBrush(Qt::white); p.drawRect(15, 8, 18, 12); p.drawRect(13, 28, 22, 12);
        break;
    case Tool::Cancel:
        p.setPen(QPen(red, 4)); p.setBrush(Qt::NoBrush);
        p.drawEllipse(8, 8, 32, 32); p.drawLine(14, 34, 34, 14);
        break;
    case Tool::Query:
        p.setPen(QPen(QColor(60, 60, 70), 5, Qt::SolidLine, Qt::RoundCap)); p.setBrush(QColor(200, 225, 250));
        p.drawEllipse(8, 8, 22, 22); p.drawLine(27, 27, 40, 40);
        break;
    case Tool::First: arrow(p, true, true, false); break;
    case Tool::Prior: arrow(p, true, false, true); break;
    case Tool::Next: arrow(p, false, false, true); break;
    case Tool::Last: arrow(p, false, true, false); break;
    case Tool::Refresh:
        p.setPen(QPen(green, 5, Qt::SolidLine, Qt::RoundCap)); p.setBrush(Qt::NoBrush);
        p.drawArc(10, 10, 28, 28, 30 * 16, 280 * 16);
        p.setPen(Qt::NoPen); p.setBrush(green);
        p.drawPolygon(QPolygon{QPoint(30, 4), QPoint(40, 16), QPoint(27, 18)});
        break;
    case Tool::Print:
        p.setPen(QPen(QColor(70, 70, 80), 2)); p.setBrush(Qt::white); p.drawRect(14, 6, 20, 14);
        p.setBrush(QColor(150, 155, 165)); p.drawRoundedRect(6, 18, 36, 16, 3, 3);
        p.setBrush(Qt::white); p.drawRect(14, 30, 20, 12);
        break;
    case Tool::Set:
        p.setPen(QPen(QColor(90, 90, 100), 6)); p.setBrush(Qt::NoBrush);
        for (int a = 0; a < 180; a += 45) {
            p.save(); p.translate(24, 24); p.rotate(a); p.drawLine(-16, 0, 16, 0); p.restore();
        }
        p.setBrush(QColor(200, 200, 210)); p.setPen(QPen(QColor(90, 90, 100), 3)); p.drawEllipse(14, 14, 20, 20);
        p.setBrush(Qt::white); p.drawEllipse(20, 20, 8, 8);
        break;
    case Tool::Export:
        p.setPen(QPen(QColor(30, 120, 60), 2)); p.setBrush(QColor(225, 245, 230)); p.drawRect(6, 8, 28, 32);
        for (int y = 16; y < 40; y += 8) p.drawLine(6, y, 34, y);
        p.drawLine(18, 8, 18, 40);
        p.setPen(Qt::NoPen); p.setBrush(QColor(30, 120, 60));
        p.drawPolygon(QPolygon{QPoint(44, 28), QPoint(32, 18), QPoint(32, 38)});
        break;
    case Tool::Exit:
        p.setPen(QPen(QColor(110, 80, 50), 2)); p.setBrush(QColor(190, 140, 90)); p.drawRect(12, 6, 22, 36);
        p.setPen(Qt::NoPen); p.setBrush(red);
        p.drawPolygon(QPolygon{QPoint(46, 24), QPoint(34, 14), QPoint(34, 34)}); p.drawRect(24, 20, 12, 8);
        break;
    }
    p.end();
    return QIcon(pix);
}
