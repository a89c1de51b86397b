#pragma once

#include <QBrush>
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

// The shapes the program's pictures are made of, each drawn on a 48 x 48
// canvas: papers, people, databases, charts, coins and the like.
namespace IconShapes {

inline const QColor ink{60, 70, 90};
inline const QColor blue{45, 110, 200};
inline const QColor green{40, 150, 80};
inline const QColor red{205, 60, 50};
inline const QColor orange{235, 145, 35};
inline const QColor gold{235, 185, 40};
inline const QColor teal{30, 150, 150};
inline const QColor violet{120, 80, 180};

QBrush shade(const QColor &c, const QRectF &r);
void sheet(QPainter &p, const QRectF &r);
// Lines of text on a paper; every second one shorter.
void lines(QPainter &p, const QRectF &r, int count, const QColor &c = QColor(150, 160, 180));
void person(QPainter &p, const QPointF &head, qreal s, const QColor &c);
void people(QPainter &p, qreal s = 1.0, qreal dx = 0, qreal dy = 0);
void database(QPainter &p, const QRectF &r, const QColor &c);
void badge(QPainter &p, const QPointF &c, qreal r, const QColor &colour, const QString &symbol);
void arrow(QPainter &p, const QPointF &from, const QPointF &to, const QColor &c, qreal width = 4);
void bars(QPainter &p, const QRectF &r);
void pie(QPainter &p, const QRectF &r);
void calendar(QPainter &p, const QRectF &r, const QColor &c);
void book(QPainter &p, const QRectF &r, const QColor &c);
void coin(QPainter &p, const QPointF &c, qreal rx, qreal ry);
void gear(QPainter &p, const QPointF &c, qreal r, const QColor &colour);
void spreadsheet(QPainter &p, const QRectF &r);
void magnifier(QPainter &p, const QPointF &c, qreal r);
void clipboard(QPainter &p, const QRectF &r);
void ticks(QPainter &p, const QRectF &paper);
void building(QPainter &p);
void key(QPainter &p, const QPointF &at, qreal s);
void shield(QPainter &p, const QRectF &r);
void calculator(QPainter &p);
void box(QPainter &p, const QRectF &r);
void globe(QPainter &p, const QPointF &c, qreal r);
void trash(QPainter &p);
void printer(QPainter &p);
void exitDoor(QPainter &p);
void relogin(QPainter &p);

} // namespace IconShapes
