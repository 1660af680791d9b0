#include "CommandLine.h"

#include "TVKRegistry.h"

#include "PdfExport.h"
#include "TarvikError.h"
#include "uPrintRoundLabel.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QPrinterInfo>

#include <algorithm>
#include <cstdio>

namespace CommandLine {

namespace {

struct TKindName {
    const char *Name;
    TPrintKind Kind;
};
const TKindName KindNames[] = {
    {"all", pkAll},    {"front-inside", pkFrontInside}, {"front", pkFront},
    {"inside", pkInside}, {"back", pkBack},              {"front-back", pkFrontAndBack},
};

const QLatin1String LabelKind("label");

QString KindList()
{
    QStringList names;
    for (const TKindName &k : KindNames)
        names << QLatin1String(k.Name);
    names << LabelKind;
    return names.join(QStringLiteral(", "));
}

struct TOptions {
    QCommandLineOption Help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help.")};
    QCommandLineOption Version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Shows the program's version.")};
    QCommandLineOption ExportPdf{QStringLiteral("export-pdf"),
                                 QStringLiteral("Prints the covers or the label of DOCUMENT into the PDF file OUT.pdf at true "
                                                "size, without opening a window."),
                                 QStringLiteral("OUT.pdf")};
    QCommandLineOption Kind{QStringLiteral("kind"),
                            QStringLiteral("What --export-pdf prints: %1 (default: all).").arg(KindList()),
                            QStringLiteral("KIND"), QStringLiteral("all")};
    QCommandLineOption Paper{QStringLiteral("paper"),
                             QStringLiteral("The sheets of --export-pdf: a4 or letter (default: the printer's "
                                            "paper)."),
                             QStringLiteral("PAPER")};
};

void Setup(QCommandLineParser &parser, const TOptions &o)
{
    parser.setApplicationDescription(
        QStringLiteral("Designs and prints CD covers and labels. Opens DOCUMENT (a .tvk file) when given."));
    parser.addOption(o.Help);
    parser.addOption(o.Version);
    parser.addOption(o.ExportPdf);
    parser.addOption(o.Kind);
    parser.addOption(o.Paper);
    parser.addPositionalArgument(QStringLiteral("DOCUMENT"), QStringLiteral("A Tarvik document."),
                                 QStringLiteral("[DOCUMENT]"));
}

QString HelpText()
{
    QCommandLineParser parser;
    TOptions o;
    Setup(parser, o);
    return parser.helpText();
}

void Print(FILE *to, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
    std::fflush(to);
}

QPageSize DefaultPaper()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        const QPageSize size = printer.defaultPageSize();
        if (size.isValid())
            return size;
    }
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                         : QPageSize::A4);
}

int Export(const TCommandLine &cl)
{
    TCoverDocument document;
    QString error;
    if (!ReadCoverDocument(cl.Documents.first(), document, &error)) {
        Print(stderr, QStringLiteral("tarvik: %1\n").arg(error));
        return 1;
    }
    TCoverPrintOptions options;
    TLabelPrintOptions labels;
    try {
        if (cl.Label) {
            ReadLabelSettings(document.Settings);
            labels.Positions = DefaultLabelPositions(document.Settings.LabelsPerPage, ReadPrintedLabels());
        } else {
            options = ReadCoverPrintOptions();
        }
    } catch (const std::exception &e) {
        Print(stderr, QStringLiteral("tarvik: %1\n").arg(QString::fromUtf8(e.what())));
        return 1;
    }
    QPageSize paper = DefaultPaper();
    if (cl.Paper == QLatin1String("a4"))
        paper = QPageSize(QPageSize::A4);
    else if (cl.Paper == QLatin1String("letter"))
        paper = QPageSize(QPageSize::Letter);

    const TPrintOutcome outcome = cl.Label ? ExportLabelPdf(document, labels, paper, cl.PdfFile)
                                           : ExportCoverPdf(document, options, cl.Kind, paper, cl.PdfFile);
    // Settings that could not be used were replaced by their defaults; with
    // no window to show it, the one message goes to standard error.
    if (const QString report = TVKRegistry::TakeSettingsReport(); !report.isEmpty())
        Print(stderr, QStringLiteral("tarvik: %1\n").arg(report));
    for (const QString &picture : outcome.UnreadablePictures)
        Print(stderr, QStringLiteral("tarvik: picture left out, it cannot be read: %1\n")
                          .arg(QDir::toNativeSeparators(picture)));
    if (outcome.Status != TPrintOutcome::Printed) {
        Print(stderr, QStringLiteral("tarvik: %1\n").arg(outcome.Reason.isEmpty() ? outcome.UserMessage
                                                                                  : outcome.Reason));
        return 1;
    }
    return 0;
}

} // namespace

std::optional<TPrintKind> KindNamed(const QString &name)
{
    for (const TKindName &k : KindNames)
        if (name == QLatin1String(k.Name))
            return k.Kind;
    return std::nullopt;
}

TCommandLine Parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    TOptions o;
    Setup(parser, o);
    TCommandLine cl;
    if (!parser.parse(arguments)) {
        cl.Action = TAction::UsageError;
        cl.Error = parser.errorText();
        return cl;
    }
    cl.Documents = parser.positionalArguments();
    if (parser.isSet(o.Help)) {
        cl.Action = TAction::ShowHelp;
        return cl;
    }
    if (parser.isSet(o.Version)) {
        cl.Action = TAction::ShowVersion;
        return cl;
    }
    auto usage = [&cl](const QString &error) {
        cl.Action = TAction::UsageError;
        cl.Error = error;
        return cl;
    };
    if (!parser.isSet(o.ExportPdf)) {
        if (parser.isSet(o.Kind) || parser.isSet(o.Paper))
            return usage(QStringLiteral("--kind and --paper go with --export-pdf."));
        return cl;
    }
    cl.Action = TAction::ExportPdf;
    cl.PdfFile = parser.value(o.ExportPdf);
    if (cl.PdfFile.isEmpty())
        return usage(QStringLiteral("--export-pdf needs the name of the PDF file."));
    const std::optional<TPrintKind> kind = KindNamed(parser.value(o.Kind));
    cl.Label = parser.value(o.Kind) == LabelKind;
    if (!kind && !cl.Label)
        return usage(QStringLiteral("Unknown kind \"%1\"; choose one of %2.").arg(parser.value(o.Kind), KindList()));
    cl.Kind = kind.value_or(pkAll);
    if (parser.isSet(o.Paper)) {
        cl.Paper = parser.value(o.Paper).toLower();
        if (cl.Paper != QLatin1String("a4") && cl.Paper != QLatin1String("letter"))
            return usage(QStringLiteral("Unknown paper \"%1\"; choose a4 or letter.").arg(parser.value(o.Paper)));
    }
    if (cl.Documents.size() != 1)
        return usage(QStringLiteral("--export-pdf prints one document: name exactly one."));
    return cl;
}

void PrepareApplication(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The toolkit's own options ("-style fusion", "-platform xcb") look
    // wrong here; the application object takes them away, and a window
    // may follow on the usual platform.
    const bool toolkitOptions = std::any_of(arguments.begin() + 1, arguments.end(), [](const QString &a) {
        return a.size() > 2 && a.startsWith(QLatin1Char('-')) && a.at(1).isLetter();
    });
    const TAction action = Parse(arguments).Action;
    const bool windowless = action == TAction::ShowHelp || action == TAction::ShowVersion
        || action == TAction::ExportPdf || (action == TAction::UsageError && !toolkitOptions);
    if (windowless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int Run(const TCommandLine &cl)
{
    switch (cl.Action) {
    case TAction::OpenWindow:
        return 0;
    case TAction::ShowHelp:
        Print(stdout, HelpText());
        return 0;
    case TAction::ShowVersion:
        Print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName().toLower(),
                                                    QCoreApplication::applicationVersion()));
        return 0;
    case TAction::UsageError:
        Print(stderr, QStringLiteral("tarvik: %1\n\n%2").arg(cl.Error, HelpText()));
        return 2;
    case TAction::ExportPdf:
        return Export(cl);
    }
    return 2;
}

} // namespace CommandLine
