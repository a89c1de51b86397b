#include "shell/ShellIcons.h"

#include "shell/IconShapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <functional>

namespace {

using namespace IconShapes;

// Every picture is drawn on a 48 x 48 canvas and scaled to the sizes asked for.
using Drawing = std::function<void(QPainter &)>;

QIcon render(const Drawing &draw)
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pix(size, size);
        pix.fill(Qt::transparent);
        QPainter p(&pix);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 48.0, size / 48.0);
        draw(p);
        p.end();
        icon.addPixmap(pix);
    }
    return icon;
}

void drawAction(QPainter &p, const QString &name)
{
    const int code = name.mid(6).toInt();
    switch (code) {
    case 101: building(p); break;
    case 102: key(p, QPointF(12, 30), 1.0); break;
    case 103:
        person(p, QPointF(19, 8), 1.15, blue);
        shield(p, QRectF(26, 22, 18, 22));
        break;
    case 201: {
        const QRectF card(4, 10, 40, 28);
        p.setPen(QPen(QColor(40, 80, 140), 1.5));
        p.setBrush(shade(QColor(215, 230, 250), card));
        p.drawRoundedRect(card, 4, 4);
        person(p, QPointF(15, 15), 0.8, blue);
        lines(p, QRectF(25, 17, 15, 14), 3);
        break;
    }
    case 202:
        box(p, QRectF(4, 14, 30, 28));
        gear(p, QPointF(35, 14), 8, QColor(90, 100, 120));
        break;
    case 203:
        sheet(p, QRectF(8, 4, 28, 38));
        lines(p, QRectF(13, 14, 17, 18), 4);
        badge(p, QPointF(34, 35), 9, orange, QStringLiteral("¥"));
        break;
    case 301: {
        const QRectF board(9, 7, 30, 37);
        clipboard(p, board);
        ticks(p, board.adjusted(4, 6, -4, -4));
        break;
    }
    case 302:
        calculator(p);
        badge(p, QPointF(36, 36), 9, red, QStringLiteral("¥"));
        break;
    case 303:
        coin(p, QPointF(18, 34), 12, 6);
        coin(p, QPointF(18, 27), 12, 6);
        coin(p, QPointF(18, 20), 12, 6);
        coin(p, QPointF(32, 32), 11, 5.5);
        coin(p, QPointF(32, 25), 11, 5.5);
        break;
    case 304:
        sheet(p, QRectF(8, 4, 28, 38));
        lines(p, QRectF(13, 14, 17, 18), 4);
        badge(p, QPointF(34, 35), 9, red, QStringLiteral("-"));
        break;
    case 305:
        sheet(p, QRectF(8, 4, 28, 38));
        lines(p, QRectF(13, 14, 17, 18), 4);
        badge(p, QPointF(34, 35), 9, green, QStringLiteral("+"));
        break;
    case 401:
        database(p, QRectF(4, 6, 26, 34), blue);
        globe(p, QPointF(34, 32), 10);
        break;
    case 402:
        database(p, QRectF(8, 5, 26, 34), teal);
        p.setPen(QPen(orange, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(24, 24, 20, 20), 90 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(orange);
        p.drawPolygon(QPolygonF{QPointF(34, 19), QPointF(40, 24), QPointF(33, 29)});
        break;
    case 403:
        trash(p);
        break;
    case 404:
        spreadsheet(p, QRectF(16, 8, 28, 32));
        arrow(p, QPointF(2, 24), QPointF(22, 24), blue, 4);
        break;
    case 405:
        spreadsheet(p, QRectF(4, 8, 28, 32));
        arrow(p, QPointF(24, 24), QPointF(46, 24), green, 4);
        break;
    case 406:
        database(p, QRectF(11, 12, 26, 26), violet);
        arrow(p, QPointF(24, 1), QPointF(24, 13), orange, 3.5);
        arrow(p, QPointF(24, 47), QPointF(24, 37), orange, 3.5);
        break;
    case 501:
        sheet(p, QRectF(6, 4, 28, 38));
        lines(p, QRectF(11, 13, 17, 20), 5);
        magnifier(p, QPointF(32, 30), 7);
        break;
    case 502: bars(p, QRectF(6, 6, 36, 36)); break;
    case 503:
        spreadsheet(p, QRectF(5, 6, 32, 34));
        badge(p, QPointF(36, 36), 9, orange, QStringLiteral("¥"));
        break;
    case 504:
        pie(p, QRectF(6, 6, 36, 36));
        break;
    case 505:
        bars(p, QRectF(18, 16, 26, 26));
        person(p, QPointF(11, 8), 0.95, blue);
        break;
    case 506:
        bars(p, QRectF(18, 20, 26, 22));
        people(p, 0.8, -4, 0);
        break;
    case 507:
        calendar(p, QRectF(16, 14, 28, 28), red);
        person(p, QPointF(11, 8), 0.95, blue);
        break;
    case 508:
        calendar(p, QRectF(18, 18, 26, 24), red);
        people(p, 0.8, -4, 0);
        break;
    case 509:
        book(p, QRectF(20, 12, 22, 30), QColor(40, 130, 110));
        person(p, QPointF(11, 8), 0.95, blue);
        break;
    case 510:
        book(p, QRectF(22, 16, 20, 27), QColor(40, 130, 110));
        people(p, 0.8, -4, 0);
        break;
    default: break;
    }
}

} // namespace

namespace ShellIcons {

QIcon action(const QString &actionName)
{
    return render([actionName](QPainter &p) { drawAction(p, actionName); });
}

QIcon page(const QString &pageName)
{
    if (pageName == QLatin1String("ti200"))
        return render([](QPainter &p) {
            const QRectF board(9, 7, 30, 37);
            clipboard(p, board);
            ticks(p, board.adjusted(4, 6, -4, -4));
        });
    if (pageName == QLatin1String("ti300"))
        return render([](QPainter &p) { bars(p, QRectF(6, 6, 36, 36)); });
    if (pageName == QLatin1String("ti400"))
        return render([](QPainter &p) {
            p.setPen(QPen(QColor(170, 120, 30), 1.5));
            p.setBrush(shade(QColor(240, 190, 70), QRectF(4, 10, 40, 32)));
            p.drawRoundedRect(QRectF(4, 10, 40, 32), 3, 3);
            p.drawRoundedRect(QRectF(4, 6, 16, 8), 2, 2);
            person(p, QPointF(24, 17), 0.9, blue);
        });
    if (pageName == QLatin1String("ti100"))
        return render([](QPainter &p) {
            gear(p, QPointF(19, 20), 13, QColor(90, 100, 125));
            gear(p, QPointF(35, 35), 8, orange);
        });
    return render([](QPainter &p) {
        database(p, QRectF(8, 5, 32, 38), teal);
    });
}

QIcon tool(const QString &name)
{
    if (name == QLatin1String("relogin"))
        return render(relogin);
    if (name == QLatin1String("printer"))
        return render(printer);
    return render(exitDoor);
}

void paintBanner(QPainter &p, const QRect &area, const QString &title, const QString &subtitle)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(area.topLeft(), area.topRight());
    sky.setColorAt(0.0, QColor(20, 70, 135));
    sky.setColorAt(1.0, QColor(45, 125, 200));
    p.fillRect(area, sky);
    p.setPen(QPen(QColor(255, 255, 255, 28), 10));
    for (int x = area.left() - area.height(); x < area.right(); x += 26)
        p.drawLine(x, area.bottom(), x + area.height(), area.top());

    // The program's mark: a coin with the yuan sign.
    const qreal r = area.height() * 0.3;
    const QPointF centre(area.left() + 16 + r, area.center().y());
    QRadialGradient g(centre - QPointF(r / 3, r / 3), r * 1.5);
    g.setColorAt(0, gold.lighter(140));
    g.setColorAt(1, QColor(205, 150, 20));
    p.setPen(QPen(QColor(255, 240, 200), 2));
    p.setBrush(g);
    p.drawEllipse(centre, r, r);
    QFont mark = p.font();
    mark.setPixelSize(int(r * 1.3));
    mark.setBold(true);
    p.setFont(mark);
    p.setPen(QColor(120, 70, 0));
    p.drawText(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QStringLiteral("¥"));

    const int textLeft = int(centre.x() + r + 14);
    QFont big = p.font();
    big.setPixelSize(qMax(14, area.height() / 4));
    big.setBold(true);
    p.setFont(big);
    p.setPen(Qt::white);
    const QRect titleRect(textLeft, area.top(), area.right() - textLeft - 8, area.height() / 2 + 4);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignBottom, title);
    QFont small = p.font();
    small.setPixelSize(qMax(11, area.height() / 7));
    small.setBold(false);
    p.setFont(small);
    p.setPen(QColor(220, 232, 250));
    p.drawText(QRect(textLeft, area.center().y() + 8, titleRect.width(), area.height() / 2 - 8),
               Qt::AlignLeft | Qt::AlignTop, subtitle);
    p.restore();
}

} // namespace ShellIcons
