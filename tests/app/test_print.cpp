// Printing from the main window: the commands are there, Print goes through
// the print options dialog with the window's visible elements, and Export
// to PDF writes the file.

#include "AppTestSupport.h"
#include "ImagePrintJob.h"
#include "Printing.h"
#include "TShape.h"
#include "TSurfacePanel.h"
#include "TVelWinSpinEdit.h"
#include "TfrmPrintLabel.h"
#include "TfrmPrinting.h"
#include "TfrmSetRoundLabel.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using AppTest::Action;
using AppTest::Child;

class TestPrint : public QObject
{
    Q_OBJECT
    std::unique_ptr<TfrmTarvik> w;
    std::shared_ptr<TImagePrintJob> printer;
    QTemporaryDir dir;

    TTextElementRecord text(const QString &caption, float y)
    {
        TTextElementRecord r;
        r.Text = caption;
        r.FontName = QStringLiteral("Arial");
        r.RealFontSize = r.FontSize = 24;
        r.XPosInches = 0.5f;
        r.YPosInches = y;
        r.Angle = 360;
        r.Transparent = true;
        return r;
    }

private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }
    void init()
    {
        w = AppTest::makeWindow();
        printer = std::make_shared<TImagePrintJob>(50);
        w->FPrinter = printer;
    }
    void cleanup()
    {
        w->Modified = false;
        w.reset();
    }

    void commandsAreThere()
    {
        for (const char *name : {"mnuPrint", "mnuPrinterSetup", "mnuPrintPreview", "mnuExportPdf"})
            QVERIFY2(Action(*w, name)->isEnabled(), name);
        QCOMPARE(Child<QToolButton>(*w, "btnPrint")->defaultAction(), Action(*w, "mnuPrint"));
        QVERIFY(Child<QToolButton>(*w, "btnPrint")->isEnabled());
        const QList<QAction *> file = w->mnuFile->actions();
        QVERIFY(file.contains(Action(*w, "mnuPrintPreview")) && file.contains(Action(*w, "mnuExportPdf")));
        QCOMPARE(Action(*w, "mnuPrintPreview")->text(), QStringLiteral("Print Pre&view..."));
        QCOMPARE(Action(*w, "mnuExportPdf")->text(), QStringLiteral("E&xport to PDF..."));
    }

    void printPrintsTheVisibleElements()
    {
        QImage red(40, 40, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath(QStringLiteral("red.png"))));
        QVERIFY(w->InsertImageFile(dir.filePath(QStringLiteral("red.png"))) >= 0);
        QVERIFY(w->InsertTextElement(text(QStringLiteral("Shown"), 0.5f)));
        TVelRotateLabel *hidden = w->InsertTextElement(text(QStringLiteral("Hidden"), 2.0f));
        QVERIFY(hidden);
        hidden->hide();

        bool clicked = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<TfrmPrinting *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnPrint")), Qt::LeftButton);
            clicked = true;
        });
        Action(*w, "mnuPrint")->trigger();
        QVERIFY(clicked);

        const TCoverDocument doc = w->CoverDocument();
        QStringList texts;
        for (const TTextElementRecord &t : doc.Record.Texts)
            if (t.isUsed())
                texts << t.Text;
        QCOMPARE(texts, QStringList{QStringLiteral("Shown")});
        QCOMPARE(printer->Jobs().size(), 1);
        QCOMPARE(printer->Jobs()[0].Pages.size(), 2);
        const QImage page = printer->Jobs()[0].Pages[0];
        int reds = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                reds += page.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY(reds > 100);
    }

    void exportWritesThePdf()
    {
        const QString pdf = dir.filePath(QStringLiteral("window.pdf"));
        w->PdfFileChooser = [pdf] { return pdf; };
        Action(*w, "mnuExportPdf")->trigger();
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(5) == "%PDF-");
    }

    void roundLabelDiameters()
    {
        // OK lays the label surface out again for the new diameter.
        QVERIFY(Action(*w, "mnuRoundLabel")->isEnabled());
        QTimer::singleShot(0, this, [] {
            auto *dialog = qobject_cast<TfrmSetRoundLabel *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<TVelWinSpinEdit *>(QStringLiteral("SpinOuter"))->setValue(4.0);
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnOk")), Qt::LeftButton);
        });
        Action(*w, "mnuRoundLabel")->trigger();
        QCOMPARE(w->CoverSettings.OuterDiameter, 4.0f);
        QCOMPARE(w->pnlRoundLabel->width(), VelMeasureRoutines::InchesToScreenPixels(4.0f, w->FZoom));
        QCOMPARE(w->pnlRoundLabel->outerCircle()->width(), w->pnlRoundLabel->width());
    }

    void labelFromThePrintOptions()
    {
        // Print the label... in the print options dialog, then position 2
        // alone: one portrait sheet; the print options dialog stays open.
        w->CoverSettings.Colors[ciRoundLabel] = 0x0000FF;
        bool printed = false;
        QTimer::singleShot(0, this, [&] {
            auto *options = qobject_cast<TfrmPrinting *>(QApplication::activeModalWidget());
            QVERIFY(options);
            QTimer::singleShot(0, this, [&, options] {
                auto *dialog = qobject_cast<TfrmPrintLabel *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QTest::mouseClick(dialog->findChild<QCheckBox *>(QStringLiteral("rbPrintLabel2")), Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnPrint")), Qt::LeftButton);
                printed = options->isVisible();
            });
            auto *label = options->findChild<QPushButton *>(QStringLiteral("btnPrintLabel"));
            QVERIFY(label->isEnabled());
            QTest::mouseClick(label, Qt::LeftButton);
            options->reject();
        });
        Action(*w, "mnuPrint")->trigger();
        QVERIFY(printed);
        QCOMPARE(printer->Jobs().size(), 1);
        QCOMPARE(printer->Jobs()[0].Orientations, QList<QPageLayout::Orientation>{QPageLayout::Portrait});
        const QImage page = printer->Jobs()[0].Pages[0];
        const TCoverSettings &s = w->CoverSettings;
        const int middle = qRound((s.LabelXMargin[1] + s.OuterDiameter / 2) * 50);
        int top = -1;
        for (int y = 0; y < page.height() && top < 0; ++y)
            if (page.pixel(middle, y) == qRgb(255, 0, 0))
                top = y;
        // below the disc's one-pixel rim
        QVERIFY2(qAbs(top - 1 - s.LabelYMargin[1] * 50) <= 1, qPrintable(QString::number(top)));
    }
};

TARVIK_APP_TEST_MAIN(TestPrint)
#include "test_print.moc"
