// Start-up: the application object, the first-start file association, the
// main window, the event loop.

#include "TTarvikApplication.h"
#include "TVKRegistry.h"
#include "TfrmTarvik.h"

int main(int argc, char *argv[])
{
    TTarvikApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);

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
