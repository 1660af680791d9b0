#pragma once
// Discs for the tests: cue sheets over sparse .bin files, built from frame
// offsets the way a CDDB entry lists them, and the sample entries shipped
// under data/cddb.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QTextStream>

namespace DiscTest {

inline QString SampleFolder()
{
    return QStringLiteral(TARVIK_TEST_DATA "/data/cddb");
}

// Writes name.cue and name.bin in dir. offsets are absolute frame offsets
// (the first track of a normal disc at 150), leadOut the lead-out's offset;
// the .bin is sized so the lead-out falls there. Tracks listed in dataTracks
// (0-based) are data tracks.
inline QString WriteCueSheet(const QString &dir, const QString &name, const QList<int> &offsets, int leadOut,
                             const QSet<int> &dataTracks = {}, int firstTrackNumber = 1)
{
    const QString bin = dir + QLatin1Char('/') + name + QStringLiteral(".bin");
    QFile binFile(bin);
    if (!binFile.open(QIODevice::WriteOnly) || !binFile.resize(qint64(leadOut - 150) * 2352))
        qFatal("cannot create %s", qPrintable(bin));
    const QString cue = dir + QLatin1Char('/') + name + QStringLiteral(".cue");
    QFile cueFile(cue);
    if (!cueFile.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(cue));
    QTextStream out(&cueFile);
    out << "FILE \"" << name << ".bin\" BINARY\n";
    for (int i = 0; i < offsets.size(); ++i) {
        const int f = offsets[i] - 150;
        out << QStringLiteral("  TRACK %1 %2\n")
                   .arg(firstTrackNumber + i, 2, 10, QLatin1Char('0'))
                   .arg(dataTracks.contains(i) ? QStringLiteral("MODE1/2352") : QStringLiteral("AUDIO"));
        out << QStringLiteral("    INDEX 01 %1:%2:%3\n")
                   .arg(f / 4500, 2, 10, QLatin1Char('0'))
                   .arg(f / 75 % 60, 2, 10, QLatin1Char('0'))
                   .arg(f % 75, 2, 10, QLatin1Char('0'));
    }
    return cue;
}

// The "# Track frame offsets" and "# Disc length" of a CDDB entry file.
inline bool ReadSampleToc(const QString &path, QList<int> &offsets, int &lengthSeconds)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    offsets.clear();
    lengthSeconds = 0;
    bool inOffsets = false;
    static const QRegularExpression number(QStringLiteral("^#\\s+(\\d+)\\s*$"));
    static const QRegularExpression length(QStringLiteral("^# Disc length:\\s*(\\d+)"));
    for (const QByteArray &raw : f.readAll().split('\n')) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith(QLatin1String("# Track frame offsets"))) {
            inOffsets = true;
            continue;
        }
        if (const auto m = number.match(line); inOffsets && m.hasMatch()) {
            offsets << m.captured(1).toInt();
            continue;
        }
        inOffsets = false;
        if (const auto m = length.match(line); m.hasMatch())
            lengthSeconds = m.captured(1).toInt();
    }
    return !offsets.isEmpty() && lengthSeconds > 0;
}

// A cue sheet of the disc a sample entry describes.
inline QString SampleCueSheet(const QString &dir, const QString &samplePath)
{
    QList<int> offsets;
    int seconds = 0;
    if (!ReadSampleToc(samplePath, offsets, seconds))
        qFatal("bad sample %s", qPrintable(samplePath));
    return WriteCueSheet(dir, QFileInfo(samplePath).fileName(), offsets, seconds * 75);
}

} // namespace DiscTest
