#include "CDPlayerDatabase.h"

#include "CDDBParser.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString CDPlayerIniPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Renvald/CDPlayer.ini");
}

bool TCDPlayerIni::Load(const QString &path, QString *error)
{
    FSections.clear();
    if (!QFileInfo::exists(path))
        return true;
    QStringList lines;
    // A collection of thousands of discs is a few megabytes.
    constexpr qint64 MaxDatabaseSize = 64 * 1024 * 1024;
    if (!ReadEntryLines(path, lines, error, MaxDatabaseSize))
        return false;
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            FSections.append(Section{line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || FSections.isEmpty())
            continue;
        FSections.last().Values.append({line.left(eq).trimmed().toLower(), line.mid(eq + 1).trimmed()});
    }
    return true;
}

QStringList TCDPlayerIni::SectionNames() const
{
    QStringList names;
    for (const Section &s : FSections)
        names << s.Name;
    return names;
}

const TCDPlayerIni::Section *TCDPlayerIni::Find(const QString &name) const
{
    for (const Section &s : FSections)
        if (s.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

QString TCDPlayerIni::Value(const Section &s, const QString &key, const QString &def)
{
    const QString k = key.toLower();
    for (const auto &v : s.Values)
        if (v.first == k)
            return v.second;
    return def;
}

QString TCDPlayerIni::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const Section *s = Find(section);
    return s ? Value(*s, key, def) : def;
}

QStringList TCDPlayerIni::Artists() const
{
    QStringList artists;
    for (const Section &s : FSections) {
        const QString a = Value(s, QStringLiteral("ARTIST"), QString());
        if (!a.isEmpty() && !artists.contains(a))
            artists << a;
    }
    return artists;
}

QStringList TCDPlayerIni::Albums(const QString &artist) const
{
    QStringList albums;
    for (const Section &s : FSections)
        if (Value(s, QStringLiteral("ARTIST"), QString()) == artist)
            albums << Value(s, QStringLiteral("TITLE"), QString());
    return albums;
}

bool TCDPlayerIni::Tracks(const QString &artist, const QString &album, QStringList &tracks) const
{
    tracks.clear();
    for (const Section &s : FSections) {
        if (Value(s, QStringLiteral("ARTIST"), QString()) != artist
            || Value(s, QStringLiteral("TITLE"), QString()) != album)
            continue;
        // A disc has at most 99 tracks; a larger count is a damaged file and
        // must not turn into a long loop.
        const int n = qBound(0, Value(s, QStringLiteral("NUMTRACKS"), QStringLiteral("0")).toInt(), 99);
        for (int i = 0; i < n; ++i)
            tracks << Value(s, QString::number(i), QString());
        return true;
    }
    return false;
}
