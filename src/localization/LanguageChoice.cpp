#include "LanguageChoice.h"

#include "LanguageModule.h"
#include "ShippedData.h"
#include "uResource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString ModuleFileName = QStringLiteral("TarvikLan.dll");

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

QList<TShippedLanguage> ShippedLanguages(const QStringList &folders)
{
    QList<TShippedLanguage> languages;
    QStringList names;
    for (const QString &folder : folders) {
        const QDir dir(folder + QStringLiteral("/languages"));
        const QStringList found = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        for (const QString &name : found) {
            const QString path = dir.filePath(name + QLatin1Char('/') + ModuleFileName);
            if (!names.contains(name) && QFileInfo(path).isFile()) {
                names.append(name);
                languages.append({name, path});
            }
        }
    }
    std::sort(languages.begin(), languages.end(), [](const TShippedLanguage &a, const TShippedLanguage &b) {
        return a.Name.compare(b.Name, Qt::CaseInsensitive) < 0;
    });
    return languages;
}

QList<TShippedLanguage> ShippedLanguages()
{
    return ShippedLanguages(ShippedData::SearchFolders());
}

QString UserLanguageModulePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/') + ModuleFileName;
}

QString ChosenLanguageModule(const QList<TShippedLanguage> &languages)
{
    const QString chosen = UserLanguageModulePath();
    QFile copy(chosen);
    if (!copy.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = copy.read(TLanguageModule::MaxFileSize + 1);
    for (const TShippedLanguage &language : languages) {
        QFile shipped(language.Path);
        if (shipped.size() == data.size() && shipped.open(QIODevice::ReadOnly)
            && shipped.read(TLanguageModule::MaxFileSize + 1) == data)
            return language.Path;
    }
    return chosen;
}

bool ChooseLanguageModule(const QString &modulePath, QString *error)
{
    const QString target = UserLanguageModulePath();
    if (modulePath.isEmpty()) {
        if (QFileInfo::exists(target) && !QFile::remove(target))
            return fail(error, Str(9540).arg(target));
        return true;
    }
    // the same checks the program makes at start, version included
    QString problem;
    TLanguageLoader loader([&problem](const QString &text) { problem = text; });
    if (!loader.Open(modulePath))
        return fail(error, problem);
    QFile source(modulePath);
    if (!source.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("%1: %2").arg(modulePath, source.errorString()));
    const QByteArray data = source.read(TLanguageModule::MaxFileSize + 1);
    QDir().mkpath(QFileInfo(target).absolutePath());
    // written whole or not at all, so a failed copy leaves the old choice
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        return fail(error, QStringLiteral("%1: %2").arg(target, out.errorString()));
    return true;
}
