// Time from the start of the program to the main window's first activation:
// the application object, the settings, the styles, the window with its
// panels and surfaces, showing it and the first-activation steps.
// Run: build/bench/app/bench_startup [--config DIR]
// (offscreen unless QT_QPA_PLATFORM is set). With --config the settings live
// in DIR and survive the run, so a second run measures an ordinary start with
// a stored configuration; without it every run is a first start.

#include "StartupLayout.h"
#include "TTarvikApplication.h"
#include "TVKRegistry.h"
#include "TestSupport.h"
#include "TfrmTarvik.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    std::unique_ptr<QTemporaryDir> home(TarvikTest::isolateUserFolders());
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--config") == 0)
            qputenv("XDG_CONFIG_HOME", argv[i + 1]);
    TTarvikApplication app(argc, argv);
    StartupLayout::SetScreenSizeOverride(QSize(1024, 768));

    auto runOnce = [] {
        QElapsedTimer t;
        t.start();
        TVKRegistry::FirstRunSetup();
        auto w = std::make_unique<TfrmTarvik>();
        w->show();
        while (w->FFirstActivation)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return t.nsecsElapsed() / 1e6;
    };

    const double first = runOnce();
    const double cold = sinceStart.nsecsElapsed() / 1e6;
    std::vector<double> warm;
    for (int i = 0; i < 9; ++i)
        warm.push_back(runOnce());
    std::sort(warm.begin(), warm.end());
    std::printf("start-up to first activation\n");
    std::printf("  first window, from main():          %8.1f ms\n", cold);
    std::printf("  first window, construction to active: %6.1f ms\n", first);
    std::printf("  later windows, median of %zu:          %6.1f ms\n", warm.size(), warm[warm.size() / 2]);
    return 0;
}
