// Opening a document whose 51 image slots each point to a 6000 x 4000 JPEG:
// builds the picture and the document, opens it in the main window and
// prints the time and the peak memory of the process.
// Run: build/bench/app/bench_open [FOLDER]   (FOLDER keeps the generated files)

#include "DocumentFile.h"
#include "StartupLayout.h"
#include "TTarvikApplication.h"
#include "BenchApp.h"
#include "TfrmTarvik.h"
#include "VelCDImageElement.h"
#include "VelMeasureRoutines.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>

#include <sys/resource.h>

#include <cstdio>

namespace {

long peakKiB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    TBenchApp bench(argc, argv);

    QTemporaryDir temp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    const QString photo = folder + QStringLiteral("/photo-6000x4000.jpg");
    if (!QFileInfo::exists(photo)) {
        // a photo-like picture: smooth shapes and some noise
        QImage img(6000, 4000, QImage::Format_RGB32);
        auto *rng = QRandomGenerator::global();
        for (int y = 0; y < img.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const int n = int(rng->bounded(24));
                line[x] = qRgb((x / 24 + n) & 255, (y / 16 + n) & 255, ((x + y) / 40 + n) & 255);
            }
        }
        img.save(photo, "JPG", 85);
    }
    const QString document = folder + QStringLiteral("/fifty-one-photos.tvk");
    TDocumentRecord record;
    ClearDocumentRecord(record);
    record.Colors = DefaultDocumentColors();
    const TSurfaceCode surfaces[] = {TSurfaceCode::Front, TSurfaceCode::Inside, TSurfaceCode::Back};
    for (int i = 0; i < ImageSlotCount; ++i) {
        TImageElementRecord &r = record.Images[i];
        // every slot its own file, as in a real document
        const QString own = folder + QStringLiteral("/photo-%1.jpg").arg(i);
        if (!QFileInfo::exists(own))
            QFile::link(photo, own);
        r.ImageFileName = own;
        r.ImageType = itJpg;
        r.XPosInches = 0.1f * (i % 10);
        r.YPosInches = 0.1f * (i / 10);
        r.WidthInches = 4.8f; // as inserted: the front cover's width
        r.HeightInches = 3.2f;
        r.XPosCm = r.XPosInches * 2.54f;
        r.YPosCm = r.YPosInches * 2.54f;
        r.WidthCm = r.WidthInches * 2.54f;
        r.HeightCm = r.HeightInches * 2.54f;
        r.SurfaceIndex = surfaces[i % 3];
        r.ArrayIndex = i;
        r.Order = i / 3 + 1;
        r.SavedZoom = 1.0f;
    }
    const TDocumentSaveResult saved = WriteDocumentFile(document, record);
    if (!saved.Ok) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.UserMessage));
        return 1;
    }

    TfrmTarvik w;
    w.show();
    while (w.FFirstActivation)
        QCoreApplication::processEvents();
    const long before = peakKiB();
    QElapsedTimer t;
    t.start();
    const bool ok = w.OpenDocument(document);
    const double ms = t.nsecsElapsed() / 1e6;
    int images = 0;
    for (const auto &img : w.ImageSlots)
        images += img ? 1 : 0;
    std::printf("open a document of 51 pictures of 6000 x 4000 pixels (%s, %d images)\n", ok ? "ok" : "FAILED",
                images);
    std::printf("  time %.0f ms; peak memory of the process %.0f MB (%.0f MB before opening)\n", ms,
                peakKiB() / 1024.0, before / 1024.0);
    return ok && images == ImageSlotCount ? 0 : 1;
}
