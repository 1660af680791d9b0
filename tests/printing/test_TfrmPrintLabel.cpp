// The label dialogs driven with real clicks, printing onto page images: the
// positions offered by the labels per page, Print with and without a
// checked position, the stored settings, the label sheets of templates; the
// diameters dialog's Reset, OK and Cancel; the calibration sheet button.

#include "ImagePrintJob.h"
#include "LabelSheetPresets.h"
#include "PrintTestSupport.h"
#include "TVKRegistry.h"
#include "TVelWinSpinEdit.h"
#include "TestSupport.h"
#include "TfrmPrintLabel.h"
#include "TfrmPrinting.h"
#include "TfrmSetRoundLabel.h"
#include "VelMeasureRoutines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

using namespace PrintTest;
using VelMeasureRoutines::CmToInches;

namespace {

using TarvikTest::Child;

using TarvikTest::Click;

QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Renvald"), QStringLiteral("Tarvik"));
}

TCoverDocument LabelDocument(int perPage)
{
    TCoverDocument doc = EmptyDocument();
    doc.Settings.Colors[ciRoundLabel] = Red;
    doc.Settings.LabelsPerPage = perPage;
    // The third position in the top-left corner, 1 in from both edges.
    doc.Settings.LabelXMargin[2] = 1;
    doc.Settings.LabelYMargin[2] = 1;
    return doc;
}

QList<TLabelSheetPreset> TestPresets()
{
    QFile file(QStringLiteral(TARVIK_TEST_DATA "/data/cd-sheets.xml"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no template file");
    return ReadLabelTemplates(file);
}

} // namespace

class TestTfrmPrintLabel : public QObject
{
    Q_OBJECT

private slots:
    void init() { Store().clear(); }

    void positionsFollowTheLabelsPerPage_data()
    {
        QTest::addColumn<int>("perPage");
        QTest::newRow("one") << 1;
        QTest::newRow("two") << 2;
        QTest::newRow("three") << 3;
    }

    void positionsFollowTheLabelsPerPage()
    {
        QFETCH(int, perPage);
        TImagePrintJob printer(20);
        TCoverDocument doc = LabelDocument(3);
        TfrmPrintLabel dialog(printer, doc, false, {});
        dialog.show();
        Click(&dialog, "rbPrintLabel3");
        auto *spin = Child<TVelWinSpinEdit>(&dialog, "SpinLabelPerPage");
        spin->setValue(perPage);
        const char *groups[] = {"grpLabel1", "grpLabel2", "grpLabel3"};
        const char *boxes[] = {"rbPrintLabel1", "rbPrintLabel2", "rbPrintLabel3"};
        for (int i = 0; i < 3; ++i) {
            const bool offered = i < perPage;
            auto *group = Child<QGroupBox>(&dialog, groups[i]);
            QCOMPARE(group->isEnabled(), offered);
            QCOMPARE(Child<QCheckBox>(&dialog, boxes[i])->isEnabled(), offered);
            QCOMPARE(group->palette().color(QPalette::WindowText),
                     offered ? QColor(0, 0, 128) : QColor(128, 128, 128));
        }
        // A position no longer offered keeps its check mark.
        QVERIFY(Child<QCheckBox>(&dialog, "rbPrintLabel3")->isChecked());
    }

    void positionLeftCheckedStillPrints()
    {
        // Position 3 checked, then the labels per page lowered to 2: Print
        // prints position 3 and stores the seven settings.
        TImagePrintJob printer(50);
        TCoverDocument doc = LabelDocument(3);
        TfrmPrintLabel dialog(printer, doc, false, {});
        dialog.show();
        QVERIFY(!Child<QPushButton>(&dialog, "btnPrint")->isEnabled());
        Click(&dialog, "rbPrintLabel3");
        QVERIFY(Child<QPushButton>(&dialog, "btnPrint")->isEnabled());
        Child<TVelWinSpinEdit>(&dialog, "SpinLabelPerPage")->setValue(2);
        Child<TVelWinSpinEdit>(&dialog, "SpinXMargin1")->setValue(3.0);
        Click(&dialog, "btnPrint");

        QVERIFY(!dialog.isVisible());
        QCOMPARE(printer.Jobs().size(), 1);
        const QImage page = printer.Jobs()[0].Pages[0];
        const QRect disc = Bounds(page, IsRed);
        QCOMPARE(disc.topLeft(), QPoint(50, 50));
        QVERIFY(qAbs(disc.width() - 50 * 11.5 / 2.54) <= 2);

        QSettings s = Store();
        QCOMPARE(s.value("Preferences/RoundLabel/NumberPerPage").toDouble(), 2.0);
        QVERIFY(qAbs(s.value("Preferences/RoundLabel/XMargin0").toDouble() - 3.0 / 2.54) < 1e-6);
        for (const char *name : {"YMargin0", "XMargin1", "YMargin1", "XMargin2", "YMargin2"})
            QVERIFY2(s.contains(QStringLiteral("Preferences/RoundLabel/") + name), name);
        const std::array<bool, 3> printed{false, false, true};
        QCOMPARE(ReadPrintedLabels(), printed);
        // The settings hold for the program run.
        QCOMPARE(doc.Settings.LabelsPerPage, 2);
        QVERIFY(qAbs(doc.Settings.LabelXMargin[0] - 3.0 / 2.54) < 1e-6);
    }

    void printWithNothingCheckedDoesNothing()
    {
        TImagePrintJob printer(20);
        TCoverDocument doc = LabelDocument(2);
        TfrmPrintLabel dialog(printer, doc, true, {});
        dialog.show();
        Click(&dialog, "rbPrintLabel1");
        Click(&dialog, "rbPrintLabel1"); // unchecked again; Print stays enabled
        Click(&dialog, "btnPrint");
        QVERIFY(dialog.isVisible());
        QVERIFY(printer.Jobs().isEmpty());
        QVERIFY(Store().allKeys().isEmpty());
    }

    void borderBoxReachesThePrint()
    {
        TImagePrintJob printer(50);
        TCoverDocument doc = LabelDocument(2);
        doc.Settings.Colors[ciRoundLabel] = clWhite;
        TfrmPrintLabel dialog(printer, doc, false, {});
        dialog.show();
        QVERIFY(Child<QCheckBox>(&dialog, "chkPrintBorder")->isChecked());
        Click(&dialog, "chkPrintBorder");
        Click(&dialog, "rbPrintLabel1");
        Click(&dialog, "btnPrint");
        QCOMPARE(printer.Jobs().size(), 1);
        QCOMPARE(Count(printer.Jobs()[0].Pages[0], IsMarked), 0);
    }

    void labelSheetFillsTheFields()
    {
        TImagePrintJob printer(20);
        TCoverDocument doc = LabelDocument(1);
        const QList<TLabelSheetPreset> presets = TestPresets();
        TfrmPrintLabel dialog(printer, doc, false, presets);
        dialog.show();
        auto *sheets = Child<QComboBox>(&dialog, "cmbLabelSheet");
        QCOMPARE(sheets->count(), 1 + presets.size());
        QCOMPARE(sheets->itemText(0), QStringLiteral("Custom"));
        QVERIFY(sheets->itemText(1).startsWith(QStringLiteral("Testa CD-2")));

        // The four-label sheet: three positions, the 11.5 cm label on the
        // middle of each 11.75 cm one, in centimetres.
        sheets->setCurrentIndex(2);
        auto value = [&](const char *name) { return Child<TVelWinSpinEdit>(&dialog, name)->value(); };
        QCOMPARE(value("SpinLabelPerPage"), 3.0);
        QVERIFY(Child<QGroupBox>(&dialog, "grpLabel3")->isEnabled());
        const double shift = (4.625 * 2.54 - 11.5) / 2;
        QCOMPARE(value("SpinXMargin2"), std::round((3.375 * 2.54 + shift) * 10) / 10);
        QCOMPARE(value("SpinYMargin3"), std::round((5.5 * 2.54 + shift) * 10) / 10);
        QVERIFY(Child<QLabel>(&dialog, "lblSheetInfo")->text().contains(QStringLiteral("11.7 cm")));

        // A margin typed by hand makes the sheet a custom one; choosing
        // Custom brings back the settings.
        Child<TVelWinSpinEdit>(&dialog, "SpinXMargin1")->setValue(2.0);
        QCOMPARE(sheets->currentIndex(), 0);
        QCOMPARE(value("SpinXMargin1"), 2.0);
        sheets->setCurrentIndex(1);
        sheets->setCurrentIndex(0);
        QCOMPARE(value("SpinLabelPerPage"), 1.0);
        QCOMPARE(value("SpinXMargin1"), std::round(doc.Settings.LabelXMargin[0] * 2.54 * 10) / 10);
    }

    void diametersResetThenCancelChangesNothing()
    {
        const float outer = CmToInches(12.0f), inner = CmToInches(2.0f);
        TfrmSetRoundLabel dialog(outer, inner, true, nullptr);
        dialog.show();
        auto *spinOuter = Child<TVelWinSpinEdit>(&dialog, "SpinOuter");
        auto *spinInner = Child<TVelWinSpinEdit>(&dialog, "SpinInner");
        QCOMPARE(spinOuter->decimals(), 2);
        QCOMPARE(spinOuter->value(), 4.72);
        Click(&dialog, "btnReset");
        QCOMPARE(spinOuter->value(), 4.53); // 11.5 cm
        QCOMPARE(spinInner->value(), 1.77); // 4.5 cm
        QVERIFY(Store().allKeys().isEmpty());
        Click(&dialog, "btnCancel");
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(Store().allKeys().isEmpty());
        QCOMPARE(dialog.OuterDiameter(), outer);
        QCOMPARE(dialog.InnerDiameter(), inner);
    }

    void diametersOkStoresWhatIsShown()
    {
        TfrmSetRoundLabel dialog(CmToInches(11.5f), CmToInches(4.5f), false, nullptr);
        dialog.show();
        auto *spinOuter = Child<TVelWinSpinEdit>(&dialog, "SpinOuter");
        QCOMPARE(spinOuter->decimals(), 1);
        QCOMPARE(spinOuter->singleStep(), 0.1);
        spinOuter->setValue(11.8);
        Child<TVelWinSpinEdit>(&dialog, "SpinInner")->setValue(1.5);
        Click(&dialog, "btnOk");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(qAbs(dialog.OuterDiameter() - 11.8 / 2.54) < 1e-5);
        QSettings s = Store();
        QVERIFY(qAbs(s.value("Preferences/RoundLabel/RoundLabel").toDouble() - 11.8 / 2.54) < 1e-5);
        QVERIFY(qAbs(s.value("Preferences/RoundLabel/InnerCircle").toDouble() - 1.5 / 2.54) < 1e-5);

        // A label larger than 30 cm cannot be typed.
        TfrmSetRoundLabel big(CmToInches(11.5f), CmToInches(4.5f), false, nullptr);
        big.show();
        Child<TVelWinSpinEdit>(&big, "SpinOuter")->setValue(80);
        Click(&big, "btnOk");
        QVERIFY(qAbs(big.OuterDiameter() - 30 / 2.54) < 1e-5);
    }

    void calibrationSheetFromThePrintOptions()
    {
        TImagePrintJob printer(20);
        const TCoverDocument doc = EmptyDocument();
        TCoverPrintOptions held;
        TfrmPrinting dialog(printer, doc, held, false);
        dialog.show();
        Click(&dialog, "btnCalibration");
        QCOMPARE(printer.Jobs().size(), 1);
        QCOMPARE(printer.Jobs()[0].Orientations, QList<QPageLayout::Orientation>{QPageLayout::Portrait});
        QVERIFY(Count(printer.Jobs()[0].Pages[0], IsInk) > 100);
        // The dialog stays open to take the corrected margins.
        QVERIFY(dialog.isVisible());
    }
};

TARVIK_TEST_MAIN(TestTfrmPrintLabel)
#include "test_TfrmPrintLabel.moc"
