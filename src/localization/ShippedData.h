#pragma once
// Where the program finds the files it ships beside itself (the help pages,
// language modules): the program's own folder first, so a build folder or an
// unpacked copy uses its own files; then the per-user data folder, where a
// user may place a module of their own; then the installed data folder
// (share/tarvik of the prefix the program is installed in). The installed
// folder is found from the program's location, so a package built for /usr
// and a `cmake --install --prefix` anywhere else both find their files.

#include <QString>
#include <QStringList>

namespace ShippedData {

// share/ of the prefix a program in `programFolder` is installed in (the
// folder need not exist).
QString InstalledShareFolder(const QString &programFolder);
// share/tarvik of that prefix.
QString InstalledDataFolder(const QString &programFolder);

// The folders looked in, in order, without repeats.
QStringList SearchFolders(const QString &programFolder, const QString &userDataFolder);
// The first of `folders` holding `relativePath`, as a full path; empty when
// none does.
QString Locate(const QStringList &folders, const QString &relativePath);

// The same for this program: its folder, its per-user data folder
// (~/.local/share/Renvald/Tarvik) and its installed data folder.
QStringList SearchFolders();
QString Locate(const QString &relativePath);

} // namespace ShippedData
