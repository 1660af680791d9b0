#include "ShippedData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ShippedData {

QString InstalledShareFolder(const QString &programFolder)
{
    // the build writes the path from the installed bin folder to the
    // installed share folder ("../share" for the usual layouts)
    return QDir::cleanPath(programFolder + QLatin1Char('/') + QStringLiteral(TARVIK_BIN_TO_SHARE));
}

QString InstalledDataFolder(const QString &programFolder)
{
    return InstalledShareFolder(programFolder) + QStringLiteral("/tarvik");
}

QStringList SearchFolders(const QString &programFolder, const QString &userDataFolder)
{
    QStringList folders;
    for (const QString &f : {programFolder, userDataFolder, InstalledDataFolder(programFolder)}) {
        const QString clean = QDir::cleanPath(f);
        if (!f.isEmpty() && !folders.contains(clean))
            folders.append(clean);
    }
    return folders;
}

QString Locate(const QStringList &folders, const QString &relativePath)
{
    for (const QString &folder : folders) {
        const QString path = folder + QLatin1Char('/') + relativePath;
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

QStringList SearchFolders()
{
    return SearchFolders(QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString Locate(const QString &relativePath)
{
    return Locate(SearchFolders(), relativePath);
}

} // namespace ShippedData
