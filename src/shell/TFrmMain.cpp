#include "shell/TFrmMain.h"

#include "app/AppInfo.h"
#include "app/ui/PlaceForm.h"

TFrmMain::TFrmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(caption());
    setPlacementOwner(this);
    PlaceForm(this, 2);
}

QString TFrmMain::caption() { return AppInfo::productName().trimmed() + QLatin1Char(' ') + AppInfo::versionText(); }
