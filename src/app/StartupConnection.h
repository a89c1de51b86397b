#pragma once

#include <QString>

class TdmData;

// What the connection step shows while it works: the splash window.
class StartupSplash
{
public:
    virtual ~StartupSplash() = default;
    virtual void setText(const QString &text) = 0;
    // The splash goes away while the folder is asked for, and comes back after.
    virtual void destroy() = 0;
    virtual void recreate() = 0;
};

// Connects the data module at start-up: the data folder of config.ini (or
// data/ beside the executable), and when that fails, the file dialog asking
// for the folder, again and again until a connection opens or the user
// cancels. Returns the connected flag.
bool connectAtStartup(TdmData &dm, StartupSplash &splash);

// The data folder config.ini names, or the default one.
QString configuredDataFolder(TdmData &dm);
