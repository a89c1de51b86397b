#include "app/StartupConnection.h"

#include "app/AppPaths.h"
#include "app/DeliveredDatabase.h"
#include "app/Prompter.h"
#include "app/TdmData.h"

QString configuredDataFolder(TdmData &dm)
{
    const QString ds = dm.config().readString(QStringLiteral("config"), QStringLiteral("ds"));
    return ds.trimmed().isEmpty() ? AppPaths::defaultDataFolder() : ds;
}

bool connectAtStartup(TdmData &dm, StartupSplash &splash)
{
    for (;;) {
        // The folder is taken as written: without its final separator the
        // file name runs into it and the file is not found.
        const QString path = configuredDataFolder(dm) + DeliveredDatabase::fileName();
        splash.setText(QStringLiteral("正在连接数据库 ....."));
        if (dm.ADOcnn().open(path)) {
            dm.setConnected(true);
            splash.setText(QStringLiteral("连接成功，正在登录 ..."));
            return true;
        }
        qWarning("cannot open %s: %s", qPrintable(path), qPrintable(dm.ADOcnn().errorText()));
        dm.setConnected(false);
        splash.destroy();
        const QString picked = Prompter::current().openFileName({QString(), AppPaths::programDir(), QString(), {}});
        if (picked.isEmpty())
            return false;
        dm.config().writeString(QStringLiteral("config"), QStringLiteral("ds"), AppPaths::folderWithSeparator(picked));
        splash.recreate();
    }
}
