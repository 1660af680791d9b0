#pragma once
// One language module file ("TarvikLan.dll"): a Qt binary resource, made by
// `rcc --binary`, holding
//   /TarvikLan/strings.qm  the texts, compiled by lrelease from a Qt Linguist
//                          .ts file whose messages have the context "Tarvik",
//                          the English text of the id as source and the
//                          decimal id as disambiguation
//   /TarvikLan/flag.png    optional: the language's flag for the About box
// The program only reads the file; nothing in it is run.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QTranslator>

#include <memory>

class TLanguageModule
{
public:
    // Largest module file read.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    // Reads the module in `path`. Null, with `error` saying what is wrong in
    // a few words, when the file cannot be read or is no sound module.
    static std::unique_ptr<TLanguageModule> Load(const QString &path, QString *error = nullptr);
    ~TLanguageModule();
    TLanguageModule(const TLanguageModule &) = delete;
    TLanguageModule &operator=(const TLanguageModule &) = delete;

    // The module's text of `id`: empty when the module lacks it (or the
    // program's English table has no such id), cut to 255 characters.
    // Where several ids share one English text ("&Center" is 415 and 3710),
    // lrelease keeps one of their translations as that text's fallback, so
    // an id of such a group that the module lacks gets that translation.
    QString Text(int id) const;
    // The flag picture; null when the module has none or it cannot be read.
    QImage Flag() const;

    QString FilePath() const { return FFilePath; }
    // Where the module's resource is registered while it is loaded, such as
    // "/tarvik-language/2": each module gets its own, so several can be
    // loaded at once.
    QString ResourceRoot() const { return FResourceRoot; }

private:
    TLanguageModule() = default;

    QString FFilePath;
    QString FResourceRoot;
    QByteArray FFileData; // registered with QResource, so kept while loaded
    QByteArray FStrings;  // strings.qm, which the translator reads in place
    QByteArray FFlag;     // flag.png, decoded on demand
    QTranslator FTranslator;
    bool FRegistered = false;
};
