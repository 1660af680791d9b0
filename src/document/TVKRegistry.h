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
// Errors throw ETarvikError: a stored value that cannot be read as the
// expected type gives "Invalid data type for 'NAME'", a value that cannot be
// written (the settings file or its folder is not writable) gives
// "Failed to set data for 'NAME'".

#include <QString>

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
// is stored; a name without a default gives 0 and stores nothing.
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

// Path of the settings file, for the files kept beside it.
QString SettingsFilePath();

} // namespace TVKRegistry
