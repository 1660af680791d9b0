#pragma once
// The CD player database "CDPlayer.ini": one section per disc with ARTIST,
// TITLE, NUMTRACKS and the track titles "0", "1", ... . Read only.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// "CDPlayer.ini" in the per-user configuration folder, beside the program's
// settings file.
QString CDPlayerIniPath();

class TCDPlayerIni {
public:
    // An absent file gives a database without sections (not an error).
    bool Load(const QString &path, QString *error = nullptr);
    QStringList SectionNames() const;
    // Keys compare without regard to case; surrounding blanks are dropped.
    QString ReadString(const QString &section, const QString &key, const QString &def = QString()) const;

    // Every non-empty ARTIST, in section order, once each.
    QStringList Artists() const;
    // TITLE of every section whose ARTIST is artist.
    QStringList Albums(const QString &artist) const;
    // Tracks of the first section with that ARTIST and TITLE; false when no
    // section has both.
    bool Tracks(const QString &artist, const QString &album, QStringList &tracks) const;

private:
    struct Section {
        QString Name;
        QList<QPair<QString, QString>> Values; // key in lower case, value
    };
    const Section *Find(const QString &name) const;
    static QString Value(const Section &s, const QString &key, const QString &def);
    QList<Section> FSections;
};
