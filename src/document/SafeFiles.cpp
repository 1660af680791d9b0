#include "SafeFiles.h"

#include "uResource.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SafeFiles {

namespace {

QString SystemText(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

// Closes a descriptor when it goes out of scope.
class TFd {
public:
    explicit TFd(int fd = -1)
        : FFd(fd)
    {
    }
    ~TFd()
    {
        if (FFd >= 0)
            ::close(FFd);
    }
    TFd(const TFd &) = delete;
    TFd &operator=(const TFd &) = delete;
    int get() const { return FFd; }
    bool ok() const { return FFd >= 0; }

private:
    int FFd;
};

// A pipe would make open() wait for a writer and a terminal would become
// the process's own: neither may happen while looking at a file.
constexpr int ReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

TFileKind KindOf(const struct stat &st)
{
    if (S_ISREG(st.st_mode))
        return TFileKind::Regular;
    if (S_ISDIR(st.st_mode))
        return TFileKind::Directory;
    if (S_ISBLK(st.st_mode))
        return TFileKind::BlockDevice;
    return TFileKind::Other;
}

} // namespace

TFileInfo Inspect(const QString &path)
{
    TFileInfo info;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (name.isEmpty() || ::lstat(name.constData(), &st) != 0)
        return info;
    info.IsLink = S_ISLNK(st.st_mode);
    if (info.IsLink && ::stat(name.constData(), &st) != 0)
        return info;
    info.Kind = KindOf(st);
    info.Size = qint64(st.st_size);
    return info;
}

TReadStatus ReadRegularFile(const QString &path, qint64 maxSize, QByteArray &bytes, QString *systemError)
{
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    TFd fd(name.isEmpty() ? -1 : ::open(name.constData(), ReadFlags));
    if (!fd.ok()) {
        const int err = name.isEmpty() ? ENOENT : errno;
        if (systemError)
            *systemError = SystemText(err);
        return err == ENOENT ? TReadStatus::Missing : TReadStatus::Failed;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        if (systemError)
            *systemError = SystemText(errno);
        return TReadStatus::Failed;
    }
    if (!S_ISREG(st.st_mode))
        return TReadStatus::NotRegular;
    if (qint64(st.st_size) > maxSize)
        return TReadStatus::TooLarge;
    bytes.resize(qsizetype(st.st_size));
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, size_t(bytes.size() - got));
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            // nothing to read now from a file that said it had something:
            // what arrived is all there is
            if (errno == EAGAIN)
                break;
            if (systemError)
                *systemError = SystemText(errno);
            bytes.clear();
            return TReadStatus::Failed;
        }
        got += n;
    }
    bytes.truncate(got);
    return TReadStatus::Ok;
}

bool IsRegularFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    TFd fd(name.isEmpty() ? -1 : ::open(name.constData(), ReadFlags));
    struct stat st {};
    return fd.ok() && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

bool WriteFileInFolder(const QString &root, const QString &folder, const QString &name, const QByteArray &bytes,
                       QString &error)
{
    const QString shown = QDir::cleanPath(root + QLatin1Char('/') + folder + QLatin1Char('/') + name);
    auto fail = [&](const QString &why) {
        error = Str(9925).arg(shown, why);
        return false;
    };
    if (!IsPlainName(folder) || !IsPlainName(name))
        return fail(Str(9930));
    if (!QDir().mkpath(root))
        return fail(Str(9935).arg(root));

    TFd rootFd(::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!rootFd.ok())
        return fail(SystemText(errno));
    const QByteArray folderName = QFile::encodeName(folder);
    if (::mkdirat(rootFd.get(), folderName.constData(), 0777) != 0 && errno != EEXIST)
        return fail(SystemText(errno));
    // O_NOFOLLOW: a category folder that is a link would lead the file out.
    TFd dirFd(::openat(rootFd.get(), folderName.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!dirFd.ok()) {
        if (errno == ELOOP || errno == ENOTDIR)
            return fail(Str(9940).arg(QDir::cleanPath(root + QLatin1Char('/') + folder)));
        return fail(SystemText(errno));
    }

    const QByteArray fileName = QFile::encodeName(name);
    struct stat old {};
    const bool exists = ::fstatat(dirFd.get(), fileName.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return fail(Str(9945));

    // A new file beside the old one, which then takes its name: rename
    // replaces whatever the name is at that moment and never writes
    // through it.
    QByteArray tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        tempName = fileName + ".tarvik-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
        fd = ::openat(dirFd.get(), tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      exists ? (old.st_mode & 07777) : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(SystemText(errno));
    TFd temp(fd);
    auto discard = [&](int err) {
        ::unlinkat(dirFd.get(), tempName.constData(), 0);
        return fail(SystemText(err));
    };
    if (exists)
        ::fchmod(temp.get(), old.st_mode & 07777);
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(temp.get(), bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return discard(errno);
        }
        written += n;
    }
    if (::fsync(temp.get()) != 0)
        return discard(errno);
    if (::renameat(dirFd.get(), tempName.constData(), dirFd.get(), fileName.constData()) != 0)
        return discard(errno);
    return true;
}

} // namespace SafeFiles
