// Start-up: the application object, the first-start file association, the
// main window, the event loop.

#include "CommandLine.h"
#include "LanguageStart.h"
#include "TTarvikApplication.h"
#include "TVKRegistry.h"
#include "TfrmTarvik.h"

int main(int argc, char *argv[])
{
    CommandLine::PrepareApplication(argc, argv);
    TTarvikApplication app(argc, argv);
    const CommandLine::TCommandLine commandLine = CommandLine::Parse(app.arguments());
    if (commandLine.Action != CommandLine::TAction::OpenWindow)
        return CommandLine::Run(commandLine);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StartLanguage();

    try {
        TVKRegistry::FirstRunSetup();
    } catch (const std::exception &e) {
        TTarvikApplication::ApplicationEvents1Exception(QString::fromUtf8(e.what()));
    }

    TfrmTarvik window(commandLine.Documents);
    // The wizard keeps its answers for the whole run and reads its
    // preference when it is made, at start-up.
    TVKRegistry::ReadPreference(TVKRegistry::prArtistBeforeTitle);
    QApplication::restoreOverrideCursor();
    window.show();
    return app.exec();
}
