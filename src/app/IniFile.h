#pragma once

#include <QList>
#include <QString>

// config.ini, read once and kept for the run. Sections and keys compare
// without case ("config" and "Config" are one section). Every change is
// written through at once; a failed write is ignored.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    int readInteger(const QString &section, const QString &key, int defaultValue = 0) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    // Reads the file again (for a second handle opened on the same file).
    void reload();

private:
    struct Entry
    {
        QString key;   // empty for comments and blank lines
        QString value; // the raw line for comments
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };

    const Entry *find(const QString &section, const QString &key) const;
    void save() const;

    QString m_path;
    QList<Section> m_sections; // the first may be nameless: lines before any header
};
