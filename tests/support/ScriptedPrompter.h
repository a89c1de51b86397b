#pragma once

#include "app/Prompter.h"

#include <QList>
#include <QQueue>

// A prompter for tests: records every prompt and answers from a script.
// Questions are answered from questionAnswers (OK when the script is empty),
// file and folder dialogs from fileAnswers (cancelled when empty), input
// boxes from inputAnswers (cancelled when empty).
class ScriptedPrompter : public Prompter
{
public:
    struct Prompt
    {
        QString kind; // information, question, warning, error, plain, open-file, save-file, folder, input, open, start
        QString text;
        bool operator==(const Prompt &) const = default;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    QList<Prompt> prompts;
    QQueue<int> questionAnswers;
    QQueue<QString> fileAnswers;
    QQueue<QString> inputAnswers;
    QList<FileRequest> fileRequests;
    bool openSucceeds = true;
    bool startSucceeds = true;

    // The texts of the prompts of one kind (all kinds when empty).
    QStringList texts(const QString &kind = {}) const;
    void clear() { prompts.clear(); fileRequests.clear(); }

    int showMsg(const QString &text, int kind) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    QString existingFolder(const FileRequest &request) override;
    bool inputText(const QString &title, const QString &label, QString &value) override;
    bool openWithSystem(const QUrl &url) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool printerSetup() override;

private:
    QString answerFile(const QString &kind, const FileRequest &request);
};

QDebug operator<<(QDebug debug, const ScriptedPrompter::Prompt &prompt);
namespace QTest {
char *toString(const ScriptedPrompter::Prompt &prompt);
}
