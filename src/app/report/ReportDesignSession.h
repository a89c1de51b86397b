#pragma once

#include "app/report/ReportDocument.h"
#include "app/report/ReportInput.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the template designer works on: the text of one template, the data
// it is shown over (also when that has no rows), the names a template can
// use, and saving the text back to its file. The designer window only binds
// its editor, lists and preview to this.
class ReportDesignSession
{
public:
    struct Name
    {
        QString name;
        QString value; // current value or a short description
    };
    struct Category
    {
        QString title;
        QList<Name> names;
    };

    ReportDesignSession(QString templateName, ReportInput input);

    const QString &templateName() const { return m_name; }
    QString filePath() const;
    const QString &text() const { return m_text; }
    void setText(const QString &text);
    bool isModified() const { return m_modified; }
    // A note on how the file was found: empty when it loaded.
    const QString &loadNote() const { return m_note; }

    // The data sets ("frxDM", "frxDD") with their fields, the variables of
    // the category " 自定义变量", the built-in values and the functions.
    QList<Category> categories() const;

    // The report over the current text; an error instead when it is broken.
    ReportDocument::BuildResult build() const;

    // Writes the text to the template file; a failure is reported to the
    // user and leaves the session modified.
    bool save();
    // Asked before the designer closes: saves on OK, drops the edits on
    // Cancel. False only when saving failed (the designer stays open).
    bool confirmClose();

    static QString variablesCategory() { return QStringLiteral(" 自定义变量"); }

private:
    QStringList variableNames() const;

    QString m_name;
    ReportInput m_input;
    QString m_text;
    QString m_note;
    bool m_modified = false;
};
