#pragma once

#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>

// The paper of a template, from the CSS rule "@page" of its style sheet:
//   @page { size: A4 landscape; margin: 12mm 15mm; }
// size: A3, A4, A5, B5, Letter or Legal, with portrait or landscape, or two
// lengths; margin: one to four lengths as in CSS, or margin-top and the like.
// Lengths in mm, cm, in, pt or px. Without a rule: A4 portrait, 15 mm.
struct ReportPageSetup
{
    QSizeF paperMm{210, 297};
    QMarginsF marginsMm{15, 15, 15, 15};

    // Reads the first @page rule; *rest receives the style sheet without it.
    static ReportPageSetup fromStyleSheet(const QString &styleSheet, QString *rest = nullptr);

    // In document units (1/96 inch).
    QSizeF paperDots() const;
    QRectF contentDots() const;

    static double mmToDots(double mm) { return mm / 25.4 * 96.0; }
};
