#pragma once
// Builds real language modules inside a test, the way the build does: a .ts
// file written by WriteTsFile, lrelease, then rcc --binary.

#include "TsFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace LanguageModuleBuilder {

inline bool run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning().noquote() << program << arguments << p.readAllStandardError();
        return false;
    }
    return true;
}

// Texts by id, all finished.
inline TTsTranslations finished(const QMap<int, QString> &texts)
{
    TTsTranslations t;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        t.insert(it.key(), {QString(), it.value(), true});
    return t;
}

// Writes `folder`/TarvikLan.dll from `translations` and, when given, the
// bytes of flag.png, passing `rccOptions` to rcc; returns its path, empty on
// failure.
inline QString build(const QString &folder, const TTsTranslations &translations, const QByteArray &flag = {},
                     const QStringList &rccOptions = {})
{
    QDir().mkpath(folder);
    const QDir dir(folder);
    QFile ts(dir.filePath("strings.ts"));
    if (!ts.open(QIODevice::WriteOnly))
        return {};
    WriteTsFile(&ts, "it", translations);
    ts.close();
    if (!run(TARVIK_LRELEASE, {"-silent", ts.fileName(), "-qm", dir.filePath("strings.qm")}))
        return {};
    QString entries = "<file>strings.qm</file>";
    if (!flag.isEmpty()) {
        QFile png(dir.filePath("flag.png"));
        if (!png.open(QIODevice::WriteOnly) || png.write(flag) != flag.size())
            return {};
        entries += "<file>flag.png</file>";
    }
    QFile qrc(dir.filePath("module.qrc"));
    if (!qrc.open(QIODevice::WriteOnly))
        return {};
    qrc.write(QStringLiteral("<RCC><qresource prefix=\"/TarvikLan\">%1</qresource></RCC>").arg(entries).toUtf8());
    qrc.close();
    const QString module = dir.filePath("TarvikLan.dll");
    if (!run(TARVIK_RCC, QStringList{"--binary", qrc.fileName(), "-o", module} + rccOptions))
        return {};
    return module;
}

inline QString build(const QString &folder, const QMap<int, QString> &texts, const QByteArray &flag = {})
{
    return build(folder, finished(texts), flag);
}

} // namespace LanguageModuleBuilder
