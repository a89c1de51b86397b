#include "app/report/ReportPageSetup.h"

#include <QPageSize>
#include <QRegularExpression>
#include <optional>

namespace {

std::optional<double> lengthMm(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]*\\.?[0-9]+)\\s*(mm|cm|in|pt|px)?$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2).toLower();
    if (unit == QLatin1String("cm"))
        return value * 10;
    if (unit == QLatin1String("in"))
        return value * 25.4;
    if (unit == QLatin1String("pt"))
        return value * 25.4 / 72;
    if (unit == QLatin1String("px"))
        return value * 25.4 / 96;
    return value; // mm, and a bare number
}

std::optional<QSizeF> namedPaper(const QString &name)
{
    static const struct { const char *name; QPageSize::PageSizeId id; } papers[] = {
        {"a3", QPageSize::A3}, {"a4", QPageSize::A4}, {"a5", QPageSize::A5},
        {"b5", QPageSize::B5}, {"letter", QPageSize::Letter}, {"legal", QPageSize::Legal},
    };
    for (const auto &paper : papers)
        if (name.compare(QLatin1String(paper.name), Qt::CaseInsensitive) == 0)
            return QPageSize(paper.id).size(QPageSize::Millimeter);
    return std::nullopt;
}

void applySize(const QString &value, ReportPageSetup &setup)
{
    const QStringList words = value.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    std::optional<QSizeF> size;
    bool landscape = false;
    bool portrait = false;
    QList<double> lengths;
    for (const QString &word : words) {
        if (word.compare(QLatin1String("landscape"), Qt::CaseInsensitive) == 0)
            landscape = true;
        else if (word.compare(QLatin1String("portrait"), Qt::CaseInsensitive) == 0)
            portrait = true;
        else if (const auto paper = namedPaper(word))
            size = paper;
        else if (const auto length = lengthMm(word))
            lengths.append(*length);
    }
    if (lengths.size() == 2)
        size = QSizeF(lengths.at(0), lengths.at(1));
    if (!size)
        size = setup.paperMm;
    const double shortSide = std::min(size->width(), size->height());
    const double longSide = std::max(size->width(), size->height());
    if (landscape)
        size = QSizeF(longSide, shortSide);
    else if (portrait)
        size = QSizeF(shortSide, longSide);
    setup.paperMm = *size;
}

void applyMargins(const QString &value, ReportPageSetup &setup)
{
    QList<double> m;
    for (const QString &word : value.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        if (const auto length = lengthMm(word))
            m.append(*length);
    switch (m.size()) {
    case 1: setup.marginsMm = QMarginsF(m[0], m[0], m[0], m[0]); break;
    case 2: setup.marginsMm = QMarginsF(m[1], m[0], m[1], m[0]); break;
    case 3: setup.marginsMm = QMarginsF(m[1], m[0], m[1], m[2]); break;
    case 4: setup.marginsMm = QMarginsF(m[3], m[0], m[1], m[2]); break;
    default: break;
    }
}

} // namespace

ReportPageSetup ReportPageSetup::fromStyleSheet(const QString &styleSheet, QString *rest)
{
    ReportPageSetup setup;
    static const QRegularExpression rule(QStringLiteral("@page\\s*\\{([^}]*)\\}"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = rule.match(styleSheet);
    if (rest) {
        *rest = styleSheet;
        if (match.hasMatch())
            rest->remove(match.capturedStart(), match.capturedLength());
    }
    if (!match.hasMatch())
        return setup;
    for (const QString &declaration : match.captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype colon = declaration.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString property = declaration.left(colon).trimmed().toLower();
        const QString value = declaration.mid(colon + 1).trimmed();
        if (property == QLatin1String("size"))
            applySize(value, setup);
        else if (property == QLatin1String("margin"))
            applyMargins(value, setup);
        else if (const auto length = lengthMm(value)) {
            if (property == QLatin1String("margin-top"))
                setup.marginsMm.setTop(*length);
            else if (property == QLatin1String("margin-right"))
                setup.marginsMm.setRight(*length);
            else if (property == QLatin1String("margin-bottom"))
                setup.marginsMm.setBottom(*length);
            else if (property == QLatin1String("margin-left"))
                setup.marginsMm.setLeft(*length);
        }
    }
    return setup;
}

QSizeF ReportPageSetup::paperDots() const { return QSizeF(mmToDots(paperMm.width()), mmToDots(paperMm.height())); }

QRectF ReportPageSetup::contentDots() const
{
    const QSizeF paper = paperDots();
    return QRectF(QPointF(mmToDots(marginsMm.left()), mmToDots(marginsMm.top())),
                  QPointF(paper.width() - mmToDots(marginsMm.right()), paper.height() - mmToDots(marginsMm.bottom())));
}
