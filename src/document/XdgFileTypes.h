#pragma once
// The program's file types, registered with the desktop the freedesktop.org
// way, all in the user's own folders:
// - $XDG_DATA_HOME/mime/packages/tarvik.xml, a shared-mime-info package with
//   one type per registered extension ("tvk" -> application/x-tarvik,
//   "tvt" -> application/x-tarvik-template);
// - $XDG_DATA_HOME/applications/tarvik.desktop, whose Exec line opens a file
//   with the program and whose MimeType lists every registered type;
// - the type's entry in [Default Applications] of $XDG_CONFIG_HOME/mimeapps.list.
// Afterwards update-mime-database and update-desktop-database refresh the
// desktop's caches when they are installed. Registering again rewrites the
// same files with the same content; entries of other programs are kept.
//
// An installed program (one whose prefix holds share/applications/
// tarvik.desktop beside its bin folder) has its types, desktop entry and
// icons installed system-wide: a per-user desktop entry of the same name
// would shadow the installed one, so registering then only sets the default
// application, and removes per-user files that an earlier registration
// wrote (recognised by their content being exactly what it writes; a file
// changed by hand or by a menu editor is kept).
// A file that cannot be written throws ETarvikError
// "Failed to set data for '<file>'".

#include <QString>

namespace XdgFileTypes {

inline const QString DesktopFileName = QStringLiteral("tarvik.desktop");

QString MimeTypeOfExtension(const QString &ext);
void Register(const QString &ext, const QString &programPath, const QString &description);

// The desktop entry installed with the program at `programPath`, which need
// not exist.
QString InstalledDesktopEntry(const QString &programPath);

// The Exec value of a desktop entry for the program: its quoted path and %f.
QString DesktopExec(const QString &programPath);

// mimeapps.list text with `mimeType`=`desktopFile` in [Default Applications],
// every other line kept.
QString SetDefaultApplication(const QString &mimeAppsList, const QString &mimeType, const QString &desktopFile);

} // namespace XdgFileTypes
