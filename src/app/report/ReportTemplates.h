#pragma once

#include <QString>
#include <QStringList>

// The template files in the folder Qr beside the executable, one per
// template name: <name>.html, HTML with Mustache tags, in UTF-8.
namespace ReportTemplates {

QString filePath(const QString &templateName);

enum class LoadResult { Loaded, Missing, Unreadable };
LoadResult load(const QString &templateName, QString *text);

// Writes the file whole or not at all; false when it could not be written.
bool save(const QString &templateName, const QString &text);

// The message for a template that cannot be used, naming its file.
QString missingMessage(const QString &templateName);
QString unreadableMessage(const QString &templateName);
QString brokenMessage(const QString &templateName, const QString &error);

// The templates the program prints.
QStringList deliveredNames();

// What a new template starts with in the designer.
QString starterText();

} // namespace ReportTemplates
