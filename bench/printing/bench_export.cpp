// Exporting all covers to PDF for a document with a 6000 x 4000 JPEG fitted
// to the front cover, another fitted to the back cover and 20 texts: the
// time and peak memory of the program's own command line
// (tarvik --export-pdf) and of the export alone, and the PDF's size.
// Run: build/bench/printing/bench_export [FOLDER]   (FOLDER keeps the files)

#include "FitGeometry.h"
#include "DocumentFile.h"
#include "PdfExport.h"
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {

// A photo-like picture: smooth shapes and some noise.
void MakePhoto(const QString &path, QColor tint)
{
    QImage img(6000, 4000, QImage::Format_RGB32);
    auto *rng = QRandomGenerator::global();
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = int(rng->bounded(24));
            line[x] = qRgb((x / 24 + n + tint.red()) & 255, (y / 16 + n + tint.green()) & 255,
                           ((x + y) / 40 + n + tint.blue()) & 255);
        }
    }
    img.save(path, "JPG", 85);
}

double Median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    std::unique_ptr<QTemporaryDir> home(TarvikTest::isolateUserFolders());
    QGuiApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("Renvald"));
    app.setApplicationName(QStringLiteral("Tarvik"));

    QTemporaryDir temp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    const QString front = folder + QStringLiteral("/front-6000x4000.jpg");
    const QString back = folder + QStringLiteral("/back-6000x4000.jpg");
    if (!QFileInfo::exists(front))
        MakePhoto(front, QColor(0, 0, 0));
    if (!QFileInfo::exists(back))
        MakePhoto(back, QColor(90, 20, 160));

    const TCoverSettings settings = TCoverSettings::Defaults();
    TDocumentRecord record;
    ClearDocumentRecord(record);
    record.Colors = DefaultDocumentColors();
    record.Images[0].ImageFileName = front;
    record.Images[0].ImageType = itJpg;
    ApplyFitToRecord(record.Images[0], fsFront, settings, 1.0f);
    record.Images[1].ImageFileName = back;
    record.Images[1].ImageType = itJpg;
    ApplyFitToRecord(record.Images[1], fsAllBack, settings, 1.0f);
    const TSurfaceCode surfaces[] = {TSurfaceCode::Front, TSurfaceCode::Inside, TSurfaceCode::Back};
    for (int i = 0; i < 20; ++i) {
        TTextElementRecord &t = record.Texts[size_t(i)];
        t.Text = QStringLiteral("%1. A track title of some length").arg(i + 1);
        t.FontName = QStringLiteral("Arial");
        t.RealFontSize = t.FontSize = 10 + i % 8;
        t.XPosInches = 0.3f;
        t.YPosInches = 0.2f + 0.2f * (i % 20);
        t.Angle = i % 7 == 6 ? 90 : 360;
        t.Transparent = i % 3 != 0;
        t.BackColor = clWhite;
        t.SurfaceIndex = surfaces[i % 3];
    }
    const QString document = folder + QStringLiteral("/two-photos.tvk");
    if (!WriteDocumentFile(document, record).Ok) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(document));
        return 1;
    }

    const QString pdf = folder + QStringLiteral("/two-photos.pdf");
    QList<double> program, alone;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer t;
        t.start();
        QProcess tarvik;
        tarvik.start(QStringLiteral(TARVIK_BINARY), {QStringLiteral("--export-pdf"), pdf, QStringLiteral("--paper"),
                                                     QStringLiteral("a4"), document});
        if (!tarvik.waitForFinished(120000) || tarvik.exitCode() != 0) {
            std::fprintf(stderr, "the export failed: %s\n", tarvik.readAllStandardError().constData());
            return 1;
        }
        program << t.nsecsElapsed() / 1e6;
    }
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);

    TCoverDocument doc;
    QString error;
    ReadCoverDocument(document, doc, &error);
    const QString pdf2 = folder + QStringLiteral("/two-photos-in-process.pdf");
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer t;
        t.start();
        ExportCoverPdf(doc, TCoverPrintOptions(), pkAll, QPageSize(QPageSize::A4), pdf2);
        alone << t.nsecsElapsed() / 1e6;
    }

    std::printf("export all covers to PDF: two 6000 x 4000 JPEGs fitted to front and back, 20 texts\n");
    std::printf("  tarvik --export-pdf: %.0f ms (median of 3, program start included); peak memory %.0f MB\n",
                Median(program), children.ru_maxrss / 1024.0);
    std::printf("  the export alone:    %.0f ms (median of 3)\n", Median(alone));
    std::printf("  PDF size: %.2f MB (%s)\n", QFileInfo(pdf).size() / 1048576.0, qPrintable(pdf));
    return 0;
}
