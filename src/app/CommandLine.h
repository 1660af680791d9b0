#pragma once
// The program's command line: a document to open, or an export of its
// covers to PDF without any window.
//
//     tarvik [DOCUMENT.tvk]
//     tarvik --export-pdf OUT.pdf [--kind KIND] [--paper a4|letter] DOCUMENT.tvk
//     tarvik --help | --version
//
// The print options the dialog keeps (portrait, separation lines, cutting
// guides, the two margins) come from the settings, as the dialog would use
// them. The kind "label" prints the round label on one sheet of labels: the
// positions checked when labels were last printed, or every position of
// the labels per page when none ever was, with the label sheet and the
// diameters of the settings.

#include "Printing.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace CommandLine {

enum class TAction {
    OpenWindow,  // the main window, opening Documents' first .tvk
    ShowHelp,
    ShowVersion,
    ExportPdf,
    UsageError,  // Error says what; the help follows it
};

struct TCommandLine {
    TAction Action = TAction::OpenWindow;
    QStringList Documents;
    QString PdfFile;
    TPrintKind Kind = pkAll;
    bool Label = false; // --kind label: Kind does not apply
    QString Paper; // "a4", "letter", or empty for the printer's own paper
    QString Error;
};

// Reads the arguments, the program's name first.
TCommandLine Parse(const QStringList &arguments);

// The cover kind named on the command line ("all", "front-inside", "front",
// "inside", "back", "front-back"), none for another name (also "label").
std::optional<TPrintKind> KindNamed(const QString &name);

// Called before the application object exists: a command line that opens
// no window runs on the offscreen platform, so it needs no display (unless
// QT_QPA_PLATFORM names one or the toolkit's own options are given).
void PrepareApplication(int argc, char **argv);

// Carries out any action but OpenWindow, writing to standard output and
// standard error; returns the exit code (0 done, 1 failed, 2 wrong usage).
int Run(const TCommandLine &commandLine);

} // namespace CommandLine
