// The text style editor with real widgets and a real settings file: the
// working copy, the preview, Set, Reset, Close and a size that is no number.

#include "TfrmDefaultStyles.h"

#include "ShotSupport.h"
#include "TestSupport.h"
#include "TVelPickColor.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QToolButton>

namespace {

// The dialog, shown, with its controls at hand; reports are collected.
struct TEditor {
    QStringList reports;
    TfrmDefaultStyles dialog;
    QComboBox *cmbStyle, *cmbFontSize;
    QToolButton *btnBold, *btnItalic;
    QRadioButton *rb0, *rb90;
    TVelPickColor *pickColorFont;
    TVelRotateLabel *lblPreview;

    explicit TEditor(TCoverSettings &settings)
        : dialog(settings, [this](const QString &m) { reports.append(m); })
    {
        cmbStyle = dialog.findChild<QComboBox *>("cmbStyle");
        cmbFontSize = dialog.findChild<QComboBox *>("cmbFontSize");
        btnBold = dialog.findChild<QToolButton *>("btnBold");
        btnItalic = dialog.findChild<QToolButton *>("btnItalic");
        rb0 = dialog.findChild<QRadioButton *>("rb0");
        rb90 = dialog.findChild<QRadioButton *>("rb90");
        pickColorFont = dialog.findChild<TVelPickColor *>("pickColorFont");
        lblPreview = dialog.findChild<TVelRotateLabel *>("lblPreview");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }

    void typeSize(const QString &text)
    {
        QLineEdit *edit = cmbFontSize->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    void click(const char *button) { QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton); }
    void clickRadio(QRadioButton *b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2)); }
    void selectStyle(const QString &name) { cmbStyle->setCurrentIndex(cmbStyle->findText(name)); }
};

QString stored(int n, const char *value)
{
    return QSettings().value(QStringLiteral("Preferences/Styles/%1/%2").arg(n).arg(QLatin1String(value))).toString();
}

TCoverSettings defaultSettings()
{
    TCoverSettings s = TCoverSettings::Defaults();
    ResetStyles(s);
    return s;
}

} // namespace

class TestTfrmDefaultStyles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        VelMeasureRoutines::SetScreenPPI(96);
        // X and Y are written in the user's number format.
        QLocale::setDefault(QLocale::c());
    }

    void init() { QSettings().clear(); }

    // Changes go into the working copy of the selected style and to the
    // preview; the styles in memory and the settings file stay as they are.
    void workingCopyAndPreview()
    {
        TCoverSettings settings = defaultSettings();
        TEditor e(settings);
        QCOMPARE(e.cmbStyle->count(), 7);
        QCOMPARE(e.cmbStyle->currentText(), QStringLiteral("CD Title"));
        QCOMPARE(e.cmbFontSize->currentText(), QStringLiteral("22"));
        QVERIFY(e.btnBold->isChecked());
        QVERIFY(e.rb0->isChecked());
        SaveShot(&e.dialog, QStringLiteral("styles-cd-title"));

        e.selectStyle(QStringLiteral("CD Author"));
        QTest::mouseClick(e.btnItalic, Qt::LeftButton);
        e.typeSize(QStringLiteral("30"));
        e.clickRadio(e.rb90);
        e.pickColorFont->setColor(0x0000FF);

        QCOMPARE(e.lblPreview->Angle(), 90);
        QCOMPARE(e.lblPreview->RealFontSize(), 30);
        QVERIFY(e.lblPreview->font().italic() && e.lblPreview->font().bold());
        QCOMPARE(e.lblPreview->FontColor(), 0x0000FF);
        const QPoint middle = e.lblPreview->parentWidget()->rect().center();
        QVERIFY((e.lblPreview->geometry().center() - middle).manhattanLength() <= 2);
        SaveShot(&e.dialog, QStringLiteral("styles-cd-author-edited"));

        e.selectStyle(QStringLiteral("CD Tracks"));
        QCOMPARE(e.cmbFontSize->currentText(), QStringLiteral("11"));
        QVERIFY(!e.btnItalic->isChecked());
        e.selectStyle(QStringLiteral("CD Author"));
        QCOMPARE(e.cmbFontSize->currentText(), QStringLiteral("30"));
        QVERIFY(e.btnItalic->isChecked());
        QVERIFY(e.rb90->isChecked());

        QCOMPARE(settings.Styles[1], DefaultStyle(1));
        QVERIFY(QSettings().childGroups().isEmpty());
    }

    // Set copies the working copy into memory, positions kept, and stores
    // the seven named styles in the registry form; the spare ones are not
    // stored.
    void setStoresTheStyles()
    {
        TCoverSettings settings = defaultSettings();
        settings.Styles[1].X = 1.25f;
        settings.Styles[1].Y = 2.5f;
        TEditor e(settings);
        e.selectStyle(QStringLiteral("CD Author"));
        QTest::mouseClick(e.btnItalic, Qt::LeftButton);
        e.typeSize(QStringLiteral("30"));
        e.clickRadio(e.rb90);
        e.pickColorFont->setColor(0xFF8000);
        e.click("btnSet");

        TTextStyleRecord expected = DefaultStyle(1);
        expected.FontStyle = fbBold | fbItalic;
        expected.FontSize = 30;
        expected.Angle = 90;
        expected.FontColor = 0xFF8000;
        expected.X = 1.25f;
        expected.Y = 2.5f;
        QCOMPARE(settings.Styles[1], expected);

        QCOMPARE(stored(1, "Name"), QStringLiteral("CD Author"));
        QCOMPARE(stored(1, "FontName"), QStringLiteral("Arial"));
        QCOMPARE(stored(1, "FontSize"), QStringLiteral("30"));
        QCOMPARE(stored(1, "FontColor"), QStringLiteral("16744448"));
        QCOMPARE(stored(1, "FontBold"), QStringLiteral("True"));
        QCOMPARE(stored(1, "FontItalic"), QStringLiteral("True"));
        QCOMPARE(stored(1, "FontUnderline"), QStringLiteral("False"));
        QCOMPARE(stored(1, "Angle"), QStringLiteral("90"));
        QCOMPARE(stored(1, "Transparent"), QStringLiteral("True"));
        QCOMPARE(stored(1, "BackColor"), QStringLiteral("16777215"));
        QCOMPARE(stored(1, "X"), QStringLiteral("1.25"));
        QCOMPARE(stored(1, "Y"), QStringLiteral("2.5"));
        QSettings s;
        s.beginGroup(QStringLiteral("Preferences/Styles"));
        QCOMPARE(s.childGroups(), (QStringList{"0", "1", "2", "3", "4", "5", "6"}));
        QVERIFY(e.reports.isEmpty());
        QVERIFY(e.dialog.isVisible());
    }

    // Reset puts the built-in styles in memory at once and shows them, but
    // stores nothing; a later Set stores them, the right spine at the
    // back cover's right edge.
    void resetThenSet()
    {
        TCoverSettings settings = defaultSettings();
        settings.Styles[0].FontSize = 40;
        settings.Styles[5].X = -1;
        settings.Styles[5].FontSize = 14;
        WriteStyle(0, settings.Styles[0]);
        TEditor e(settings);
        QCOMPARE(e.cmbFontSize->currentText(), QStringLiteral("40"));

        e.click("btnReset");
        for (int n = 0; n < StyleCount; ++n)
            QCOMPARE(settings.Styles[n], DefaultStyle(n));
        QCOMPARE(e.cmbStyle->currentText(), QStringLiteral("CD Title"));
        QCOMPARE(e.cmbFontSize->currentText(), QStringLiteral("22"));
        QCOMPARE(stored(0, "FontSize"), QStringLiteral("40"));
        QVERIFY(stored(5, "Name").isEmpty());

        e.click("btnSet");
        QCOMPARE(stored(0, "FontSize"), QStringLiteral("22"));
        QCOMPARE(stored(5, "FontSize"), QStringLiteral("10"));
        // 5.92520 - 0.23622 + 0.04 in 32-bit floats
        QVERIFY(qAbs(stored(5, "X").toDouble() - 5.72898) < 1e-5);
        QCOMPARE(stored(5, "Y"), QStringLiteral("0.02"));
    }

    // Close drops what was not set, but a reset already done stays.
    void closeDropsChanges()
    {
        TCoverSettings settings = defaultSettings();
        settings.Styles[2].FontSize = 40;
        TEditor e(settings);
        e.typeSize(QStringLiteral("50"));
        e.click("btnReset");
        e.selectStyle(QStringLiteral("CD Tracks"));
        e.typeSize(QStringLiteral("60"));
        e.click("btnClose");

        QVERIFY(!e.dialog.isVisible());
        for (int n = 0; n < StyleCount; ++n)
            QCOMPARE(settings.Styles[n], DefaultStyle(n));
        QVERIFY(QSettings().childGroups().isEmpty());
    }

    // A size that is no whole number is reported once; the style keeps its
    // size, the box shows it again, and the next change reports nothing.
    void sizeNotAWholeNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("letters") << "1x";
        QTest::newRow("decimal") << "12.5";
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-3";
        QTest::newRow("beyond an int") << "99999999999";
    }

    void sizeNotAWholeNumber()
    {
        QFETCH(QString, typed);
        TCoverSettings settings = defaultSettings();
        TEditor e(settings);
        e.typeSize(typed);

        QCOMPARE(e.reports, QStringList{QStringLiteral("'%1' is not a valid integer value").arg(typed)});
        QCOMPARE(e.cmbFontSize->currentText(), QStringLiteral("22"));
        QCOMPARE(e.lblPreview->RealFontSize(), 22);

        QTest::mouseClick(e.btnItalic, Qt::LeftButton);
        QCOMPARE(e.reports.size(), 1);
        e.click("btnSet");
        QCOMPARE(stored(0, "FontSize"), QStringLiteral("22"));
        QCOMPARE(stored(0, "FontItalic"), QStringLiteral("True"));
    }

    // The round label's angle 0 (unrotated, picking no angle button) shows
    // no button checked and an unrotated preview, and survives other changes.
    void angleWithoutButton()
    {
        TCoverSettings settings = defaultSettings();
        TEditor e(settings);
        e.selectStyle(QStringLiteral("Left Spine"));
        QVERIFY(e.rb90->isChecked());
        e.selectStyle(QStringLiteral("Round Label"));
        const QList<QRadioButton *> angles = e.dialog.findChildren<QRadioButton *>();
        QVERIFY(std::none_of(angles.begin(), angles.end(), [](QRadioButton *b) { return b->isChecked(); }));
        QCOMPARE(e.lblPreview->Angle(), 0);

        QTest::mouseClick(e.btnBold, Qt::LeftButton);
        e.click("btnSet");
        QCOMPARE(settings.Styles[6].Angle, 0);
        QCOMPARE(stored(6, "Angle"), QStringLiteral("0"));
        QCOMPARE(stored(6, "FontBold"), QStringLiteral("True"));

        e.clickRadio(e.rb90);
        QCOMPARE(e.lblPreview->Angle(), 90);
        e.click("btnSet");
        QCOMPARE(stored(6, "Angle"), QStringLiteral("90"));
    }

    // Styles that cannot be stored are reported, not lost silently.
    void setFailureIsReported()
    {
        const QString file = QSettings().fileName();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file)); // a folder where the settings file belongs
        TCoverSettings settings = defaultSettings();
        TEditor e(settings);
        e.click("btnSet");
        QDir(file).removeRecursively();
        QCOMPARE(e.reports.size(), 1);
        QVERIFY(!e.reports.first().isEmpty());
    }
};

TARVIK_TEST_MAIN(TestTfrmDefaultStyles)
#include "test_TfrmDefaultStyles.moc"
