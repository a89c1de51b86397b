#pragma once

#include "app/Prompter.h"

// The prompter of the running program: message boxes, file dialogs and the
// desktop's handlers, modal to the window active at the time.
class WidgetPrompter : public Prompter
{
public:
    int showMsg(const QString &text, int kind) override;
    int showTitledMsg(const QString &title, const QString &text, int kind) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    QString existingFolder(const FileRequest &request) override;
    bool inputText(const QString &title, const QString &label, QString &value) override;
    bool openWithSystem(const QUrl &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool printerSetup() override;
};

// The printer every print of the program goes to, set up once per run.
class QPrinter;
QPrinter &programPrinter();

// "Access数据库|*.MDB|..." pairs as a Qt file-dialog filter.
QString qtFileFilter(const QString &filter);
