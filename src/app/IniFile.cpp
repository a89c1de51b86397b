#include "app/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

IniFile::IniFile(QString path) : m_path(std::move(path)) { reload(); }

void IniFile::reload()
{
    m_sections.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            m_sections.append({trimmed.mid(1, trimmed.size() - 2).trimmed(), {}});
            continue;
        }
        if (m_sections.isEmpty())
            m_sections.append({QString(), {}});
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || trimmed.startsWith(QLatin1Char(';')))
            m_sections.last().entries.append({QString(), line});
        else
            m_sections.last().entries.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
}

const IniFile::Entry *IniFile::find(const QString &section, const QString &key) const
{
    for (const Section &s : m_sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (const Entry &e : s.entries)
            if (!e.key.isEmpty() && e.key.compare(key, Qt::CaseInsensitive) == 0)
                return &e;
    }
    return nullptr;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Entry *e = find(section, key);
    return e ? e->value : defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key).toInt(&ok);
    return ok ? value : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    if (Entry *e = const_cast<Entry *>(find(section, key))) {
        e->value = value;
    } else {
        Section *target = nullptr;
        for (Section &s : m_sections)
            if (!s.name.isEmpty() && s.name.compare(section, Qt::CaseInsensitive) == 0)
                target = &s;
        if (!target) {
            m_sections.append({section, {}});
            target = &m_sections.last();
        }
        // New keys go after the last key, ahead of trailing blank lines.
        qsizetype at = target->entries.size();
        while (at > 0 && target->entries.at(at - 1).key.isEmpty()
               && target->entries.at(at - 1).value.trimmed().isEmpty())
            --at;
        target->entries.insert(at, {key, value});
    }
    save();
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::save() const
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream out(&file);
    for (const Section &s : m_sections) {
        if (!s.name.isEmpty())
            out << '[' << s.name << "]\n";
        for (const Entry &e : s.entries) {
            if (e.key.isEmpty())
                out << e.value << '\n';
            else
                out << e.key << '=' << e.value << '\n';
        }
    }
    out.flush();
    file.commit();
}
