// Writes the .ts file a translator opens in Qt Linguist to make a language
// module: every id of the English table, with the English text as source and
// the id as disambiguation. With --merge, the translations of an older .ts
// of the same language are carried over (those whose English text changed
// come back unfinished, for review).

#include "TsFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace {

int fail(const QString &text)
{
    std::fprintf(stderr, "tarvik-ts-skeleton: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvik-ts-skeleton"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVIK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the Qt Linguist source (.ts) of a Tarvik language module from the program's English texts."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption language(QStringLiteral("language"), QStringLiteral("Language code of the translation, such as \"it\"."),
                                      QStringLiteral("code"));
    const QCommandLineOption merge(QStringLiteral("merge"),
                                   QStringLiteral("Carry over the translations of an older .ts file."),
                                   QStringLiteral("file"));
    parser.addOption(language);
    parser.addOption(merge);
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The .ts file to write (\"-\" for the standard output)."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    TTsTranslations translations;
    if (parser.isSet(merge)) {
        QFile old(parser.value(merge));
        if (!old.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("%1: %2").arg(old.fileName(), old.errorString()));
        QString error;
        if (!ReadTsFile(&old, &translations, &error))
            return fail(QStringLiteral("%1: %2").arg(old.fileName(), error));
        translations = CarryOverTranslations(translations);
    }

    const QString output = parser.positionalArguments().constFirst();
    if (output == QLatin1String("-")) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly))
            return fail(out.errorString());
        WriteTsFile(&out, parser.value(language), translations);
        return 0;
    }
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("%1: %2").arg(output, out.errorString()));
    WriteTsFile(&out, parser.value(language), translations);
    if (!out.commit())
        return fail(QStringLiteral("%1: %2").arg(output, out.errorString()));
    return 0;
}
