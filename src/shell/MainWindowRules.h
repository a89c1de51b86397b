#pragma once

#include "app/GridColumn.h"

#include <QDate>
#include <QDateTime>
#include <QStringList>
#include <functional>

class TdmData;

// What the main window decides on its own: the backup schedule, the wage
// sheet an action opens, the texts of its status bar and clock, the
// operations it runs in place, and the desktop programs of "辅助功能".
class MainWindowRules
{
public:
    // The automatic backup: 1 every day, 2 on Mondays, 3 on the first of the
    // month; anything else never.
    static bool backupDue(int ibak, const QDate &today);
    // Reads ibak from config.ini and backs up when it is due.
    static void runScheduledBackup(TdmData &dm);

    // The key of the latest wage sheet; empty when there is none.
    static QString latestMonth(TdmData &dm);
    // The sheet "员工工资核算" opens: the latest one, or, when no sheet exists
    // yet, the latest after `createFirstSheet` (the new-sheet dialog, true
    // on OK) made one. Empty: nothing to open.
    static QString monthToOpen(TdmData &dm, const std::function<bool()> &createFirstSheet);

    static QString closeQuestion();
    // Shown by an action whose window is not part of this version yet.
    static QString notReadyText();

    static QString operatorPanelText(const QString &operatorName);
    static QString timePanelText(const QDateTime &at);
    static QString clockText(const QDateTime &at);

    // "连接网络数据": asks for a database file and keeps its folder for the
    // next start; the connection in use stays. True when a file was chosen.
    static bool chooseDataFolder(TdmData &dm);

    // "员工资料导出(Excel)": the statement and the columns of the export.
    static QString employeeExportStatement();
    static GridColumns employeeExportColumns();

    // "压缩修复数据": compacts the database in use, says how it went, and
    // leaves the program connected. True when it was compacted.
    static bool compactDatabase(TdmData &dm);

    // Desktop programs, the first installed one is started.
    static QStringList calculatorPrograms();
    static QStringList editorPrograms();
    // The first of the programs found on the search path (or in `folders`).
    static QString findProgram(const QStringList &candidates, const QStringList &folders = {});
    // Starts the calculator / the text editor, or says that none is installed.
    static bool startCalculator(const QStringList &folders = {});
    static bool startEditor(const QStringList &folders = {});

    // The help document beside the program, opened with the desktop's handler.
    static QString helpFilePath();
    static bool openHelp();
    static bool openWebsite();
};
