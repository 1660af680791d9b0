// A full cover — 101 texts and 51 pictures over the four surfaces — then
// twenty zoom steps in and twenty out; prints the time per step.
// Run: build/bench/app/bench_zoom

#include "StartupLayout.h"
#include "TTarvikApplication.h"
#include "BenchApp.h"
#include "TfrmTarvik.h"
#include "VelMeasureRoutines.h"

#include <QAction>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    TBenchApp bench(argc, argv);

    QTemporaryDir pictures;
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    const QString file = pictures.filePath(QStringLiteral("photo.jpg"));
    photo.save(file, "JPG", 90);

    TfrmTarvik w;
    w.show();
    while (w.FFirstActivation)
        QCoreApplication::processEvents();

    const TSurfaceCode surfaces[] = {TSurfaceCode::Front, TSurfaceCode::Inside, TSurfaceCode::Back,
                                     TSurfaceCode::RoundLabel};
    for (int i = 0; i < ImageSlotCount; ++i) {
        w.ShowSurface(surfaces[i % 4]);
        w.InsertImageFile(file);
    }
    for (int i = 0; i < TextSlotCount; ++i) {
        w.ShowSurface(surfaces[i % 4]);
        w.pnlFrontCoverClick();
        w.txtText->setText(QStringLiteral("Track %1 - a title of a song").arg(i + 1));
    }
    w.pnlFrontCoverClick();
    w.ShowSurface(TSurfaceCode::Front);
    QCoreApplication::processEvents();

    std::vector<double> steps;
    auto step = [&](QAction *a) {
        QElapsedTimer t;
        t.start();
        a->trigger();
        w.repaint(); // the visible surface drawn at the new zoom
        QCoreApplication::processEvents();
        steps.push_back(t.nsecsElapsed() / 1e6);
    };
    w.FZoom = 1.0f;
    for (int i = 0; i < 20; ++i)
        step(w.findChild<QAction *>(QStringLiteral("btnZoomIn")));
    for (int i = 0; i < 20; ++i)
        step(w.findChild<QAction *>(QStringLiteral("btnZoomOut")));
    std::sort(steps.begin(), steps.end());
    double sum = 0;
    for (double s : steps)
        sum += s;
    std::printf("zoom step with 101 texts and 51 pictures (%zu steps)\n", steps.size());
    std::printf("  median %.1f ms, mean %.1f ms, slowest %.1f ms\n", steps[steps.size() / 2], sum / steps.size(),
                steps.back());
    w.Modified = false;
    return 0;
}
