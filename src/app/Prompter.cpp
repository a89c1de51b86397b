#include "app/Prompter.h"

#include <QProcess>

namespace {

// Used where nobody installed a prompter (the companion program): messages
// go to standard error, questions are refused, nothing is opened.
class ConsolePrompter : public Prompter
{
public:
    int showMsg(const QString &text, int kind) override
    {
        const QString title = msgTitle(kind);
        qWarning("%s%s", qPrintable(title.isEmpty() ? QString() : title + QStringLiteral("：")),
                 qPrintable(text));
        return kind == MsgQuestion ? MsgCancel : MsgOk;
    }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }
    QString existingFolder(const FileRequest &) override { return {}; }
    bool inputText(const QString &, const QString &, QString &) override { return false; }
    bool openWithSystem(const QUrl &) override { return false; }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
    bool printerSetup() override { return false; }
};

Prompter *installedPrompter = nullptr;

} // namespace

Prompter &Prompter::current()
{
    static ConsolePrompter console;
    return installedPrompter ? *installedPrompter : console;
}

void Prompter::install(Prompter *prompter) { installedPrompter = prompter; }

QString msgTitle(int kind)
{
    switch (kind) {
    case MsgInformation: return QStringLiteral("提示信息");
    case MsgQuestion: return QStringLiteral("询问信息");
    case MsgWarning: return QStringLiteral("警示信息");
    case MsgError: return QStringLiteral("错误信息");
    default: return {};
    }
}

int ShowMsg(const QString &text, int kind) { return Prompter::current().showMsg(text, kind); }
