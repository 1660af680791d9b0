// The print options dialog and the progress window, driven with real clicks
// and printing onto page images: the margin check, the stored options, the
// kinds and copies, the abort button, and a printing error. Also the
// helpers on a real QPrinter, and its job reaching the printer only when it
// ends.

#include "ImagePrintJob.h"
#include "MessageBoxes.h"
#include "PrintTestSupport.h"
#include "PrinterJob.h"
#include "PrintingDialog.h"
#include "TVKRegistry.h"
#include "TVelWinSpinEdit.h"
#include "TarvikError.h"
#include "TestSupport.h"
#include "TfrmPrinting.h"

#include <QCheckBox>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

using namespace PrintTest;

namespace {

struct TBoxes {
    QStringList texts;
    QList<QMessageBox::Icon> icons;
    TBoxes()
    {
        MessageBoxes::SetAnswerer([this](QMessageBox::Icon icon, const QString &text) {
            texts << text;
            icons << icon;
            return QMessageBox::Ok;
        });
    }
    ~TBoxes() { MessageBoxes::SetAnswerer({}); }
};

using TarvikTest::Child;

using TarvikTest::Click;

class TJammedJob : public TImagePrintJob
{
public:
    using TImagePrintJob::TImagePrintJob;
    void BeginJob(const QString &) override { throw ETarvikError(QStringLiteral("paper jam")); }
};

} // namespace

class TestTfrmPrinting : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        for (int pref : {TVKRegistry::prPrintPortrait, TVKRegistry::prPrintSeparationLines,
                         TVKRegistry::prPrintCuttingGuides})
            TVKRegistry::WritePreference(pref, TVKRegistry::PreferenceDefault(pref));
    }

    void marginInsideTheUnprintableStrip_data()
    {
        QTest::addColumn<bool>("inches");
        QTest::addColumn<double>("shownX"); // after the correction
        QTest::addColumn<double>("shownY"); // untouched
        QTest::newRow("inches") << true << 0.29 << 0.5;
        QTest::newRow("centimetres") << false << 0.7 << 1.3;
    }

    void marginInsideTheUnprintableStrip()
    {
        QFETCH(bool, inches);
        QFETCH(double, shownX);
        QFETCH(double, shownY);
        // unprintable: 0.25 in at the left, 0.17 in at the top
        TImagePrintJob printer(20, QSizeF(8.27, 11.69), QMarginsF(0.25, 0.17, 0.25, 0.5));
        const TCoverDocument doc = EmptyDocument();
        TCoverPrintOptions held;
        held.XMargin = 0.2f;
        held.YMargin = 0.5f;
        TfrmPrinting dialog(printer, doc, held, inches);
        dialog.show();
        TBoxes boxes;

        Click(&dialog, "btnPrint");
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("The current margin is too small for the selected printer, "
                                                         "it will be set to the minimum margin available.")});
        QCOMPARE(boxes.icons.value(0), QMessageBox::Critical);
        QCOMPARE(Child<TVelWinSpinEdit>(&dialog, "SpinXMargin")->value(), shownX);
        QCOMPARE(Child<TVelWinSpinEdit>(&dialog, "SpinYMargin")->value(), shownY);
        QVERIFY(printer.Jobs().isEmpty());
        QVERIFY(dialog.isVisible());
        QCOMPARE(held.XMargin, 0.2f);

        // Print again: the corrected margins print, and are held and stored.
        Click(&dialog, "btnPrint");
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(printer.Jobs().size(), 1);
        QCOMPARE(printer.Jobs()[0].Pages.size(), 2); // all covers, landscape
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const double f = inches ? 1.0 : 2.54;
        QVERIFY(qAbs(held.XMargin - shownX / f) < 1e-4);
        QVERIFY(qAbs(held.YMargin - shownY / f) < 1e-4);
        QVERIFY(qAbs(TVKRegistry::ReadLabelSetting(QStringLiteral("XPrinterMargin")) - shownX / f) < 1e-4);
    }

    void optionsAreStoredWhenClicked()
    {
        TVKRegistry::WritePreference(TVKRegistry::prPrintCuttingGuides, QStringLiteral("1"));
        TImagePrintJob printer(20);
        const TCoverDocument doc = EmptyDocument();
        TCoverPrintOptions held;
        TfrmPrinting dialog(printer, doc, held, true);
        dialog.show();
        QVERIFY(Child<QCheckBox>(&dialog, "chkPrintCuttingGuides")->isChecked());
        QVERIFY(Child<QCheckBox>(&dialog, "chkPrintSeparationLines")->isChecked());
        QVERIFY(!Child<QCheckBox>(&dialog, "chkPortrait")->isChecked());

        Click(&dialog, "chkPortrait");
        QCOMPARE(TVKRegistry::ReadPreference(TVKRegistry::prPrintPortrait), QStringLiteral("1"));
        Click(&dialog, "chkPrintSeparationLines");
        QCOMPARE(TVKRegistry::ReadPreference(TVKRegistry::prPrintSeparationLines), QStringLiteral("0"));
        Click(&dialog, "chkPortrait");
        QCOMPARE(TVKRegistry::ReadPreference(TVKRegistry::prPrintPortrait), QStringLiteral("0"));
    }

    void kindAndCopiesReachThePrinter()
    {
        TImagePrintJob printer(20);
        const TCoverDocument doc = EmptyDocument();
        TCoverPrintOptions held;
        TfrmPrinting dialog(printer, doc, held, true);
        dialog.show();
        QVERIFY(Child<QRadioButton>(&dialog, "rbPrintAll")->isChecked());
        QVERIFY(!Child<QPushButton>(&dialog, "btnPrintLabel")->isEnabled()); // until label printing exists

        auto *copies = Child<TVelWinSpinEdit>(&dialog, "SpinCopies");
        copies->setValue(0);
        QCOMPARE(copies->value(), 1.0);
        copies->setValue(3);
        Click(&dialog, "chkPortrait");
        Click(&dialog, "rbPrintBack");
        QCOMPARE(dialog.CheckedKind(), pkBack);
        Click(&dialog, "btnPrint");
        QCOMPARE(printer.Jobs().size(), 1);
        QCOMPARE(printer.Jobs()[0].Copies, 3);
        QCOMPARE(printer.Jobs()[0].Orientations, QList<QPageLayout::Orientation>{QPageLayout::Portrait});
        QCOMPARE(held.Copies, 3);
    }

    void abortButtonStopsThePrint()
    {
        TImagePrintJob printer(20);
        TCoverDocument doc = EmptyDocument();
        for (int i = 0; i < 10; ++i)
            doc.Record.Texts[size_t(i)] = Text(QStringLiteral("line %1").arg(i), TSurfaceCode::Front, 0.2f, 0.3f * i);
        TCoverPrintOptions held;
        TfrmPrinting dialog(printer, doc, held, true);
        dialog.show();
        TBoxes boxes;
        // The user clicks Abort once two steps are on paper.
        QTimer clicker;
        bool seen = false;
        connect(&clicker, &QTimer::timeout, this, [&] {
            TfrmPrintingDialog *progress = nullptr;
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *p = qobject_cast<TfrmPrintingDialog *>(w); p && p->isVisible())
                    progress = p;
            if (progress && printer.StepsDrawn() >= 2) {
                seen = true;
                QVERIFY(QApplication::overrideCursor());
                Click(progress, "btnAbort");
                clicker.stop();
            }
        });
        clicker.start(0);
        Click(&dialog, "btnPrint");
        QVERIFY(seen);
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(printer.Jobs().size(), 1);
        QVERIFY(printer.Jobs()[0].Aborted);
        QVERIFY(printer.StepsDrawn() < 5);
        QVERIFY(!QApplication::overrideCursor());
        const auto noProgressWindow = [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            return std::none_of(windows.cbegin(), windows.cend(),
                                [](QWidget *w) { return qobject_cast<TfrmPrintingDialog *>(w); });
        };
        QTRY_VERIFY(noProgressWindow());
        QVERIFY(!dialog.isVisible());
    }

    void printerHelpers()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0.25, 0.17, 0.3, 0.5), QPageLayout::Inch);
        printer.setPageOrientation(QPageLayout::Landscape);
        // the sheet held upright, whatever the orientation before; the
        // printer is left upright
        const TPrinterMargins m = GetPrinterMargins(printer);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QVERIFY(qAbs(m.PaperWidth - 8.27f) < 0.01f && qAbs(m.PaperHeight - 11.69f) < 0.01f);
        QVERIFY(qAbs(m.Left - 0.25f) < 1e-3f && qAbs(m.Top - 0.17f) < 1e-3f);
        QVERIFY(qAbs(m.Right - 0.3f) < 1e-3f && qAbs(m.Bottom - 0.5f) < 1e-3f);

        // no queue and no file to print into: no copy count to set
        try {
            SetPrinterCopies(printer, 2);
            QFAIL("no error");
        } catch (const ETarvikError &e) {
            QCOMPARE(e.message(), QStringLiteral("Could not set printer copies"));
        }
    }

    void printerJobSendsOnlyWhatEnds()
    {
        QTemporaryDir dir;
        TCoverDocument doc = EmptyDocument();
        doc.Record.Texts[0] = Text(QStringLiteral("Front"), TSurfaceCode::Front, 1, 1);
        const QString aborted = dir.filePath(QStringLiteral("aborted.pdf"));
        const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
        {
            TPrinterJob job;
            job.Printer().setOutputFileName(aborted);
            int steps = 0;
            job.BetweenSteps = [&] {
                if (++steps == 3)
                    job.AbortJob();
            };
            QCOMPARE(TCoverPrinter(job, doc, TCoverPrintOptions()).PrintCover(pkAll).Status, TPrintOutcome::Aborted);
        }
        QVERIFY(!QFile::exists(aborted)); // nothing of it reached the printer
        TPrinterJob job;
        job.Printer().setOutputFileName(printed);
        QCOMPARE(TCoverPrinter(job, doc, TCoverPrintOptions()).PrintCover(pkAll).Status, TPrintOutcome::Printed);
        QFile pdf(printed);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.readAll().count("/Type /Page\n"), 2);
    }

    void printingErrorIsReported()
    {
        TJammedJob printer(20);
        const TCoverDocument doc = EmptyDocument();
        TCoverPrintOptions held;
        TfrmPrinting dialog(printer, doc, held, true);
        QStringList logged;
        dialog.LogError = [&](const QString &reason) { logged << reason; };
        dialog.show();
        TBoxes boxes;
        Click(&dialog, "btnPrint");
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts[0].startsWith(QStringLiteral("An error (")));
        QCOMPARE(logged, QStringList{QStringLiteral("paper jam")});
        QVERIFY(!dialog.isVisible()); // closes also when printing failed
        QVERIFY(!QApplication::overrideCursor());
    }
};

TARVIK_TEST_MAIN(TestTfrmPrinting)
#include "test_TfrmPrinting.moc"
