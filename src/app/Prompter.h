#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The four kinds of message box; any other value shows a plain box.
enum MsgKind : int {
    MsgInformation = 0, // "提示信息"
    MsgQuestion = 1,    // "询问信息", OK and Cancel
    MsgWarning = 2,     // "警示信息"
    MsgError = 3,       // "错误信息"
    MsgPlain = 9,       // no title, no icon
};

enum MsgResult : int { MsgOk = 1, MsgCancel = 2 };

struct FileRequest
{
    QString title;   // empty: the dialog's own title
    QString folder;  // where the dialog starts
    QString filter;  // "Access数据库|*.MDB" style; empty: every file
    QString fileName; // suggested name (save dialogs)
};

// Everything the program asks the user or hands to the desktop goes through
// here. The program installs the widget implementation; tests install a
// scripted one that records every prompt and answers from a script.
class Prompter
{
public:
    virtual ~Prompter() = default;

    virtual int showMsg(const QString &text, int kind) = 0;
    // A message box of one of the kinds under a title of its own.
    virtual int showTitledMsg(const QString &title, const QString &text, int kind)
    {
        Q_UNUSED(title);
        return showMsg(text, kind);
    }
    // Empty when the user cancels.
    virtual QString openFileName(const FileRequest &request) = 0;
    virtual QString saveFileName(const FileRequest &request) = 0;
    virtual QString existingFolder(const FileRequest &request) = 0;
    // False when the user cancels; value holds the default on entry.
    virtual bool inputText(const QString &title, const QString &label, QString &value) = 0;
    // Opens a file or address with the desktop's handler.
    virtual bool openWithSystem(const QUrl &url) = 0;
    // Starts a program without waiting for it.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
    // The printer set-up dialog for the program's printer; false on cancel.
    virtual bool printerSetup() = 0;

    static Prompter &current();
    // Installs a prompter (not owned).
    static void install(Prompter *prompter);
};

// Title of a message box of the given kind.
QString msgTitle(int kind);

// Shows a message box of one of the four kinds; returns MsgOk or MsgCancel.
int ShowMsg(const QString &text, int kind);
