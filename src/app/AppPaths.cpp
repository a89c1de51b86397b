#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString &programDirOverride()
{
    static QString dir;
    return dir;
}
QString &exportFolderOverride()
{
    static QString dir;
    return dir;
}
} // namespace

namespace AppPaths {

QString programDir()
{
    if (!programDirOverride().isEmpty())
        return programDirOverride();
    return QCoreApplication::applicationDirPath();
}

void setProgramDir(const QString &dir) { programDirOverride() = QDir::cleanPath(dir); }

QString configFile() { return programDir() + QStringLiteral("/config.ini"); }
QString defaultDataFolder() { return programDir() + QStringLiteral("/data/"); }
QString reportFolder() { return programDir() + QStringLiteral("/Qr"); }
QString imagesFolder() { return programDir() + QStringLiteral("/images"); }

QString exportFolder()
{
    if (!exportFolderOverride().isEmpty())
        return exportFolderOverride();
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return documents + QStringLiteral("/Varnel导出");
}

void setExportFolder(const QString &dir) { exportFolderOverride() = dir; }

QString folderWithSeparator(const QString &filePath)
{
    QString folder = QFileInfo(filePath).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace AppPaths
