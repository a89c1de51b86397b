#pragma once

#include <QString>

// Folders beside the executable. Tests point the program folder at a
// temporary directory so that each test has a program folder of its own.
namespace AppPaths {

QString programDir();                 // without a trailing separator
void setProgramDir(const QString &dir);

QString configFile();                 // config.ini
QString defaultDataFolder();          // data/ with its trailing separator
QString reportFolder();               // Qr
QString imagesFolder();               // images
// Where exported workbooks go: the user's documents, Varnel导出.
QString exportFolder();
void setExportFolder(const QString &dir);

// The folder part of a path, ending with a separator ("/a/b/x.mdb" -> "/a/b/").
QString folderWithSeparator(const QString &filePath);

} // namespace AppPaths
