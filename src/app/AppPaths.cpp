#include "app/AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString &programDirOverride()
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

QString folderWithSeparator(const QString &filePath)
{
    QString folder = QFileInfo(filePath).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace AppPaths
