#include "shell/IconShapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace IconShapes {

QBrush shade(const QColor &c, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.lighter(135));
    g.setColorAt(1, c);
    return g;
}

void sheet(QPainter &p, const QRectF &r)
{
    QPainterPath path;
    const qreal fold = r.width() * 0.28;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(ink, 1.6));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.setBrush(QColor(215, 225, 240));
    p.drawPolygon(QPolygonF{QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                            QPointF(r.right(), r.top() + fold)});
}

void lines(QPainter &p, const QRectF &r, int count, const QColor &c)
{
    p.setPen(QPen(c, 2, Qt::SolidLine, Qt::RoundCap));
    const qreal step = r.height() / qMax(1, count - 1);
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(r.left(), r.top() + i * step), QPointF(i % 2 ? r.right() - r.width() / 3 : r.right(), r.top() + i * step));
}

void person(QPainter &p, const QPointF &head, qreal s, const QColor &c)
{
    p.setPen(QPen(c.darker(140), 1.2));
    p.setBrush(shade(c, QRectF(head.x() - 9 * s, head.y() + 6 * s, 18 * s, 14 * s)));
    QPainterPath body;
    body.moveTo(head.x() - 10 * s, head.y() + 21 * s);
    body.cubicTo(head.x() - 10 * s, head.y() + 7 * s, head.x() + 10 * s, head.y() + 7 * s, head.x() + 10 * s, head.y() + 21 * s);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(250, 215, 175));
    p.drawEllipse(head, 5.5 * s, 5.5 * s);
}

void people(QPainter &p, qreal s, qreal dx, qreal dy)
{
    person(p, QPointF(16 * s + dx, 9 * s + dy), 0.85 * s, teal);
    person(p, QPointF(30 * s + dx, 9 * s + dy), 0.85 * s, violet);
    person(p, QPointF(23 * s + dx, 13 * s + dy), 0.95 * s, blue);
}

void database(QPainter &p, const QRectF &r, const QColor &c)
{
    const qreal e = r.height() * 0.22;
    p.setPen(QPen(c.darker(150), 1.4));
    p.setBrush(shade(c, r));
    QPainterPath body;
    body.moveTo(r.left(), r.top() + e / 2);
    body.lineTo(r.left(), r.bottom() - e / 2);
    body.arcTo(QRectF(r.left(), r.bottom() - e, r.width(), e), 180, 180);
    body.lineTo(r.right(), r.top() + e / 2);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(c.lighter(160));
    p.drawEllipse(QRectF(r.left(), r.top(), r.width(), e));
    p.setBrush(Qt::NoBrush);
    for (qreal y : {r.top() + r.height() * 0.38, r.top() + r.height() * 0.64})
        p.drawArc(QRectF(r.left(), y - e / 2, r.width(), e), 180 * 16, 180 * 16);
}

void badge(QPainter &p, const QPointF &c, qreal r, const QColor &colour, const QString &symbol)
{
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(colour);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(Qt::white, r * 0.42, Qt::SolidLine, Qt::RoundCap));
    if (symbol == QLatin1String("+")) {
        p.drawLine(QPointF(c.x() - r * 0.5, c.y()), QPointF(c.x() + r * 0.5, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - r * 0.5), QPointF(c.x(), c.y() + r * 0.5));
    } else if (symbol == QLatin1String("-")) {
        p.drawLine(QPointF(c.x() - r * 0.5, c.y()), QPointF(c.x() + r * 0.5, c.y()));
    } else {
        QFont f;
        f.setPixelSize(int(r * 1.5));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, symbol);
    }
}

void arrow(QPainter &p, const QPointF &from, const QPointF &to, const QColor &c, qreal width)
{
    const QLineF line(from, to);
    QLineF back(to, from);
    back.setLength(width * 2.2);
    const QLineF side = back.normalVector();
    QLineF half = side;
    half.setLength(width * 1.6);
    const QPointF wing = half.p2() - half.p1();
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, back.p2());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF{to, back.p2() + wing, back.p2() - wing});
    Q_UNUSED(line);
}

void bars(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(ink, 1.6));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topLeft());
    const QList<QPair<qreal, QColor>> heights{{0.45, blue}, {0.8, green}, {0.6, orange}, {0.95, red}};
    const qreal w = r.width() / (heights.size() * 1.6 + 0.4);
    for (int i = 0; i < heights.size(); ++i) {
        const QRectF bar(r.left() + w * (0.6 + i * 1.6), r.bottom() - r.height() * heights.at(i).first, w,
                         r.height() * heights.at(i).first - 1);
        p.setPen(QPen(heights.at(i).second.darker(140), 1));
        p.setBrush(shade(heights.at(i).second, bar));
        p.drawRect(bar);
    }
}

void pie(QPainter &p, const QRectF &r)
{
    const QList<QPair<int, QColor>> parts{{130, blue}, {90, green}, {80, orange}, {60, red}};
    int start = 90;
    p.setPen(QPen(Qt::white, 1.5));
    for (const auto &part : parts) {
        p.setBrush(part.second);
        p.drawPie(r, start * 16, part.first * 16);
        start += part.first;
    }
}

void calendar(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 3, 3);
    p.setBrush(c);
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.28), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 160, 180));
    const qreal cw = r.width() / 4, ch = (r.height() * 0.72) / 3.4;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.drawRect(QRectF(r.left() + cw * col + cw * 0.22, r.top() + r.height() * 0.34 + ch * row, cw * 0.56, ch * 0.6));
    p.setBrush(red);
    p.drawRect(QRectF(r.left() + cw * 2 + cw * 0.22, r.top() + r.height() * 0.34 + ch, cw * 0.56, ch * 0.6));
}

void book(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(QPen(c.darker(150), 1.5));
    p.setBrush(shade(c, r));
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.right() - 3, r.top() + 3, 3, r.height() - 6));
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(r.left() + r.width() * 0.25, r.top() + r.height() * 0.3),
               QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.3));
    p.drawLine(QPointF(r.left() + r.width() * 0.25, r.top() + r.height() * 0.45),
               QPointF(r.right() - r.width() * 0.35, r.top() + r.height() * 0.45));
}

void coin(QPainter &p, const QPointF &c, qreal rx, qreal ry)
{
    p.setPen(QPen(QColor(170, 120, 20), 1.3));
    p.setBrush(QColor(200, 150, 30));
    p.drawEllipse(QPointF(c.x(), c.y() + 2.5), rx, ry);
    QRadialGradient g(c, rx);
    g.setColorAt(0, gold.lighter(130));
    g.setColorAt(1, gold);
    p.setBrush(g);
    p.drawEllipse(c, rx, ry);
}

void gear(QPainter &p, const QPointF &c, qreal r, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int a = 0; a < 360; a += 45) {
        p.save();
        p.translate(c);
        p.rotate(a);
        p.drawRoundedRect(QRectF(-r * 0.22, -r * 1.15, r * 0.44, r * 0.6), 1, 1);
        p.restore();
    }
    p.drawEllipse(c, r * 0.85, r * 0.85);
    p.setBrush(Qt::white);
    p.drawEllipse(c, r * 0.35, r * 0.35);
}

void spreadsheet(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(30, 115, 60), 1.6));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(QColor(30, 130, 70));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.2));
    p.setPen(QPen(QColor(120, 170, 130), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(r.left(), r.top() + r.height() * (0.2 + 0.2 * i)), QPointF(r.right(), r.top() + r.height() * (0.2 + 0.2 * i)));
    p.drawLine(QPointF(r.left() + r.width() * 0.35, r.top() + r.height() * 0.2), QPointF(r.left() + r.width() * 0.35, r.bottom()));
}

void magnifier(QPainter &p, const QPointF &c, qreal r)
{
    p.setPen(QPen(QColor(70, 70, 80), r * 0.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(r * 0.7, r * 0.7), c + QPointF(r * 1.7, r * 1.7));
    p.setPen(QPen(QColor(70, 70, 80), r * 0.25));
    p.setBrush(QColor(200, 225, 250, 220));
    p.drawEllipse(c, r, r);
}

void clipboard(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(120, 80, 40), 1.5));
    p.setBrush(shade(QColor(200, 150, 90), r));
    p.drawRoundedRect(r, 3, 3);
    const QRectF paper = r.adjusted(4, 6, -4, -4);
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(paper);
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(r.center().x() - 7, r.top() - 3, 14, 7), 2, 2);
}

void ticks(QPainter &p, const QRectF &paper)
{
    for (int i = 0; i < 3; ++i) {
        const qreal y = paper.top() + 6 + i * 8;
        p.setPen(QPen(green, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(paper.left() + 3, y), QPointF(paper.left() + 5.5, y + 2.5));
        p.drawLine(QPointF(paper.left() + 5.5, y + 2.5), QPointF(paper.left() + 10, y - 3));
        p.setPen(QPen(QColor(150, 160, 180), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(paper.left() + 13, y), QPointF(paper.right() - 3, y));
    }
}

void building(QPainter &p)
{
    const QRectF tower(10, 8, 20, 36);
    p.setPen(QPen(QColor(50, 70, 110), 1.5));
    p.setBrush(shade(QColor(90, 130, 190), tower));
    p.drawRect(tower);
    p.setBrush(shade(QColor(120, 150, 200), QRectF(30, 20, 10, 24)));
    p.drawRect(QRectF(30, 20, 10, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 245, 255));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(13 + col * 5.5, 12 + row * 6, 3, 3.5));
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(17, 37, 6, 7));
}

void key(QPainter &p, const QPointF &at, qreal s)
{
    p.save();
    p.translate(at);
    p.scale(s, s);
    p.rotate(-35);
    p.setPen(QPen(QColor(150, 110, 20), 1.5));
    p.setBrush(shade(gold, QRectF(-8, -8, 16, 16)));
    p.drawEllipse(QPointF(0, 0), 8, 8);
    p.drawRect(QRectF(7, -2.5, 22, 5));
    p.drawRect(QRectF(21, 2, 3.5, 5));
    p.drawRect(QRectF(26, 2, 3, 4));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(-2, 0), 2.8, 2.8);
    p.restore();
}

void shield(QPainter &p, const QRectF &r)
{
    QPainterPath s;
    s.moveTo(r.center().x(), r.top());
    s.lineTo(r.right(), r.top() + r.height() * 0.2);
    s.cubicTo(r.right(), r.top() + r.height() * 0.7, r.center().x() + 2, r.bottom() - 1, r.center().x(), r.bottom());
    s.cubicTo(r.center().x() - 2, r.bottom() - 1, r.left(), r.top() + r.height() * 0.7, r.left(), r.top() + r.height() * 0.2);
    s.closeSubpath();
    p.setPen(QPen(QColor(30, 100, 60), 1.4));
    p.setBrush(shade(green, r));
    p.drawPath(s);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + r.width() * 0.3, r.center().y()), QPointF(r.center().x() - 1, r.bottom() - r.height() * 0.32));
    p.drawLine(QPointF(r.center().x() - 1, r.bottom() - r.height() * 0.32), QPointF(r.right() - r.width() * 0.25, r.top() + r.height() * 0.3));
}

void calculator(QPainter &p)
{
    const QRectF body(11, 5, 26, 38);
    p.setPen(QPen(QColor(50, 55, 70), 1.5));
    p.setBrush(shade(QColor(80, 90, 110), body));
    p.drawRoundedRect(body, 4, 4);
    p.setBrush(QColor(190, 225, 190));
    p.drawRect(QRectF(14, 8, 20, 8));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 3; ++col) {
            p.setBrush(row == 3 && col == 2 ? orange : QColor(225, 228, 235));
            p.drawRoundedRect(QRectF(14 + col * 7, 19 + row * 6, 5.5, 4.5), 1, 1);
        }
}

void box(QPainter &p, const QRectF &r)
{
    const qreal d = r.height() * 0.25;
    p.setPen(QPen(QColor(140, 95, 40), 1.4));
    p.setBrush(QColor(225, 175, 110));
    p.drawPolygon(QPolygonF{QPointF(r.left(), r.top() + d), QPointF(r.left() + d, r.top()), QPointF(r.right(), r.top()),
                            QPointF(r.right() - d, r.top() + d)});
    p.setBrush(shade(QColor(205, 150, 85), r));
    p.drawRect(QRectF(r.left(), r.top() + d, r.width() - d, r.height() - d));
    p.setBrush(QColor(175, 120, 60));
    p.drawPolygon(QPolygonF{QPointF(r.right() - d, r.top() + d), QPointF(r.right(), r.top()), QPointF(r.right(), r.bottom() - d),
                            QPointF(r.right() - d, r.bottom())});
}

void globe(QPainter &p, const QPointF &c, qreal r)
{
    p.setPen(QPen(QColor(20, 90, 150), 1.4));
    QRadialGradient g(c - QPointF(r / 3, r / 3), r * 1.4);
    g.setColorAt(0, QColor(150, 205, 245));
    g.setColorAt(1, QColor(40, 120, 200));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 240, 255), 1.1));
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
}

void trash(QPainter &p)
{
    const QRectF can(13, 14, 22, 28);
    p.setPen(QPen(QColor(70, 80, 95), 1.5));
    p.setBrush(shade(QColor(150, 160, 175), can));
    QPainterPath body;
    body.moveTo(can.left(), can.top());
    body.lineTo(can.right(), can.top());
    body.lineTo(can.right() - 2, can.bottom());
    body.lineTo(can.left() + 2, can.bottom());
    body.closeSubpath();
    p.drawPath(body);
    p.drawRoundedRect(QRectF(10, 9, 28, 5), 2, 2);
    p.drawRoundedRect(QRectF(20, 5, 8, 4), 1, 1);
    p.setPen(QPen(QColor(240, 243, 248), 2));
    for (qreal x : {18.0, 24.0, 30.0})
        p.drawLine(QPointF(x, 18), QPointF(x, 38));
}

void printer(QPainter &p)
{
    p.setPen(QPen(QColor(70, 70, 80), 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 6, 20, 14));
    p.setBrush(shade(QColor(130, 135, 150), QRectF(6, 18, 36, 16)));
    p.drawRoundedRect(QRectF(6, 18, 36, 16), 3, 3);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 30, 20, 13));
    lines(p, QRectF(17, 34, 14, 6), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawEllipse(QPointF(36, 23), 1.8, 1.8);
}

void exitDoor(QPainter &p)
{
    p.setPen(QPen(QColor(110, 80, 50), 1.5));
    p.setBrush(shade(QColor(190, 140, 90), QRectF(10, 6, 22, 36)));
    p.drawRect(QRectF(10, 6, 22, 36));
    p.setBrush(QColor(250, 220, 120));
    p.drawEllipse(QPointF(27, 25), 1.8, 1.8);
    arrow(p, QPointF(26, 24), QPointF(45, 24), red, 4);
}

void relogin(QPainter &p)
{
    person(p, QPointF(20, 9), 1.1, blue);
    p.setPen(QPen(green, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(27, 22, 18, 18), 60 * 16, 260 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(QPolygonF{QPointF(38, 17), QPointF(45, 24), QPointF(36, 26)});
}

} // namespace IconShapes
