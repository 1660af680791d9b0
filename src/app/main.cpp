// Start-up: the application object, the first-start file association, the
// main window, the event loop.

#include "LanguageStart.h"
#include "TTarvikApplication.h"
#include "TVKRegistry.h"
#include "TfrmTarvik.h"

#include <QIcon>

int main(int argc, char *argv[])
{
    TTarvikApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    app.setOrganizationName(QStringLiteral("Renvald"));
    app.setApplicationName(QStringLiteral("Tarvik"));
    app.setApplicationDisplayName(QStringLiteral("Tarvik"));
    app.setApplicationVersion(QStringLiteral("1.14"));
    app.setDesktopFileName(QStringLiteral("tarvik"));
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/tarvik.svg")));
    StartLanguage();

    try {
        TVKRegistry::FirstRunSetup();
    } catch (const std::exception &e) {
        TTarvikApplication::ApplicationEvents1Exception(QString::fromUtf8(e.what()));
    }

    TfrmTarvik window(app.arguments().mid(1));
    // The wizard keeps its answers for the whole run and reads its
    // preference when it is made, at start-up.
    TVKRegistry::ReadPreference(TVKRegistry::prArtistBeforeTitle);
    QApplication::restoreOverrideCursor();
    window.show();
    return app.exec();
}
