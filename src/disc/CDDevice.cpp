#include "CDDevice.h"

#include "DiscImage.h"
#include "SafeFiles.h"
#include "uResource.h"

#include <QByteArray>
#include <QFile>
#include <QDir>
#include <QFileInfo>

#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <memory>

namespace {

// libcdio reports every unreadable image on stderr; the callers tell the user
// in their own words (an empty table of contents), so its messages are muted.
void QuietLog(cdio_log_level_t, const char *)
{
}

void InitCdio()
{
    static const bool done = [] {
        cdio_log_set_handler(QuietLog);
        cdio_init();
        return true;
    }();
    (void)done;
}

struct CdioCloser {
    void operator()(CdIo_t *p) const { cdio_destroy(p); }
};
using CdioHandle = std::unique_ptr<CdIo_t, CdioCloser>;

// A CD drive (a block device) or a disc image whose text and data files
// are regular files and whose numbers a CD can have; anything else is
// refused with the reason before libcdio opens it, since libcdio would wait
// for ever on a pipe.
CdioHandle OpenSource(const QString &source, QString *reason)
{
    InitCdio();
    auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return CdioHandle();
    };
    if (source.isEmpty())
        return {};
    const SafeFiles::TFileInfo what = SafeFiles::Inspect(source);
    if (what.Kind == SafeFiles::TFileKind::Missing)
        return {};
    if (what.Kind == SafeFiles::TFileKind::BlockDevice)
        return CdioHandle(cdio_open(QFile::encodeName(source).constData(), DRIVER_UNKNOWN));
    if (what.Kind != SafeFiles::TFileKind::Regular)
        return refuse(Str(9865));
    const TImageKind kind = ImageKindOf(source);
    if (kind == TImageKind::NotAnImage)
        return {};

    QByteArray sheet;
    switch (SafeFiles::ReadRegularFile(source, MaxImageSheetSize, sheet)) {
    case SafeFiles::TReadStatus::Ok: break;
    case SafeFiles::TReadStatus::TooLarge: return refuse(Str(9870));
    case SafeFiles::TReadStatus::NotRegular:
        return refuse(Str(9865));
    default: return {};
    }
    if (!CheckImageSheet(sheet, kind, reason))
        return {};
    const QFileInfo info(source);
    const QDir folder = info.absoluteDir();
    for (const QString &name : ImageDataFiles(sheet, kind)) {
        const QString data = folder.absoluteFilePath(name);
        const SafeFiles::TFileInfo file = SafeFiles::Inspect(data);
        if (file.Kind != SafeFiles::TFileKind::Missing && !SafeFiles::IsRegularFile(data))
            return refuse(Str(9875).arg(name));
    }

    // A cdrdao toc file names its data files relative to the working folder,
    // a cue sheet relative to itself: an image is opened from its own folder
    // so both find their data. Opening reads the whole table of contents.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(info.absolutePath());
    CdioHandle handle(cdio_open(QFile::encodeName(info.absoluteFilePath()).constData(), DRIVER_UNKNOWN));
    QDir::setCurrent(previous);
    return handle;
}

TMsf MsfOfLba(lba_t lba)
{
    TMsf m;
    m.Minute = std::uint8_t(qMin<lba_t>(lba / (60 * 75), 255));
    m.Second = std::uint8_t((lba / 75) % 60);
    m.Frame = std::uint8_t(lba % 75);
    return m;
}

// Host, target and LUN of a SCSI device node from sysfs: the device link of
// /sys/block/<name> ends in "host:channel:target:lun".
void ReadScsiAddress(const QString &devicePath, TCDDrive &drive)
{
    const QString name = QFileInfo(QFileInfo(devicePath).canonicalFilePath()).fileName();
    const QString link = QFileInfo(QStringLiteral("/sys/block/%1/device").arg(name)).canonicalFilePath();
    const QStringList parts = QFileInfo(link).fileName().split(QLatin1Char(':'));
    if (parts.size() != 4)
        return;
    drive.HostAdapter = std::uint8_t(parts[0].toUInt());
    drive.TargetId = std::uint8_t(parts[2].toUInt());
    drive.Lun = std::uint8_t(parts[3].toUInt());
}

} // namespace

bool EnumerateCDDrives(TCDDrives &drives)
{
    InitCdio();
    drives = TCDDrives{};
    char **list = cdio_get_devices(DRIVER_DEVICE);
    if (!list)
        return true;
    bool allInquired = true;
    for (char **dev = list; *dev && drives.Count < MaxCDDrives; ++dev) {
        TCDDrive &drive = drives.Drives[drives.Count++];
        drive.DevicePath = QFile::decodeName(*dev);
        ReadScsiAddress(drive.DevicePath, drive);
        CdioHandle p(cdio_open(*dev, DRIVER_UNKNOWN));
        cdio_hwinfo_t hw{};
        if (p && cdio_get_hwinfo(p.get(), &hw)) {
            drive.VendorId = QString::fromLatin1(hw.psz_vendor);
            drive.ProductId = QString::fromLatin1(hw.psz_model);
            drive.ProductRevision = QString::fromLatin1(hw.psz_revision);
        } else {
            allInquired = false;
        }
        drive.Description = drive.VendorId + drive.ProductId + drive.ProductRevision;
        if (drive.Description.trimmed().isEmpty())
            drive.Description = drive.DevicePath;
    }
    cdio_free_device_list(list);
    return allInquired;
}

QStringList ListCDDrives(const TCDDrives &drives)
{
    QStringList lines;
    for (int i = 0; i < drives.Count; ++i) {
        const TCDDrive &d = drives.Drives[i];
        lines << QStringLiteral("%1,%2,%3 : %4")
                     .arg(d.HostAdapter, 1, 16)
                     .arg(d.TargetId, 1, 16)
                     .arg(d.Lun, 1, 16)
                     .arg(d.Description);
    }
    return lines;
}

TCDToc ReadToc(const QString &source, QString *reason)
{
    if (reason)
        reason->clear();
    TCDToc toc;
    CdioHandle p = OpenSource(source, reason);
    if (!p)
        return toc;
    const track_t first = cdio_get_first_track_num(p.get());
    const track_t last = cdio_get_last_track_num(p.get());
    if (first == CDIO_INVALID_TRACK || last == CDIO_INVALID_TRACK || last < first || last == 0)
        return toc;
    const int count = int(last) - int(first) + 1;
    QList<qint64> starts;
    for (int i = 0; i < count && i < int(toc.TocTracks.size()); ++i) {
        const lba_t lba = cdio_get_track_lba(p.get(), track_t(first + i));
        if (lba == CDIO_INVALID_LBA)
            return TCDToc{};
        starts << qint64(lba);
    }
    const lba_t leadOut = cdio_get_track_lba(p.get(), CDIO_CDROM_LEADOUT_TRACK);
    if (leadOut == CDIO_INVALID_LBA)
        return TCDToc{};
    // Every address fits the table's bytes only once it is known to be one
    // a CD can have.
    if (count > 99 || !CheckTrackAddresses(starts, leadOut, reason)) {
        if (reason && count > 99)
            *reason = Str(9880).arg(count);
        return TCDToc{};
    }
    for (int i = 0; i < count; ++i) {
        const TMsf m = MsfOfLba(lba_t(starts[i]));
        TTocEntry &e = toc.TocTracks[i];
        e.Minute = m.Minute;
        e.Second = m.Second;
        e.Frame = m.Frame;
        e.IsAudio = cdio_get_track_format(p.get(), track_t(first + i)) == TRACK_FORMAT_AUDIO;
    }
    toc.LeadOut = MsfOfLba(leadOut);
    toc.NumTracks = std::uint8_t(count);
    return toc;
}

TCDToc ReadToc(const TCDDrives &drives, int selectedDrive, QString *reason)
{
    if (reason)
        reason->clear();
    if (selectedDrive < 0 || selectedDrive >= drives.Count)
        return {};
    return ReadToc(drives.Drives[selectedDrive].DevicePath, reason);
}
