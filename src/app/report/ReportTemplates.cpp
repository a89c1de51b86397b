#include "app/report/ReportTemplates.h"

#include "app/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace ReportTemplates {

QString filePath(const QString &templateName)
{
    return AppPaths::reportFolder() + QLatin1Char('/') + templateName + QStringLiteral(".html");
}

LoadResult load(const QString &templateName, QString *text)
{
    QFile file(filePath(templateName));
    if (!file.exists())
        return LoadResult::Missing;
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult::Unreadable;
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringDecoder::Utf8);
    *text = decoder(bytes);
    // A file saved by another editor in another encoding would print as
    // garbage; say so instead.
    if (decoder.hasError())
        return LoadResult::Unreadable;
    if (text->startsWith(QChar(0xFEFF)))
        text->remove(0, 1);
    return LoadResult::Loaded;
}

bool save(const QString &templateName, const QString &text)
{
    if (!QDir().mkpath(AppPaths::reportFolder()))
        return false;
    QSaveFile file(filePath(templateName));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

QString missingMessage(const QString &templateName)
{
    return QStringLiteral("报表模板文件不存在：") + QDir::toNativeSeparators(filePath(templateName));
}

QString unreadableMessage(const QString &templateName)
{
    return QStringLiteral("报表模板文件无法读取（须为UTF-8编码的文本文件）：") + QDir::toNativeSeparators(filePath(templateName));
}

QString brokenMessage(const QString &templateName, const QString &error)
{
    return QStringLiteral("报表模板文件有错误：") + QDir::toNativeSeparators(filePath(templateName)) + QLatin1Char('\n') + error;
}

QStringList deliveredNames()
{
    return {QStringLiteral("frEmpMan"),      QStringLiteral("frGongXuLeiBiao"), QStringLiteral("frSCJJcountGL"),
            QStringLiteral("frEnterInMan"),  QStringLiteral("frEnterInMan1"),   QStringLiteral("frEnterOutMan"),
            QStringLiteral("frEnterOutMan1"), QStringLiteral("frGongzixiangmu"), QStringLiteral("frMonthWageGL1"),
            QStringLiteral("frGZHStotalTj"), QStringLiteral("frSCJJdetailTj"),  QStringLiteral("frSCJJtotalTJ"),
            QStringLiteral("frYGNBtotalTj"), QStringLiteral("frBMNBtotalTj")};
}

QString starterText()
{
    return QStringLiteral(
        "<html>\n<head>\n<style>\n"
        "@page { size: A4 portrait; margin: 15mm; }\n"
        "body { font-family: 宋体; font-size: 10pt; }\n"
        "h1 { font-size: 16pt; text-align: center; }\n"
        "table.list { border-collapse: collapse; width: 100%; }\n"
        "table.list td, table.list th { border: 1px solid black; padding: 2px; }\n"
        "</style>\n</head>\n<body>\n"
        "{{#PageHeader}}<p>{{CompanyName}}</p>{{/PageHeader}}\n"
        "<h1>报表标题</h1>\n"
        "<p>{{memoDate}}</p>\n"
        "<table class=\"list\" width=\"100%\">\n<thead><tr><th>序号</th></tr></thead>\n"
        "{{#frxDM}}<tr><td>{{RowNo}}</td></tr>\n{{/frxDM}}\n"
        "</table>\n"
        "{{#PageFooter}}<p align=\"center\">第 {{Page}} 页 共 {{TotalPages}} 页</p>{{/PageFooter}}\n"
        "</body>\n</html>\n");
}

} // namespace ReportTemplates
