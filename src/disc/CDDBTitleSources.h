#pragma once
// The titles the track-list window offers: the local CDDB folder (the
// preference "CDDBFolder") and the CD player database, merged. Artists and
// albums come sorted and each once; the tracks of an album come from the CD
// player database when it has that artist and album, else from the first
// entry of the folder that has them.

#include "CDDBLocalFolder.h"
#include "CDPlayerDatabase.h"

#include <QString>
#include <QStringList>

class TCDDBTitleSources {
public:
    // Reads the folder (none when root is empty) and the database (none when
    // the file is absent).
    void Load(const QString &cddbFolder, const QString &playerIniPath);

    QStringList Artists() const;
    QStringList Albums(const QString &artist) const;
    QStringList Tracks(const QString &artist, const QString &album) const;

    const TEntryFolder &Folder() const { return FFolder; }
    // Why the database could not be read; empty when it could (or is absent).
    QString PlayerError() const { return FPlayerError; }

private:
    TEntryFolder FFolder;
    TCDPlayerIni FPlayer;
    QString FPlayerError;
};

// Sorted as the window's lists are: letter case aside first, then exactly,
// so that equal titles are neighbours.
void SortTitles(QStringList &titles);
