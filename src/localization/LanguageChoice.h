#pragma once
// The languages the user can choose: the modules shipped with the program,
// each as languages/<name>/TarvikLan.dll in the program's folder, the
// per-user data folder or the installed data folder. Choosing one copies it
// to the per-user data folder, where the program finds the module it uses at
// its next start; choosing English removes that copy.

#include <QList>
#include <QString>
#include <QStringList>

struct TShippedLanguage
{
    QString Name; // the folder name, such as "Italiano"
    QString Path; // the module file
};

// The modules in `folders`, by name; a name found in several folders is
// taken from the first.
QList<TShippedLanguage> ShippedLanguages(const QStringList &folders);
// The same in the program's folders (ShippedData::SearchFolders()).
QList<TShippedLanguage> ShippedLanguages();

// The per-user module file: ~/.local/share/Renvald/Tarvik/TarvikLan.dll.
QString UserLanguageModulePath();

// The language chosen for the next start: empty for English (no per-user
// copy), the path of the module of `languages` the per-user copy is a copy
// of, or the per-user copy's own path when it is none of them.
QString ChosenLanguageModule(const QList<TShippedLanguage> &languages);

// Makes the module in `modulePath` the one the program uses from its next
// start; an empty path chooses English. A module that cannot be used is
// refused and the current choice stays. False, with `error` set, on failure.
bool ChooseLanguageModule(const QString &modulePath, QString *error = nullptr);
