#include "CDDBTitleSources.h"

#include <algorithm>

void SortTitles(QStringList &titles)
{
    std::sort(titles.begin(), titles.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

void TCDDBTitleSources::Load(const QString &cddbFolder, const QString &playerIniPath)
{
    FFolder = LoadEntryFolder(cddbFolder);
    FPlayerError.clear();
    if (!FPlayer.Load(playerIniPath, &FPlayerError))
        FPlayer = TCDPlayerIni();
}

QStringList TCDDBTitleSources::Artists() const
{
    QStringList artists = FFolder.Artists;
    for (const QString &artist : FPlayer.Artists())
        if (!artists.contains(artist))
            artists << artist;
    SortTitles(artists);
    return artists;
}

QStringList TCDDBTitleSources::Albums(const QString &artist) const
{
    // No artist, no album: entries without one are not offered.
    if (artist.isEmpty())
        return {};
    QStringList albums = FPlayer.Albums(artist);
    for (const TCDDB_File &entry : FFolder.EntryTable)
        if (entry.Artist == artist)
            albums << entry.Title;
    SortTitles(albums);
    albums.erase(std::unique(albums.begin(), albums.end()), albums.end());
    return albums;
}

QStringList TCDDBTitleSources::Tracks(const QString &artist, const QString &album) const
{
    QStringList tracks;
    if (FPlayer.Tracks(artist, album, tracks))
        return tracks;
    for (const TCDDB_File &entry : FFolder.EntryTable)
        if (entry.Artist == artist && entry.Title == album)
            return entry.Tracks.mid(0, entry.TrackCount);
    return {};
}
