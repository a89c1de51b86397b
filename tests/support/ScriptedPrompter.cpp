#include "support/ScriptedPrompter.h"

#include <QDebug>
#include <QTest>

ScriptedPrompter::ScriptedPrompter() { Prompter::install(this); }

ScriptedPrompter::~ScriptedPrompter() { Prompter::install(nullptr); }

QStringList ScriptedPrompter::texts(const QString &kind) const
{
    QStringList result;
    for (const Prompt &p : prompts)
        if (kind.isEmpty() || p.kind == kind)
            result.append(p.text);
    return result;
}

int ScriptedPrompter::showMsg(const QString &text, int kind)
{
    static const char *const names[] = {"information", "question", "warning", "error"};
    prompts.append({kind >= 0 && kind <= 3 ? QString::fromLatin1(names[kind]) : QStringLiteral("plain"), text});
    if (kind != MsgQuestion)
        return MsgOk;
    return questionAnswers.isEmpty() ? MsgOk : questionAnswers.dequeue();
}

QString ScriptedPrompter::answerFile(const QString &kind, const FileRequest &request)
{
    prompts.append({kind, request.title});
    fileRequests.append(request);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QString ScriptedPrompter::openFileName(const FileRequest &request) { return answerFile(QStringLiteral("open-file"), request); }

QString ScriptedPrompter::saveFileName(const FileRequest &request) { return answerFile(QStringLiteral("save-file"), request); }

QString ScriptedPrompter::existingFolder(const FileRequest &request) { return answerFile(QStringLiteral("folder"), request); }

bool ScriptedPrompter::inputText(const QString &title, const QString &label, QString &value)
{
    prompts.append({QStringLiteral("input"), title + QLatin1Char('|') + label});
    if (inputAnswers.isEmpty())
        return false;
    value = inputAnswers.dequeue();
    return true;
}

bool ScriptedPrompter::openWithSystem(const QUrl &url)
{
    prompts.append({QStringLiteral("open"), url.toString()});
    return openSucceeds;
}

bool ScriptedPrompter::startProgram(const QString &program, const QStringList &arguments)
{
    prompts.append({QStringLiteral("start"), (QStringList{program} + arguments).join(QLatin1Char(' '))});
    return startSucceeds;
}

bool ScriptedPrompter::printerSetup()
{
    prompts.append({QStringLiteral("printer-setup"), QString()});
    return true;
}

QDebug operator<<(QDebug debug, const ScriptedPrompter::Prompt &prompt)
{
    return debug << prompt.kind << prompt.text;
}

char *QTest::toString(const ScriptedPrompter::Prompt &prompt)
{
    return QTest::toString(prompt.kind + QStringLiteral(": ") + prompt.text);
}
