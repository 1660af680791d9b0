#include "CDAudio.h"

#include "CDDevice.h"

#include <QFileInfo>
#include <QHash>

namespace {

struct OpenDrive {
    QString Source;
    TCDToc Toc;
};

QHash<QString, OpenDrive> &OpenDrives()
{
    static QHash<QString, OpenDrive> drives;
    return drives;
}

int FramesOf(const TTocEntry &e)
{
    return (e.Minute * 60 + e.Second) * 75 + e.Frame;
}

int FramesOf(const TMsf &m)
{
    return (m.Minute * 60 + m.Second) * 75 + m.Frame;
}

} // namespace

bool MciOpen(const QString &drive, const QString &alias)
{
    if (alias.isEmpty() || OpenDrives().contains(alias) || !QFileInfo::exists(drive))
        return false;
    OpenDrives().insert(alias, OpenDrive{drive, ReadToc(drive)});
    return true;
}

bool MciMediaPresent(const QString &alias)
{
    const auto it = OpenDrives().constFind(alias);
    return it != OpenDrives().constEnd() && it->Toc.NumTracks > 0;
}

int MciTrackCount(const QString &alias)
{
    const auto it = OpenDrives().constFind(alias);
    return it == OpenDrives().constEnd() ? 0 : it->Toc.NumTracks;
}

bool MciTrackLength(const QString &alias, int n, int &minutes, int &seconds)
{
    minutes = seconds = 0;
    const auto it = OpenDrives().constFind(alias);
    if (it == OpenDrives().constEnd() || n < 1 || n > it->Toc.NumTracks)
        return false;
    const TCDToc &toc = it->Toc;
    const int start = FramesOf(toc.TocTracks[n - 1]);
    const int end = n < toc.NumTracks ? FramesOf(toc.TocTracks[n]) : FramesOf(toc.LeadOut);
    const int totalSeconds = qMax(0, end - start) / 75;
    minutes = totalSeconds / 60;
    seconds = totalSeconds % 60;
    return true;
}

bool MciClose(const QString &alias)
{
    return OpenDrives().remove(alias) > 0;
}
