#include "shell/MainWindowRules.h"

#include "app/AppInfo.h"
#include "app/AppPaths.h"
#include "app/Clock.h"
#include "app/Prompter.h"
#include "app/SqliteFile.h"
#include "app/TdmData.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

bool startFirstInstalled(const QStringList &candidates, const QStringList &folders, const QString &missingText)
{
    const QString program = MainWindowRules::findProgram(candidates, folders);
    if (program.isEmpty()) {
        ShowMsg(missingText, MsgInformation);
        return false;
    }
    if (!Prompter::current().startProgram(program, {})) {
        ShowMsg(QStringLiteral("无法启动程序：") + program, MsgInformation);
        return false;
    }
    return true;
}

} // namespace

bool MainWindowRules::backupDue(int ibak, const QDate &today)
{
    switch (ibak) {
    case 1: return true;
    case 2: return today.dayOfWeek() == Qt::Monday;
    case 3: return today.day() == 1;
    default: return false;
    }
}

void MainWindowRules::runScheduledBackup(TdmData &dm)
{
    if (backupDue(dm.config().readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0), Clock::current().today()))
        dm.AutoBackup();
}

QString MainWindowRules::latestMonth(TdmData &dm)
{
    return dm.QueryString(QStringLiteral("select max(F_TableName) from wg_Month")).trimmed();
}

QString MainWindowRules::monthToOpen(TdmData &dm, const std::function<bool()> &createFirstSheet)
{
    const QString latest = latestMonth(dm);
    if (!latest.isEmpty())
        return latest;
    if (!createFirstSheet || !createFirstSheet())
        return {};
    return latestMonth(dm);
}

QString MainWindowRules::closeQuestion()
{
    return QStringLiteral("真的要退出“") + AppInfo::productName() + QStringLiteral("”软件吗？");
}

QString MainWindowRules::notReadyText() { return QStringLiteral("该功能正在开发中，敬请期待。"); }

QString MainWindowRules::operatorPanelText(const QString &operatorName) { return QLatin1Char(' ') + operatorName; }

QString MainWindowRules::timePanelText(const QDateTime &at)
{
    return QLatin1Char(' ') + at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString MainWindowRules::clockText(const QDateTime &at) { return at.toString(QStringLiteral("hh:mm:ss")); }

bool MainWindowRules::chooseDataFolder(TdmData &dm)
{
    FileRequest request;
    request.title = QStringLiteral("连接网络数据库");
    request.filter = QStringLiteral("Access数据库|*.MDB");
    request.folder = AppPaths::programDir();
    const QString picked = Prompter::current().openFileName(request);
    if (picked.isEmpty())
        return false;
    // Used from the next start; the connection in use is not touched.
    dm.config().writeString(QStringLiteral("config"), QStringLiteral("ds"), AppPaths::folderWithSeparator(picked));
    return true;
}

QString MainWindowRules::employeeExportStatement() { return QStringLiteral("select * from t_employee order by F_ID"); }

GridColumns MainWindowRules::employeeExportColumns()
{
    return {GridColumn::text(QStringLiteral("F_Code"), QStringLiteral("编号")),
            GridColumn::text(QStringLiteral("F_Name"), QStringLiteral("姓名")),
            GridColumn::text(QStringLiteral("F_Sex"), QStringLiteral("性别"), 50),
            GridColumn::text(QStringLiteral("F_Dept"), QStringLiteral("部门")),
            GridColumn::text(QStringLiteral("F_Duty"), QStringLiteral("职务")),
            GridColumn::text(QStringLiteral("F_Phone"), QStringLiteral("联系电话"), 100),
            GridColumn::text(QStringLiteral("F_bank"), QStringLiteral("银行帐号"), 140),
            GridColumn::text(QStringLiteral("F_Mem"), QStringLiteral("备注"), 160)};
}

bool MainWindowRules::compactDatabase(TdmData &dm)
{
    Database &db = dm.ADOcnn();
    // The file actually in use, wherever config.ini points: compacting the
    // delivered file beside the program would leave the office's data as it was.
    const QString path = db.filePath();
    db.close();
    const bool compacted = !path.isEmpty() && CompactDatabaseFile(path, QString::fromLatin1(DatabasePassword));
    db.ensureOpen();
    if (compacted)
        ShowMsg(QStringLiteral("压缩数据库成功！"), MsgInformation);
    else
        ShowMsg(QStringLiteral("压缩数据库失败！"), MsgError);
    return compacted;
}

QStringList MainWindowRules::calculatorPrograms()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"), QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
}

QStringList MainWindowRules::editorPrograms()
{
    return {QStringLiteral("gedit"), QStringLiteral("gnome-text-editor"), QStringLiteral("kate"),
            QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("xed"), QStringLiteral("pluma"),
            QStringLiteral("leafpad"), QStringLiteral("featherpad")};
}

QString MainWindowRules::findProgram(const QStringList &candidates, const QStringList &folders)
{
    for (const QString &name : candidates) {
        const QString found = QStandardPaths::findExecutable(name, folders);
        if (!found.isEmpty())
            return found;
    }
    return {};
}

bool MainWindowRules::startCalculator(const QStringList &folders)
{
    return startFirstInstalled(calculatorPrograms(), folders,
                               QStringLiteral("没有找到计算器程序，请先在系统中安装一个计算器（例如 gnome-calculator 或 kcalc）。"));
}

bool MainWindowRules::startEditor(const QStringList &folders)
{
    return startFirstInstalled(editorPrograms(), folders,
                               QStringLiteral("没有找到文本编辑器程序，请先在系统中安装一个文本编辑器（例如 gedit 或 mousepad）。"));
}

QString MainWindowRules::helpFilePath() { return QDir(AppPaths::programDir()).filePath(QStringLiteral("help.html")); }

bool MainWindowRules::openHelp()
{
    const QString path = helpFilePath();
    if (!QFileInfo(path).isFile()) {
        ShowMsg(QStringLiteral("没有找到帮助文件：") + QDir::toNativeSeparators(path), MsgInformation);
        return false;
    }
    if (!Prompter::current().openWithSystem(QUrl::fromLocalFile(path))) {
        ShowMsg(QStringLiteral("没有找到可以打开帮助文件的程序，帮助文件位于：") + QDir::toNativeSeparators(path),
                MsgInformation);
        return false;
    }
    return true;
}

bool MainWindowRules::openWebsite() { return Prompter::current().openWithSystem(QUrl(AppInfo::publisherWebsite())); }
