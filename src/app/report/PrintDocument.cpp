#include "app/report/PrintDocument.h"

#include <QImage>

QPaintDevice *PrintDocument::layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
        image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
        return image;
    }();
    return &device;
}
