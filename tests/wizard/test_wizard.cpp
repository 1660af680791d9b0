// The cover wizard through its real window and the real main window: the
// pages' defaults and checks, starting and returning, and covers built by
// Finish, measured on the surfaces as the user sees them.

#include "AppTestSupport.h"
#include "CDAudio.h"
#include "DiscTestSupport.h"
#include "TrackFit.h"
#include "TfrmCreatingDialog.h"
#include "TfrmWizard.h"
#include "uCDDBFRM.h"
#include "TVKRegistry.h"
#include "VelCDImageElement.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

using AppTest::Action;
using AppTest::Boxes;
using AppTest::Child;

namespace {

// The texts of a surface, top to bottom.
QList<TVelRotateLabel *> Texts(const QWidget *panel)
{
    QList<TVelRotateLabel *> texts;
    for (QObject *o : panel->children())
        if (auto *t = qobject_cast<TVelRotateLabel *>(o); t && !t->isHidden())
            texts << t;
    std::stable_sort(texts.begin(), texts.end(),
                     [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    return texts;
}

QStringList Captions(const QList<TVelRotateLabel *> &texts)
{
    QStringList captions;
    for (const TVelRotateLabel *t : texts)
        captions << t->Caption();
    return captions;
}

QList<TVelRotateLabel *> WithCaption(const QWidget *panel, const QRegularExpression &pattern)
{
    QList<TVelRotateLabel *> found;
    for (TVelRotateLabel *t : Texts(panel))
        if (pattern.match(t->Caption()).hasMatch())
            found << t;
    return found;
}

int Bottom(const QWidget *w)
{
    return w->y() + w->height();
}

} // namespace

class TestWizard : public QObject {
    Q_OBJECT

    std::unique_ptr<TfrmTarvik> w;
    QTemporaryDir dir;

    TfrmWizard *Wiz() const { return w->Wizard(); }
    template <class T = QWidget>
    T *Field(const char *name) const
    {
        return Child<T>(*Wiz(), name);
    }
    QWidget *Panel(const char *name) const { return Child<QWidget>(*w, name); }
    void Next() { QTest::mouseClick(Field<QPushButton>("btnNext"), Qt::LeftButton); }
    void Type(const char *box, const QString &text)
    {
        auto *edit = Field<QLineEdit>(box);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    void SetTracks(const QStringList &lines) { Field<QPlainTextEdit>("txtCDTracks")->setPlainText(lines.join('\n')); }
    void Check(const char *name, bool on) { Field<QCheckBox>(name)->setChecked(on); }
    // Only the surfaces a test looks at get the tracks and the information.
    void Layout(bool inside, bool back, bool label)
    {
        Check("chkTitlesInsideCover", inside);
        Check("chkTitlesBackCover", back);
        Check("chkTitlesRoundLabel", label);
        Check("chkInfoInsideCOver", inside);
        Check("chkInfoBackCover", back);
    }
    void StartNew() { Action(*w, "mnuUseTarvikWizard")->trigger(); }
    void FinishFromPage1()
    {
        Next();
        Next();
        QCOMPARE(Field<QPushButton>("btnNext")->text(), QStringLiteral("&Finish"));
        Next();
    }
    QString WritePicture(const QString &name, QSize size, const char *format = "PNG")
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(QColor(40, 90, 160));
        const QString path = dir.filePath(name);
        if (!picture.save(path, format))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    // A disc image whose tracks last `seconds` each (2-second lead-in first).
    QString WriteDisc(const QString &name, const QList<int> &seconds)
    {
        QList<int> offsets;
        int at = 150;
        for (int s : seconds) {
            offsets << at;
            at += s * 75;
        }
        return DiscTest::WriteCueSheet(dir.path(), name, offsets, at);
    }
    void UseDisc(const QString &cue)
    {
        auto *drives = Field<QComboBox>("cmbCDDrive");
        drives->insertItem(0, QStringLiteral("test disc"), cue);
        drives->setCurrentIndex(0);
        Check("chkAutomaticallyAddTrackTime", true);
    }

private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }

    void init()
    {
        // A message box nobody expected fails the test instead of waiting.
        MessageBoxes::SetAnswerer([](QMessageBox::Icon, const QString &text) {
            qWarning("unexpected message: %s", qPrintable(text));
            return QMessageBox::Cancel;
        });
        w = AppTest::makeWindow();
        Action(*w, "mnuCm")->trigger();
    }
    void cleanup()
    {
        w->Modified = false;
        w.reset();
    }

    // --- the pages --------------------------------------------------------

    // After Next the spines hold the default unless one was typed; the
    // right spine copies the left.
    void spineDefaults_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("author");
        QTest::addColumn<bool>("artistFirst");
        QTest::addColumn<QString>("typedLeft");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::newRow("artist first") << "T" << "A" << true << "" << "A - T" << "A - T";
        QTest::newRow("title first") << "T" << "A" << false << "" << "T - A" << "T - A";
        QTest::newRow("no author") << "T" << "" << true << "" << "" << "";
        QTest::newRow("typed left kept and copied") << "T" << "A" << true << "Mine" << "Mine" << "Mine";
    }
    void spineDefaults()
    {
        QFETCH(QString, title);
        QFETCH(QString, author);
        QFETCH(bool, artistFirst);
        QFETCH(QString, typedLeft);
        QFETCH(QString, left);
        QFETCH(QString, right);
        StartNew();
        QVERIFY(Wiz()->isVisible());
        QCOMPARE(Wiz()->windowTitle(), QStringLiteral("Tarvik Wizard - CD Title, Author, Tracks (1/3)"));
        QVERIFY(!Field<QPushButton>("btnBack")->isEnabled());
        Type("txtCDTitle", title);
        Type("txtCDAuthor", author);
        Field<QLineEdit>("txtLeftSpine")->setText(typedLeft);
        // The order is a preference the wizard keeps.
        Field<QCheckBox>("chkPutArtistBeforeTitle")->setChecked(!artistFirst);
        QTest::mouseClick(Field<QCheckBox>("chkPutArtistBeforeTitle"), Qt::LeftButton);
        QCOMPARE(TVKRegistry::ReadPreference(TVKRegistry::prArtistBeforeTitle),
                 artistFirst ? QStringLiteral("True") : QStringLiteral("False"));
        Next();
        QCOMPARE(Wiz()->Page(), 2);
        QCOMPARE(Wiz()->windowTitle(), QStringLiteral("Tarvik Wizard - CD Info, Spines, Layout (2/3)"));
        QVERIFY(Field<QPushButton>("btnBack")->isEnabled());
        QCOMPARE(Field<QLineEdit>("txtLeftSpine")->text(), left);
        QCOMPARE(Field<QLineEdit>("txtRightSpine")->text(), right);
        // Back and forth: captions, title and buttons follow the page.
        Next();
        QCOMPARE(Wiz()->windowTitle(), QStringLiteral("Tarvik Wizard - Cover Images (3/3)"));
        QTest::mouseClick(Field<QPushButton>("btnBack"), Qt::LeftButton);
        QCOMPARE(Field<QPushButton>("btnNext")->text(), QStringLiteral("&Next >"));
        QTest::mouseClick(Field<QPushButton>("btnBack"), Qt::LeftButton);
        QCOMPARE(Wiz()->Page(), 1);
        QVERIFY(!Field<QPushButton>("btnBack")->isEnabled());
    }

    // Enter moves on from the title and author instead of closing anything;
    // the count follows the track lines.
    void enterMovesAndTracksAreCounted()
    {
        StartNew();
        // The main window's own first activation may still be under way.
        QVERIFY(QTest::qWaitFor([&] {
            Wiz()->activateWindow();
            QTest::qWait(20);
            return QApplication::activeWindow() == Wiz();
        }));
        Field("txtCDTitle")->setFocus();
        QTest::keyClick(Field("txtCDTitle"), Qt::Key_Return);
        QVERIFY(Field("txtCDAuthor")->hasFocus());
        QTest::keyClick(Field("txtCDAuthor"), Qt::Key_Return);
        QVERIFY(Field("txtCDTracks")->hasFocus());
        QVERIFY(Wiz()->isVisible());
        QCOMPARE(Field<QLabel>("lblTracksNr")->text(), QStringLiteral("0"));
        SetTracks({"a", "", "c"});
        QCOMPARE(Field<QLabel>("lblTracksNr")->text(), QStringLiteral("3"));
    }

    // The track-list window fills the boxes from the local CDDB folder:
    // all tracks of the album shown, with its artist and title.
    void titlesFromTrackListWindow()
    {
        TVKRegistry::WritePreference(TVKRegistry::prCDDBFolder, QStringLiteral(TARVIK_TEST_DATA "/../disc/data/cddb"));
        StartNew();
        SetTracks({"old line"});
        QStringList seenInCover, albumTracks;
        QString artist, album;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<TfrmCDDB *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            const auto guard = qScopeGuard([dialog] { dialog->reject(); });
            auto *tracks = Child<QListWidget>(*dialog, "lstTracks");
            auto *inserted = Child<QListWidget>(*dialog, "lstInsertedTracks");
            for (int i = 0; i < inserted->count(); ++i)
                seenInCover << inserted->item(i)->text(); // the wizard's lines came in
            artist = Child<QComboBox>(*dialog, "cmbArtist")->currentText();
            album = Child<QComboBox>(*dialog, "cmbAlbum")->currentText();
            for (int i = 0; i < tracks->count(); ++i)
                albumTracks << tracks->item(i)->text();
            dialog->btnSelectAllTracksClick();
            dialog->btnMoveClick();
            Child<QCheckBox>(*dialog, "chkInsertArtistName")->setChecked(true);
            dialog->btnOKClick();
        });
        QTest::mouseClick(Field<QPushButton>("btnCDDB"), Qt::LeftButton);
        QCOMPARE(seenInCover, QStringList{"old line"});
        QVERIFY(albumTracks.size() > 5);
        QCOMPARE(Field<QLineEdit>("txtCDAuthor")->text(), artist);
        QCOMPARE(Field<QLineEdit>("txtCDTitle")->text(), album);
        QCOMPARE(Field<QPlainTextEdit>("txtCDTracks")->toPlainText(), (QStringList{"old line"} + albumTracks).join('\n'));
        QCOMPARE(Field<QLabel>("lblTracksNr")->text(), QString::number(albumTracks.size() + 1));
    }

    // A typed format must hold "#"; one ending in it is fine. The example
    // follows.
    void numberFormatIsChecked()
    {
        Boxes boxes;
        StartNew();
        auto *format = Field<QLineEdit>("txtNumberFormat");
        QCOMPARE(format->text(), QStringLiteral("# - "));
        QCOMPARE(Field<QLabel>("lblExample")->text(), QStringLiteral("Ex: (1 - This is the title of the 1st track)"));
        // The "#" must stay while typing: the rest of "# - " goes, a blank
        // comes before it.
        format->setFocus();
        QTest::keyClick(format, Qt::Key_End);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(format, Qt::Key_Backspace);
        QTest::keyClick(format, Qt::Key_Home);
        QTest::keyClicks(format, QStringLiteral(" "));
        QCOMPARE(format->text(), QStringLiteral(" #"));
        QVERIFY(boxes.texts.isEmpty());
        Check("chkUse01", true);
        QCOMPARE(Field<QLabel>("lblExample")->text(), QStringLiteral("Ex: ( 01This is the title of the 1st track)"));
        format->selectAll();
        QTest::keyClicks(format, QStringLiteral("N"));
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("You must include the character '#' in your number format.")});
        QCOMPARE(format->text(), QStringLiteral("# - "));
    }

    // Previews keep proportions inside 62 x 62; a small picture keeps its
    // size; an unreadable one is reported and its path kept for Finish.
    void previews_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("640 x 480") << QSize(640, 480) << QSize(62, 46);
        QTest::newRow("100 x 300") << QSize(100, 300) << QSize(20, 62);
        QTest::newRow("40 x 40") << QSize(40, 40) << QSize(40, 40);
    }
    void previews()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, preview);
        const QString path = WritePicture(QStringLiteral("p.jpg"), picture, "JPG");
        StartNew();
        QString askedIn;
        Wiz()->PictureChooser = [&](const QString &start) {
            askedIn = start;
            return path;
        };
        TVKRegistry::WritePreference(TVKRegistry::prImageOpenDir, QStringLiteral("/tmp/"));
        QTest::mouseClick(Field<QToolButton>("btnImageInside"), Qt::LeftButton);
        QCOMPARE(askedIn, QStringLiteral("/tmp/"));
        QCOMPARE(TVKRegistry::ReadPreference(TVKRegistry::prImageOpenDir), dir.path() + '/');
        QCOMPARE(Field<QLineEdit>("txtImageInside")->text(), path);
        QCOMPARE(Field<QLabel>("imgInsideCover")->size(), preview);
        QCOMPARE(Field<QLabel>("imgInsideCover")->pixmap().size(), preview);
    }
    void unreadablePicture()
    {
        Boxes boxes;
        QFile bad(dir.filePath(QStringLiteral("bad.jpg")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a picture");
        bad.close();
        StartNew();
        Wiz()->PictureChooser = [&](const QString &) { return bad.fileName(); };
        QTest::mouseClick(Field<QToolButton>("btnImageBack"), Qt::LeftButton);
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("The image selected could not be found!")});
        QCOMPARE(Field<QLineEdit>("txtImageBack")->text(), bad.fileName());
        QCOMPARE(Field<QLabel>("imgBackCover")->size(), QSize(62, 62));
    }

    // The font buttons change the styles for this run only.
    void fontButtonsEditStyles()
    {
        StartNew();
        const TTextStyleRecord before = w->CoverSettings.Styles[4];
        Wiz()->FontChooser = [](QFont &font) {
            font.setPointSize(17);
            font.setItalic(true);
            return true;
        };
        QTest::mouseClick(Field<QToolButton>("btnLeftSpineFont"), Qt::LeftButton);
        QCOMPARE(w->CoverSettings.Styles[4].FontSize, 17);
        QVERIFY(w->CoverSettings.Styles[4].FontStyle & fbItalic);
        QCOMPARE(w->CoverSettings.Styles[4].FontName, before.FontName);
        QCOMPARE(w->CoverSettings.Styles[4].FontColor, before.FontColor);
        const TTextStyleRecord info = w->CoverSettings.Styles[3];
        Wiz()->FontChooser = [](QFont &font) {
            font.setPointSize(30);
            return false;
        };
        QTest::mouseClick(Field<QToolButton>("btnInfosFont"), Qt::LeftButton);
        QCOMPARE(w->CoverSettings.Styles[3], info);
    }

    // Return to Wizard keeps the last inputs; a new start empties them.
    // A cancelled discard question ends the command.
    void startingAndReturning()
    {
        StartNew();
        Type("txtCDTitle", QStringLiteral("Title"));
        SetTracks({"one"});
        Field<QLineEdit>("txtNumberFormat")->setText(QStringLiteral("#. "));
        Field<QLineEdit>("txtImageFront")->setText(QStringLiteral("/nowhere.jpg"));
        QTest::mouseClick(Field<QPushButton>("btnCancel"), Qt::LeftButton);
        QVERIFY(!Wiz()->isVisible());
        QVERIFY(!Action(*w, "btnEditWizard")->isEnabled());

        // A modified document and Cancel: nothing happens.
        w->Modified = true;
        {
            Boxes boxes(QMessageBox::Cancel);
            StartNew();
            QCOMPARE(boxes.texts.size(), 1);
        }
        QVERIFY(!Wiz()->isVisible());
        QVERIFY(w->Modified);
        w->Modified = false;

        StartNew();
        Field<QLineEdit>("txtImageFront")->clear();
        Field<QLineEdit>("txtCDTitle")->setText(QStringLiteral("Title"));
        SetTracks({"one"});
        Field<QLineEdit>("txtNumberFormat")->setText(QStringLiteral("#. "));
        Layout(false, false, false);
        FinishFromPage1();
        QVERIFY(Action(*w, "btnEditWizard")->isEnabled());

        Action(*w, "btnEditWizard")->trigger();
        QVERIFY(Wiz()->isVisible());
        QCOMPARE(Wiz()->Page(), 1);
        QCOMPARE(Field<QLineEdit>("txtCDTitle")->text(), QStringLiteral("Title"));
        QCOMPARE(Field<QPlainTextEdit>("txtCDTracks")->toPlainText(), QStringLiteral("one"));
        QCOMPARE(Field<QLineEdit>("txtNumberFormat")->text(), QStringLiteral("#. "));
        QCOMPARE(Texts(Panel("pnlFrontCover")).size(), 0); // the document starts afresh

        Boxes boxes(QMessageBox::No);
        StartNew();
        QCOMPARE(Field<QLineEdit>("txtCDTitle")->text(), QString());
        QCOMPARE(Field<QPlainTextEdit>("txtCDTracks")->toPlainText(), QString());
        QCOMPARE(Field<QLineEdit>("txtNumberFormat")->text(), QStringLiteral("# - "));
        QCOMPARE(Field<QLineEdit>("txtLeftSpine")->text(), QString());
    }

    // --- Finish -----------------------------------------------------------

    // A title alone: centred on the front cover; on the round label centred
    // horizontally with its top at 8.2 cm (3.23 in). One undo step, the
    // tracks style untouched, the document modified.
    void titleOnly_data()
    {
        QTest::addColumn<bool>("inches");
        QTest::addColumn<double>("labelTop");
        QTest::newRow("cm") << false << 8.2;
        QTest::newRow("inches") << true << 3.23;
    }
    void titleOnly()
    {
        QFETCH(bool, inches);
        QFETCH(double, labelTop);
        Action(*w, inches ? "mnuInches" : "mnuCm")->trigger();
        const int snapshots = w->HistorySnapshots;
        const int trackSize = w->CoverSettings.Styles[2].FontSize;
        StartNew();
        Type("txtCDTitle", QStringLiteral("Only a title"));
        FinishFromPage1();
        QVERIFY(!Wiz()->isVisible());

        QWidget *front = Panel("pnlFrontCover");
        const auto onFront = Texts(front);
        QCOMPARE(Captions(onFront), QStringList{"Only a title"});
        const TVelRotateLabel *t = onFront.first();
        QCOMPARE(t->RealFontSize(), w->CoverSettings.Styles[0].FontSize);
        QVERIFY(qAbs(t->x() - (front->width() - t->width()) / 2) <= 1);
        QVERIFY(qAbs(t->y() - (front->height() - t->height()) / 2) <= 1);

        QWidget *label = Panel("pnlRoundLabel");
        const auto onLabel = Texts(label);
        QCOMPARE(Captions(onLabel), QStringList{"Only a title"});
        const TVelRotateLabel *l = onLabel.first();
        QCOMPARE(l->RealFontSize(), w->CoverSettings.Styles[2].FontSize); // the tracks style on the label
        QVERIFY(qAbs(l->x() - (label->width() - l->width()) / 2) <= 1);
        QVERIFY(qAbs((inches ? l->YPosInches() : l->YPosCm()) - labelTop) < 0.011);

        for (const char *p : {"pnlInsideCover", "pnlBackCover"})
            QVERIFY(Texts(Panel(p)).isEmpty());
        QCOMPARE(Child<QTabWidget>(*w, "pagCover")->currentWidget(), Child<QWidget>(*w, "TabFrontCover"));
        QVERIFY(w->Modified);
        QCOMPARE(w->CoverSettings.Styles[2].FontSize, trackSize);
        QCOMPARE(w->HistorySnapshots, snapshots + 1);
        Action(*w, "mnuUndo")->trigger();
        QVERIFY(Texts(front).isEmpty());
        QVERIFY(Texts(label).isEmpty());
    }

    // An empty title: the author goes 5 pixels below the element placed
    // last, at program start the surface's top.
    void authorWithoutTitle()
    {
        StartNew();
        Type("txtCDAuthor", QStringLiteral("Author"));
        FinishFromPage1();
        const auto onFront = Texts(Panel("pnlFrontCover"));
        QCOMPARE(Captions(onFront), QStringList{"Author"});
        QCOMPARE(onFront.first()->y(), 5);
        const auto onLabel = Texts(Panel("pnlRoundLabel"));
        QCOMPARE(Captions(onLabel), QStringList{"Author"});
        QCOMPARE(onLabel.first()->y(), Bottom(onFront.first()) + 5);
    }

    // Empty lines are skipped but keep their numbers; lines follow 1 pixel
    // apart in the track column; the label's lines start at its own place.
    void tracksWithEmptyLine()
    {
        StartNew();
        SetTracks({"First", "", "Third"});
        Layout(true, false, true);
        FinishFromPage1();
        QWidget *inside = Panel("pnlInsideCover");
        const auto tracks = Texts(inside);
        QCOMPARE(Captions(tracks), (QStringList{"1 - First", "3 - Third"}));
        QCOMPARE(tracks[1]->y(), Bottom(tracks[0]) + 1);
        QCOMPARE(tracks[1]->x(), tracks[0]->x());
        QVERIFY(qAbs(tracks[0]->YPosCm() - 0.5) < 0.011);
        QVERIFY(qAbs(tracks[0]->XPosCm() - 1.0) < 0.011);
        const auto onLabel = Texts(Panel("pnlRoundLabel"));
        QCOMPARE(Captions(onLabel), (QStringList{"1 - First", "3 - Third"}));
        QVERIFY(qAbs(onLabel[0]->XPosCm() - 8.0) < 0.011);
        QVERIFY(qAbs(onLabel[0]->YPosCm() - 1.2) < 0.011);
        QCOMPARE(onLabel[1]->y(), Bottom(onLabel[0]) + 1);
        QCOMPARE(onLabel[1]->RealFontSize(), w->CoverSettings.Styles[6].FontSize);
        QVERIFY(Texts(Panel("pnlBackCover")).isEmpty());
    }

    // Thirty tracks: the inside cover's size is the largest that fits its
    // height; the back cover starts again from the style's own size.
    void longListShrinksPerCover()
    {
        const int own = w->CoverSettings.Styles[2].FontSize;
        QStringList lines;
        for (int i = 1; i <= 30; ++i)
            lines << QStringLiteral("A rather long track title %1").arg(i);
        StartNew();
        SetTracks(lines);
        Layout(true, true, false);
        FinishFromPage1();
        const TTextStyleRecord style = w->CoverSettings.Styles[2];
        QCOMPARE(style.FontSize, own);
        const int inside = TrackFit::FitTrackFont(style, lines, 96, w->CoverSettings.InsideHeight);
        const int back = TrackFit::FitTrackFont(style, lines, 96, w->CoverSettings.BackHeight);
        QVERIFY(inside < own);
        const auto insideTexts = Texts(Panel("pnlInsideCover"));
        const auto backTexts = WithCaption(Panel("pnlBackCover"), QRegularExpression(QStringLiteral("^\\d+ - ")));
        QCOMPARE(insideTexts.size(), 30);
        QCOMPARE(backTexts.size(), 30);
        for (const TVelRotateLabel *t : insideTexts)
            QCOMPARE(t->RealFontSize(), inside);
        for (const TVelRotateLabel *t : backTexts)
            QCOMPARE(t->RealFontSize(), back);
        // On the back the column starts 1 cm right of the left spine.
        QVERIFY(qAbs(backTexts[0]->XPosInches() - (w->CoverSettings.LeftSpineWidth + 1 / 2.54)) < 0.01);
    }

    // All the digits of track 100 stand where the "#" was.
    void hundredthTrack()
    {
        QStringList lines;
        for (int i = 1; i <= 100; ++i)
            lines << QStringLiteral("t%1").arg(i);
        StartNew();
        SetTracks(lines);
        Field<QLineEdit>("txtNumberFormat")->setText(QStringLiteral("[#] "));
        Check("chkUse01", true);
        Layout(true, false, false);
        FinishFromPage1();
        const QStringList captions = Captions(Texts(Panel("pnlInsideCover")));
        QCOMPARE(captions.size(), 100);
        QCOMPARE(captions.first(), QStringLiteral("[01] t1"));
        QVERIFY(captions.contains(QStringLiteral("[10] t10")));
        QCOMPARE(captions.last(), QStringLiteral("[100] t100"));
    }

    // Times come from the disc's table of contents, not from the lines: a
    // 12-track disc with 10 typed lines gives 10 titles and 12 times, in the
    // time column 1.5 cm from the right edge (of the right spine line on
    // the back cover); 185 seconds read 3:05.
    void trackTimesFromDisc()
    {
        QList<int> seconds = {185, 61, 125, 59, 240, 241, 242, 243, 244, 245, 246, 601};
        const QString cue = WriteDisc(QStringLiteral("twelve"), seconds);
        StartNew();
        UseDisc(cue);
        QStringList lines;
        for (int i = 1; i <= 10; ++i)
            lines << QStringLiteral("Song %1").arg(i);
        SetTracks(lines);
        Layout(true, true, false);
        FinishFromPage1();
        const QRegularExpression time(QStringLiteral("^\\d+:\\d\\d$"));
        const TCoverSettings &s = w->CoverSettings;

        QWidget *inside = Panel("pnlInsideCover");
        const auto times = WithCaption(inside, time);
        QCOMPARE(Captions(times), (QStringList{"3:05", "1:01", "2:05", "0:59", "4:00", "4:01", "4:02", "4:03", "4:04",
                                               "4:05", "4:06", "10:01"}));
        QCOMPARE(WithCaption(inside, QRegularExpression(QStringLiteral("^\\d+ - Song"))).size(), 10);
        QVERIFY(qAbs(times[0]->XPosCm() - (VelMeasureRoutines::InchesToCm(s.InsideWidth) - 1.5)) < 0.011);
        QVERIFY(qAbs(times[0]->YPosCm() - 0.5) < 0.011);
        QCOMPARE(times[1]->y(), Bottom(times[0]) + 1);

        const auto backTimes = WithCaption(Panel("pnlBackCover"), time);
        QCOMPARE(backTimes.size(), 12);
        QVERIFY(qAbs(backTimes[0]->XPosCm()
                     - (VelMeasureRoutines::InchesToCm(s.BackWidth) - VelMeasureRoutines::InchesToCm(s.RightSpineWidth) - 1.5))
                < 0.051); // through the position field, which shows tenths of a centimetre
        QVERIFY(!MciMediaPresent(TCoverGeneration::TimesAlias)); // closed after the run
    }

    // No disc: Retry asks again, Cancel goes on without the time columns.
    void noDiscForTimes()
    {
        Boxes boxes(QMessageBox::Cancel);
        StartNew();
        UseDisc(dir.filePath(QStringLiteral("no-such-disc.cue")));
        SetTracks({"Song"});
        Layout(true, false, false);
        FinishFromPage1();
        QCOMPARE(boxes.texts, QStringList{QStringLiteral(
                                  "The Audio-CD is not present or is used by another application, in this case stop it "
                                  "and close the application.")});
        QCOMPARE(Captions(Texts(Panel("pnlInsideCover"))), QStringList{"1 - Song"});
    }

    // Information bottom right: 1 pixel above the bottom and 2 pixels left
    // of the right edge, on the back cover of the right spine line.
    void informationBottomRight()
    {
        StartNew();
        Field<QLineEdit>("txtInfo")->setText(QStringLiteral("(c) 2024 Somebody"));
        FinishFromPage1();
        QWidget *inside = Panel("pnlInsideCover");
        const auto i = Texts(inside);
        QCOMPARE(Captions(i), QStringList{"(c) 2024 Somebody"});
        QCOMPARE(Bottom(i[0]), inside->height() - 1);
        QCOMPARE(i[0]->x() + i[0]->width(), inside->width() - 2);
        QWidget *back = Panel("pnlBackCover");
        const auto b = Texts(back);
        QCOMPARE(Captions(b), QStringList{"(c) 2024 Somebody"});
        QCOMPARE(Bottom(b[0]), back->height() - 1);
        QCOMPARE(b[0]->x() + b[0]->width(), Child<QWidget>(*back, "LineRight")->x() - 2);
    }

    // Spines: along the spine, centred by length, the left one 1 pixel from
    // the left edge, the right one touching the right edge.
    void spines()
    {
        StartNew();
        Type("txtCDTitle", QStringLiteral("Title"));
        Type("txtCDAuthor", QStringLiteral("Artist"));
        Check("chkDontDisplayOnFront", true);
        FinishFromPage1();
        QVERIFY(Texts(Panel("pnlFrontCover")).isEmpty());
        QWidget *back = Panel("pnlBackCover");
        const auto spines = WithCaption(back, QRegularExpression(QStringLiteral("^Artist - Title$")));
        QCOMPARE(spines.size(), 2);
        const TVelRotateLabel *left = spines[0]->x() < spines[1]->x() ? spines[0] : spines[1];
        const TVelRotateLabel *right = left == spines[0] ? spines[1] : spines[0];
        QCOMPARE(left->x(), 1);
        QCOMPARE(right->x() + right->width(), back->width());
        QVERIFY(left->height() > left->width()); // runs along the spine
        QVERIFY(qAbs(left->y() - (back->height() - left->height()) / 2) <= 1);
        QVERIFY(qAbs(right->y() - (back->height() - right->height()) / 2) <= 1);
    }

    // Three pictures, fitted to the front, the inside and the back cover
    // between the spines.
    void pictures()
    {
        StartNew();
        Field<QLineEdit>("txtImageFront")->setText(WritePicture(QStringLiteral("f.png"), QSize(300, 200)));
        Field<QLineEdit>("txtImageInside")->setText(WritePicture(QStringLiteral("i.png"), QSize(200, 300)));
        Field<QLineEdit>("txtImageBack")->setText(WritePicture(QStringLiteral("b.png"), QSize(400, 300)));
        const int snapshots = w->HistorySnapshots;
        FinishFromPage1();
        const std::pair<const char *, TFitStyle> fits[] = {
            {"pnlFrontCover", fsFront}, {"pnlInsideCover", fsInside}, {"pnlBackCover", fsBack}};
        for (const auto &[panel, fit] : fits) {
            const auto images = Panel(panel)->findChildren<TVelCDImageElement *>(Qt::FindDirectChildrenOnly);
            QCOMPARE(images.size(), 1);
            QCOMPARE(images.first()->FitStyle(), fit);
        }
        QCOMPARE(w->HistorySnapshots, snapshots + 1);
        QVERIFY(!w->HasSelection());
    }

    // The progress window blinks every 500 ms while shown and stops when
    // hidden.
    void progressWindowBlinks()
    {
        TfrmCreatingDialog creating(w.get());
        creating.show();
        QCOMPARE(Child<QLabel>(creating, "lblCreating")->text(), QStringLiteral("Please wait..."));
        QCOMPARE(creating.windowTitle(), QApplication::applicationDisplayName());
        QVERIFY(creating.Highlighted());
        QVERIFY(QTest::qWaitFor([&] { return !creating.Highlighted(); }, 1500));
        QVERIFY(QTest::qWaitFor([&] { return creating.Highlighted(); }, 1500));
        creating.hide();
        QVERIFY(!creating.Blinking());
    }

    // More texts than slots: what fits is placed, the user is told once how
    // many lines were left out.
    void moreLinesThanSlots()
    {
        Boxes boxes;
        QStringList lines;
        for (int i = 1; i <= 60; ++i)
            lines << QStringLiteral("s%1").arg(i);
        StartNew();
        Type("txtCDTitle", QStringLiteral("T"));
        SetTracks(lines);
        Layout(true, true, false);
        FinishFromPage1();
        int placed = 0;
        for (const char *p : {"pnlFrontCover", "pnlInsideCover", "pnlBackCover", "pnlRoundLabel"})
            placed += Texts(Panel(p)).size();
        QCOMPARE(placed, TextSlotCount);
        // 2 titles and 60 + 60 tracks: 122 texts, 21 left out.
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts.first().contains(QStringLiteral("21 lines")), qPrintable(boxes.texts.first()));
        QCOMPARE(Texts(Panel("pnlInsideCover")).size(), 60);
    }
};

TARVIK_APP_TEST_MAIN(TestWizard)
#include "test_wizard.moc"
