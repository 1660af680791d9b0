// The wizard's Finish for 20 tracks with their times (read from a disc
// image's table of contents) and three 6000 x 4000 photos, one per cover:
// each run starts a fresh document as "Return to Wizard" does and times
// Finish alone (the round label gets title and author, not the tracks).
// Prints every run and the best.
// Run: build/bench/wizard/bench_finish [FOLDER]   (FOLDER keeps the generated files)

#include "BenchApp.h"
#include "DiscTestSupport.h"
#include "MessageBoxes.h"
#include "TfrmTarvik.h"
#include "TfrmWizard.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace {

// A photo-like picture: soft gradients, a few shapes and some noise.
void WritePhoto(const QString &path, int seed)
{
    if (QFileInfo::exists(path))
        return;
    QImage img(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = int(rng.bounded(20));
            line[x] = qRgb((x / 30 + seed * 40 + n) & 255, (y / 20 + n) & 255, ((x + y) / 50 + n) & 255);
        }
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(QColor::fromHsv(int(rng.bounded(360)), 120, 200, 120));
        p.drawEllipse(QPoint(int(rng.bounded(6000)), int(rng.bounded(4000))), 600, 400);
    }
    p.end();
    img.save(path, "JPG", 85);
}

} // namespace

int main(int argc, char *argv[])
{
    TBenchApp bench(argc, argv);
    VelMeasureRoutines::SetScreenPPI(96);
    QTemporaryDir temp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();

    QStringList photos;
    for (int i = 0; i < 3; ++i) {
        photos << folder + QStringLiteral("/photo-%1.jpg").arg(i);
        WritePhoto(photos.last(), i + 1);
    }
    QList<int> offsets;
    int at = 150;
    for (int i = 0; i < 20; ++i) {
        offsets << at;
        at += (150 + 7 * i) * 75;
    }
    const QString cue = DiscTest::WriteCueSheet(folder, QStringLiteral("twenty"), offsets, at);
    QStringList tracks;
    for (int i = 1; i <= 20; ++i)
        tracks << QStringLiteral("The title of track number %1").arg(i);

    TfrmTarvik w;
    w.show();
    while (w.FFirstActivation)
        QCoreApplication::processEvents();
    w.btnWizardClick(true);
    TfrmWizard *wiz = w.Wizard();
    auto field = [wiz](const char *name) { return wiz->findChild<QWidget *>(QLatin1String(name)); };
    qobject_cast<QLineEdit *>(field("txtCDTitle"))->setText(QStringLiteral("A Benchmark Album"));
    qobject_cast<QLineEdit *>(field("txtCDAuthor"))->setText(QStringLiteral("The Measurers"));
    qobject_cast<QPlainTextEdit *>(field("txtCDTracks"))->setPlainText(tracks.join('\n'));
    qobject_cast<QLineEdit *>(field("txtLeftSpine"))->setText(QStringLiteral("The Measurers - A Benchmark Album"));
    qobject_cast<QLineEdit *>(field("txtRightSpine"))->setText(QStringLiteral("The Measurers - A Benchmark Album"));
    qobject_cast<QLineEdit *>(field("txtInfo"))->setText(QStringLiteral("(c) 2024 Benchmark Records"));
    qobject_cast<QLineEdit *>(field("txtImageFront"))->setText(photos[0]);
    qobject_cast<QLineEdit *>(field("txtImageInside"))->setText(photos[1]);
    qobject_cast<QLineEdit *>(field("txtImageBack"))->setText(photos[2]);
    auto *drives = qobject_cast<QComboBox *>(field("cmbCDDrive"));
    drives->insertItem(0, QStringLiteral("disc image"), cue);
    drives->setCurrentIndex(0);
    qobject_cast<QCheckBox *>(field("chkAutomaticallyAddTrackTime"))->setChecked(true);
    // Tracks and times on the inside and back cover: 88 texts, within the
    // 101 a cover holds, so no message interrupts the timing.
    qobject_cast<QCheckBox *>(field("chkTitlesRoundLabel"))->setChecked(false);
    MessageBoxes::SetAnswerer([](QMessageBox::Icon, const QString &text) {
        std::printf("  message: %s\n", qPrintable(text));
        return QMessageBox::Cancel;
    });

    std::printf("Finish: 20 tracks with times on the inside and back cover, three 6000 x 4000 photos\n");
    QList<double> times;
    int texts = 0;
    for (int run = 0; run < 5; ++run) {
        w.btnWizardClick(false); // Return to Wizard: a fresh document, the same inputs
        QElapsedTimer t;
        t.start();
        wiz->Finish();
        times << t.nsecsElapsed() / 1e6;
        texts = 0;
        for (const auto &e : w.TextSlots)
            texts += e && !e->isHidden() ? 1 : 0;
        std::printf("  run %d: %.0f ms (%d texts)\n", run + 1, times.last(), texts);
    }
    std::printf("  best %.0f ms, first %.0f ms\n", *std::min_element(times.begin(), times.end()), times.first());
    w.Modified = false;
    return texts == 2 + 2 + 40 + 40 + 2 + 2 ? 0 : 1;
}
