#pragma once
// The settings store: numbered preferences, label and printer settings,
// typed values of other keys, the file-type association and the first-start
// step. Values live in the per-user settings file of organisation "Renvald",
// application "Tarvik" (~/.config/Renvald/Tarvik.conf); the registry key
// paths of the program become groups: "Preferences", "Preferences/RoundLabel",
// "Preferences/Styles/n", "FreeDB".
//
// Every routine opens the store, does one read or write and closes it again,
// so each read sees the current value. Defaults of numbered preferences and
// of label settings are stored the first time they are read.
//
// The settings file comes from outside and is not trusted: a file that is
// no regular file (a folder, a pipe, a device, a link to one), a link out of
// its folder, or a file far larger than any settings file is not read and
// not written; the program then runs with the defaults. A stored
// value of the wrong type gives the reader's default ("Invalid data type
// for 'NAME'"), a length outside its range is brought into it, and a file
// that cannot be written keeps the program from keeping changes. None of
// this throws: each problem is noted once and told in one message naming
// the file (TakeSettingsReport, SetSettingsReporter).

#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace TVKRegistry {

// Numbered preferences in "Preferences".
enum TPreference {
    prCDDBFolder = 0,
    prFileOpenDir = 1,
    prFileSaveDir = 2,
    prImageOpenDir = 3,
    prDefaultUdm = 4,
    prNewInstall = 5,
    prArtistBeforeTitle = 6,
    prPrintCuttingGuides = 7,
    prPrintSeparationLines = 8,
    prPrintPortrait = 9,
};

// Value name of a numbered preference; empty outside 0-9.
QString PreferenceName(int index);
// The stored value, or the default (which is then stored). An index outside
// 0-9 gives an empty text and stores nothing.
QString ReadPreference(int index);
// The default of a numbered preference, stored with WritePreference. The
// folders' default is the user's home folder with a trailing separator.
QString PreferenceDefault(int index);
// An index outside 0-9 writes nothing.
void WritePreference(int index, const QString &value);

// Label and printer settings, in inches (the label count as a number):
// "XPrinterMargin" and "YPrinterMargin" live in "Preferences", every other
// name in "Preferences/RoundLabel". An absent value gives its default, which
// is stored; a name without a default gives 0 and stores nothing. A stored
// value outside its range is read as the nearest end of the range: a label
// diameter 1 to 30 cm, a hole 0 to 30 cm, 1 to 3 labels per sheet, offsets
// 0 to MaxSheetInches.
double ReadLabelSetting(const QString &name);
void WriteLabelSetting(const QString &name, double value);

// Typed values of any key. rootPath empty means the program's own key; the
// key is rootPath followed directly by subKey, with "\" or "/" separators
// ("FreeDB", "Preferences\Styles\4"). An absent value gives `def` and stores
// nothing. Booleans are stored as "true"/"false" (1/0 and any letter case
// are read too).
QString ReadRegString(const QString &rootPath, const QString &subKey, const QString &name, const QString &def);
int ReadRegInteger(const QString &rootPath, const QString &subKey, const QString &name, int def);
bool ReadRegBool(const QString &rootPath, const QString &subKey, const QString &name, bool def);
void WriteRegString(const QString &rootPath, const QString &subKey, const QString &name, const QString &value);
void WriteRegInteger(const QString &rootPath, const QString &subKey, const QString &name, int value);
void WriteRegBool(const QString &rootPath, const QString &subKey, const QString &name, bool value);

// CDDB connection settings, key "FreeDB"; the defaults are given to the
// readers above and not stored.
inline const QString FreeDBKey = QStringLiteral("FreeDB");
inline const QString DefaultCDDBServer = QStringLiteral("gnudb.gnudb.org");
constexpr int DefaultCDDBPort = 8880;
constexpr bool DefaultCDDBAutoSave = true;

// Registers one file type with the desktop (see XdgFileTypes.h). The icon
// index selects an icon inside a Windows program file and has no meaning
// here; the desktop entry names the "tarvik" icon.
void RegisterFileType(const QString &ext, const QString &programPath, int iconIndex, const QString &description);
// "tvk" ("Tarvik file") and "tvt" ("Tarvik template") for this program.
void AssociateFileTypes();
// First start: when "NewInstall" reads exactly "True", it becomes "False" and
// the file types are associated.
void FirstRunSetup();

// Path of the settings file, for the files kept beside it: Tarvik.conf in
// the folder "Renvald" of the user's configuration folder.
QString SettingsFilePath();

// Offsets on a sheet go no further than its long side; the largest sheet a
// desktop printer takes is 11 x 17 inches.
constexpr double MaxSheetInches = 17.0;
// A settings file holds a few kilobytes; one beyond this is not read.
constexpr qint64 MaxSettingsFileSize = 1024 * 1024;

// Why the file at path cannot serve as a settings file, or empty when it
// can (it is missing, or a regular file of at most MaxSettingsFileSize
// bytes, or a link to such a file in the same folder).
QString UnusableSettingsFileReason(const QString &path);

// The settings store, one file, without fallbacks; null when the file
// cannot be used (that is noted for the report).
std::unique_ptr<QSettings> OpenStore();
// Writes the store's changes to its file; when that fails it is noted for
// the report and the result is false.
bool SyncStore(QSettings &store);

// One message about everything noted since the last call: the file that
// cannot be used or written, and the values that were replaced. Empty when
// nothing was noted. A file that cannot be written is noted once, until a
// write succeeds again.
QString TakeSettingsReport();
// Once set, every problem noted goes to the reporter at once, as a
// message like TakeSettingsReport's. An empty function stops that.
void SetSettingsReporter(std::function<void(const QString &)> reporter);
// Forgets what was noted and that it was told, as at start.
void ForgetSettingsProblems();

} // namespace TVKRegistry
