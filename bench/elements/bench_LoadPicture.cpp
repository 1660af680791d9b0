// Loading a 6000 x 4000 photo through LoadPicture for a 461 x 457 front
// cover panel (the size at 96 pixels per inch and 100 %), as JPEG and PNG,
// and the full-size loads printing uses. Prints the median of several runs.
//
// Run: build/bench/elements/bench_LoadPicture [runs]

#include "VelImgUtils.h"

#include <QGuiApplication>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Gradients with noise compress like a photograph, not like a flat colour.
QImage PhotoLike(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    QRandomGenerator rng(42);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = int(rng.bounded(24)) - 12;
            line[x] = qRgb(std::clamp(x * 255 / w + n, 0, 255), std::clamp(y * 255 / h + n, 0, 255),
                           std::clamp((x + y) * 255 / (w + h) - n, 0, 255));
        }
    }
    return img;
}

double ThreadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct TTiming {
    double wall; // median wall-clock time
    double cpu;  // median CPU time of this thread: what the load costs when
                 // the machine is shared with other work
};

TTiming Median(int runs, const std::function<void()> &f)
{
    std::vector<double> wall, cpu;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        const double c0 = ThreadCpuMs();
        t.start();
        f();
        wall.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(ThreadCpuMs() - c0);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    // TARVIK_BENCH_DIR keeps the generated pictures for other tools.
    QTemporaryDir tmp;
    const QString folder = qEnvironmentVariableIsSet("TARVIK_BENCH_DIR")
        ? qEnvironmentVariable("TARVIK_BENCH_DIR") : tmp.path();
    const QString jpg = folder + "/photo.jpg";
    const QString png = folder + "/photo.png";
    {
        const QImage img = PhotoLike(6000, 4000);
        img.save(jpg, "JPEG", 90);
        img.save(png, "PNG");
    }
    std::printf("6000x4000 JPEG %lld bytes, PNG %lld bytes; %d runs each, median\n",
                QFileInfo(jpg).size(), QFileInfo(png).size(), runs);

    const QSize front(461, 457);
    QImage target;
    std::printf("%-42s %10s %10s\n", "", "wall", "cpu");
    const auto report = [&](const char *what, TTiming t) {
        std::printf("%-42s %7.1f ms %7.1f ms  -> %dx%d\n", what, t.wall, t.cpu, target.width(),
                    target.height());
    };
    report("LoadPicture JPEG (reduced)", Median(runs, [&] { LoadPicture(target, jpg, front); }));
    report("LoadPicture PNG (reduced)", Median(runs, [&] { LoadPicture(target, png, front); }));
    report("LoadJpegAsBitmap JPEG (full)", Median(runs, [&] { target = LoadJpegAsBitmap(jpg); }));
    report("LoadPictureAsBitmap PNG (full)", Median(runs, [&] { target = LoadPictureAsBitmap(png); }));
    report("for comparison: QImageReader scaled JPEG", Median(runs, [&] {
        QImageReader r(jpg);
        r.setScaledSize(QSize(461, 307));
        target = r.read();
    }));
    return 0;
}
