// Fits one picture to every surface and saves a picture of the window after
// each fit: a look at the fits as a user sees them.
// Run: build/bench/app/shots_fit PICTURE OUTPUT-FOLDER [readme]

#include "StartupLayout.h"
#include "TTarvikApplication.h"
#include "BenchApp.h"
#include "TfrmTarvik.h"
#include "VelCDImageElement.h"

#include <QComboBox>
#include <QLineEdit>
#include "CDDataTypes.h"
#include "TVelPickColor.h"
#include "TVelWinSpinEdit.h"
#include <QTabWidget>

int main(int argc, char *argv[])
{
    TBenchApp bench(argc, argv);
    if (argc < 3)
        return 2;
    const QString picture = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    TfrmTarvik w;
    w.show();
    while (w.FFirstActivation)
        QCoreApplication::processEvents();
    if (argc > 3 && qstrcmp(argv[3], "readme") == 0) {
        // A cover as a user makes one: a photo on the front, a title and an
        // artist on it.
        const int photo = w.InsertImageFile(picture);
        w.VelRotateLabelMouseDown(w.ImageSlots[photo], Qt::LeftButton, Qt::NoModifier);
        w.cmbFitTo->setCurrentIndex(1);
        w.cmbFitToClick();
        w.pnlFrontCoverClick();
        w.LoadStyleValue(0);
        w.shColor->setColorSilently(0xFFFFFF);
        w.SpinX->setValue(0.4);
        w.SpinY->setValue(0.4);
        w.txtText->setText(QStringLiteral("Summer Nights"));
        w.pnlFrontCoverClick();
        w.LoadStyleValue(1);
        w.shColor->setColorSilently(0xFFFFFF);
        w.SpinX->setValue(0.4);
        w.SpinY->setValue(1.3);
        w.txtText->setText(QStringLiteral("The Lighthouse Band"));
        QCoreApplication::processEvents();
        w.grab().save(out + QStringLiteral("/screenshot.png"));
        w.Modified = false;
        return 0;
    }
    if (argc > 3 && qstrcmp(argv[3], "save") == 0) {
        // A cover with texts and pictures on all four surfaces, saved to
        // OUTPUT-FOLDER/cover.tvk, with a picture of every surface.
        const TSurfaceCode surfaces[] = {TSurfaceCode::Front, TSurfaceCode::Inside, TSurfaceCode::Back,
                                         TSurfaceCode::RoundLabel};
        const char *tabNames[] = {"front", "inside", "back", "label"};
        for (int n = 0; n < 4; ++n) {
            w.ShowSurface(surfaces[n]);
            w.SpinX->setValue(0.3 + 0.2 * n);
            w.SpinY->setValue(1.2);
            w.InsertImageFile(picture);
            w.pnlFrontCoverClick();
            w.LoadStyleValue(n == 2 ? 2 : 0);
            w.SpinX->setValue(1.2);
            w.SpinY->setValue(0.3);
            w.txtText->setText(QStringLiteral("Surface %1 — %2").arg(n + 1).arg(QLatin1String(tabNames[n])));
            w.pnlFrontCoverClick();
        }
        w.CoverSettings.Colors[ciBack] = 0xE0F0FF;
        w.CoverSettings.Colors[ciLines] = 0x0000C0;
        w.ApplyColors();
        w.SaveFileChooser = [&] { return out + QStringLiteral("/cover.tvk"); };
        w.SaveDocument(true);
        for (int n = 0; n < 4; ++n) {
            w.ShowSurface(surfaces[n]);
            QCoreApplication::processEvents();
            w.grab().save(out + QStringLiteral("/saved-%1.png").arg(QLatin1String(tabNames[n])));
        }
        return 0;
    }
    const int slot = w.InsertImageFile(picture);
    auto shot = [&](const QString &name) {
        QCoreApplication::processEvents();
        w.grab().save(out + QLatin1Char('/') + name + QStringLiteral(".png"));
    };
    const char *names[] = {"none", "front", "inside", "front-inside", "back", "allback", "label"};
    for (int fit : {1, 2, 3, 4, 5, 6, 0}) {
        w.VelRotateLabelMouseDown(w.ImageSlots[slot], Qt::LeftButton, Qt::NoModifier);
        w.cmbFitTo->setCurrentIndex(fit);
        w.cmbFitToClick();
        shot(QStringLiteral("fit-%1").arg(QLatin1String(names[fit])));
        if (fit == 3) {
            w.pagCover->setCurrentWidget(w.TabInsideCover);
            shot(QStringLiteral("fit-front-inside-inside"));
            w.pagCover->setCurrentWidget(w.TabFrontCover);
            shot(QStringLiteral("fit-front-inside-front-again"));
        }
    }
    w.Modified = false;
    return 0;
}
