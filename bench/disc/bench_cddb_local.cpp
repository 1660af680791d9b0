// Lookups in a local CDDB folder the size of a real copy's slice: 100,000
// generated entry files in eleven category folders under /tmp. Prints the
// time of a hit (at 1,000 files and at 100,000, which must not differ much),
// of a miss (every file is looked at) and of the track-list window's folder
// scan. The folder is deleted afterwards.

#include "CDDBLocalFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const char *const Categories[] = {"blues", "classical", "country", "data", "folk", "jazz",
                                  "misc", "newage", "reggae", "rock", "soundtrack"};

QString IdOf(int n)
{
    // A checksum-like first byte over a unique rest.
    const quint32 id = (quint32(n * 37 % 255) << 24) | quint32(n);
    return QStringLiteral("%1").arg(id, 8, 16, QLatin1Char('0'));
}

void WriteEntries(const QString &root, int from, int to)
{
    for (int n = from; n < to; ++n) {
        const QString id = IdOf(n);
        QByteArray text = "# xmcd\n#\n# Track frame offsets:\n";
        for (int t = 0; t < 12; ++t)
            text += "#       " + QByteArray::number(150 + t * 20000) + "\n";
        text += "#\n# Disc length: 3200 seconds\n#\n# Revision: 1\n#\n";
        text += "DISCID=" + id.toLatin1() + "\nDTITLE=Artist " + QByteArray::number(n % 5000) + " / Album "
                + QByteArray::number(n) + "\nDYEAR=1999\nDGENRE=Rock\n";
        for (int t = 0; t < 12; ++t)
            text += "TTITLE" + QByteArray::number(t) + "=Track " + QByteArray::number(t + 1) + "\n";
        text += "EXTD=\nPLAYORDER=\n";
        QFile f(root + QLatin1Char('/') + QLatin1String(Categories[n % 11]) + QLatin1Char('/') + id);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(f.fileName()));
    }
}

// Median of runs, in milliseconds.
double Median(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double HitTime(const QString &root, int count)
{
    return Median(21, [&] {
        QString file;
        TCDDBDisc disc;
        const QString id = IdOf(count / 2 + 7);
        if (!FindLocalEntryFile(root, id, file, disc))
            qFatal("hit expected for %s", qPrintable(id));
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir(QStringLiteral("/tmp/tarvik-bench-cddb-XXXXXX"));
    const QString root = dir.path();
    for (const char *c : Categories)
        QDir(root).mkdir(QLatin1String(c));

    QElapsedTimer gen;
    gen.start();
    WriteEntries(root, 0, 1000);
    const double hitSmall = HitTime(root, 1000);
    WriteEntries(root, 1000, 100000);
    std::printf("generated 100,000 entry files in %.1f s\n", gen.elapsed() / 1000.0);

    const double hitLarge = HitTime(root, 100000);
    const double miss = Median(3, [&] {
        QString file;
        TCDDBDisc disc;
        if (FindLocalEntryFile(root, QStringLiteral("0badf00d"), file, disc))
            qFatal("miss expected");
    });
    int entries = 0;
    bool truncated = false;
    const double scan = Median(5, [&] {
        const TEntryFolder folder = LoadEntryFolder(root);
        entries = folder.EntryCount;
        truncated = folder.Truncated;
    });

    std::printf("FindLocalEntry hit, 1,000 files:    %8.3f ms\n", hitSmall);
    std::printf("FindLocalEntry hit, 100,000 files:  %8.3f ms\n", hitLarge);
    std::printf("FindLocalEntry miss, 100,000 files: %8.1f ms\n", miss);
    std::printf("LoadEntryFolder, 100,000 files:     %8.1f ms (%d entries read, %s)\n", scan, entries,
                truncated ? "stopped at the table's size" : "whole folder");
    dir.remove();
    return 0;
}
