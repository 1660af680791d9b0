#pragma once
// The start the programs of this folder share: fresh per-user folders, the
// program's own application object and a 1024 x 768 screen.

#include "StartupLayout.h"
#include "TTarvikApplication.h"
#include "TestSupport.h"

#include <memory>

struct TBenchApp {
    std::unique_ptr<QTemporaryDir> home{TarvikTest::isolateUserFolders()};
    TTarvikApplication app;

    TBenchApp(int &argc, char **argv)
        : app(argc, argv)
    {
        StartupLayout::SetScreenSizeOverride(QSize(1024, 768));
    }
};
