// Documents through the main window: save, open, the command line, pictures
// that moved, files that are no documents, a save that fails; and text
// styles applied from the Text tab.

#include "CompressExpand.h"
#include "DocumentFile.h"
#include "ExceptionLog.h"
#include "MessageBoxes.h"
#include "StartupLayout.h"
#include "TSurfacePanel.h"
#include "TTarvikApplication.h"
#include "TVelWinSpinEdit.h"
#include "AppTestSupport.h"
#include "TfrmTarvik.h"
#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelImgUtils.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QDir>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>

using AppTest::Action;
using AppTest::Child;

namespace {

using AppTest::Boxes;

std::unique_ptr<TfrmTarvik> makeWindow(const QStringList &args = {})
{
    return AppTest::makeWindow(QSize(1024, 768), args);
}

QString makePicture(const QString &path, QSize size, QColor color)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    img.save(path);
    return path;
}

// A cover with texts and pictures on all four surfaces.
void fillCover(TfrmTarvik &w, const QString &folder)
{
    const TSurfaceCode surfaces[] = {TSurfaceCode::Front, TSurfaceCode::Inside, TSurfaceCode::Back,
                                     TSurfaceCode::RoundLabel};
    int n = 0;
    for (TSurfaceCode s : surfaces) {
        w.ShowSurface(s);
        w.SpinX->setValue(0.5 + n);
        w.SpinY->setValue(1.0);
        w.InsertImageFile(makePicture(folder + QStringLiteral("/p%1.png").arg(n), QSize(60 + n, 40), Qt::blue));
        w.pnlFrontCoverClick();
        w.SpinY->setValue(0.2);
        w.txtText->setText(QStringLiteral("Text on surface %1").arg(n));
        w.pnlFrontCoverClick();
        ++n;
    }
    w.CoverSettings.Colors[ciLines] = 0x0000FF;
    w.ApplyColors();
}

QString hostile(const char *name)
{
    return QStringLiteral(TARVIK_TEST_DATA "/../document/hostile/") + QLatin1String(name);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }

    void saveAndReopen()
    {
        const QString path = dir.filePath(QStringLiteral("cover.tvk"));
        QByteArray saved;
        TDocumentRecord before;
        {
            auto w = makeWindow();
            fillCover(*w, dir.path());
            w->ShowSurface(TSurfaceCode::Back);
            w->VelRotateLabelMouseDown(w->TextSlots[2], Qt::LeftButton, Qt::NoModifier);
            int asked = 0;
            w->SaveFileChooser = [&] {
                ++asked;
                return path;
            };
            Action(*w, "mnuSave")->trigger();
            QCOMPARE(asked, 1); // no name yet: the dialog
            QVERIFY(!w->Modified);
            QVERIFY(!w->HasSelection()); // saving leaves nothing selected
            QCOMPARE(w->pagCover->currentWidget(), w->tabBackCover); // and keeps the surface
            QCOMPARE(AppTest::Caption(*w), QStringLiteral("Tarvik - cover.tvk"));
            saved = fileBytes(path);
            QVERIFY(saved.startsWith(QByteArray("\x78\x01", 2)));
            w->Modified = true;
            Action(*w, "mnuSave")->trigger();
            QCOMPARE(asked, 1); // a named document is saved without asking
            Action(*w, "mnuSaveAs")->trigger();
            QCOMPARE(asked, 2); // Save As always asks
            before = w->DocumentRecord;
        }
        // started with the document on the command line
        auto w = makeWindow({path});
        QCOMPARE(AppTest::Caption(*w), QStringLiteral("Tarvik - cover.tvk"));
        QCOMPARE(w->pagCover->currentWidget(), w->TabFrontCover);
        QVERIFY(!w->Modified);
        QCOMPARE(w->CoverSettings.Colors[ciLines], 0x0000FF);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(w->TextSlots[i]);
            QCOMPARE(w->TextSlots[i]->Caption(), QStringLiteral("Text on surface %1").arg(i));
            QVERIFY(w->ImageSlots[i]);
        }
        QCOMPARE(w->pnlRoundLabel, w->TextSlots[3]->parentWidget());
        QCOMPARE(w->pnlBackCover, w->ImageSlots[2]->parentWidget());
        // saving the reopened cover gives the same record
        w->FillDocumentRecord();
        for (int i = 0; i < TextSlotCount; ++i)
            QCOMPARE(w->DocumentRecord.Texts[i].Text, before.Texts[i].Text);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(w->DocumentRecord.Images[i].XPosInches, before.Images[i].XPosInches);
            QCOMPARE(w->DocumentRecord.Images[i].WidthInches, before.Images[i].WidthInches);
            QCOMPARE(w->DocumentRecord.Texts[i].YPosInches, before.Texts[i].YPosInches);
        }
    }

    // Texts beyond the code page, a picture in a folder of such characters
    // and one behind a path of over 255 bytes come back as they were, with
    // no question about the pictures.
    void nonLatinTextsAndLongPathsSurvive()
    {
        const QString cyrillic = dir.filePath(QStringLiteral("Картинки"));
        const QString deep = dir.filePath(QString(100, u'd') + QLatin1Char('/') + QString(100, u'e') + QLatin1Char('/')
                                          + QString(60, u'f'));
        QVERIFY(QDir().mkpath(cyrillic) && QDir().mkpath(deep));
        const QString a = makePicture(cyrillic + QStringLiteral("/cover.png"), QSize(40, 30), Qt::red);
        const QString b = makePicture(deep + QStringLiteral("/back.png"), QSize(30, 40), Qt::blue);
        QVERIFY(b.toUtf8().size() > 255);
        const QString path = dir.filePath(QStringLiteral("unicode.tvk"));
        const QString title = QStringLiteral("Björk ½ 東京 €");
        {
            auto w = makeWindow();
            w->txtText->setText(title);
            w->pnlFrontCoverClick();
            w->InsertImageFile(a);
            w->InsertImageFile(b);
            w->SaveFileChooser = [&] { return path; };
            QVERIFY(w->SaveDocument(true));
        }
        Boxes boxes;
        auto w = makeWindow({path});
        QVERIFY(boxes.texts.isEmpty());
        QVERIFY(w->TextSlots[0]);
        QCOMPARE(w->TextSlots[0]->Caption(), title);
        QVERIFY(w->ImageSlots[0] && w->ImageSlots[1]);
        QCOMPARE(w->ImageSlots[0]->ImageFileName(), a);
        QCOMPARE(w->ImageSlots[1]->ImageFileName(), b);
        QVERIFY(!w->Modified);
    }

    void commandLineNeedsExactExtension()
    {
        const QString path = dir.filePath(QStringLiteral("upper.TVK"));
        QFile::copy(dir.filePath(QStringLiteral("cover.tvk")), path);
        auto w = makeWindow({path});
        QCOMPARE(AppTest::Caption(*w), QStringLiteral("Tarvik"));
        QVERIFY(!w->TextSlots[0]);
    }

    void movedPictureFoundInDocumentFolder()
    {
        QTemporaryDir elsewhere;
        const QString path = dir.filePath(QStringLiteral("moved.tvk"));
        {
            auto w = makeWindow();
            w->InsertImageFile(makePicture(elsewhere.filePath(QStringLiteral("moving.png")), QSize(30, 30), Qt::red));
            w->SaveFileChooser = [&] { return path; };
            QVERIFY(w->SaveDocument(true));
        }
        QVERIFY(QFile::rename(elsewhere.filePath(QStringLiteral("moving.png")), dir.filePath(QStringLiteral("moving.png"))));
        Boxes boxes;
        auto w = makeWindow();
        QVERIFY(w->OpenDocument(path));
        QVERIFY(boxes.texts.isEmpty());
        QVERIFY(w->ImageSlots[0]);
        QCOMPARE(w->ImageSlots[0]->ImageFileName(), dir.filePath(QStringLiteral("moving.png")));
        // the new place is a change to save
        QVERIFY(w->Modified);

        // gone altogether: the user is asked; No drops the picture
        QFile::remove(dir.filePath(QStringLiteral("moving.png")));
        QVERIFY(w->OpenDocument(path));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().startsWith(QStringLiteral("The Image ")));
        QVERIFY(!w->ImageSlots[0]);
    }

    // Pictures that cannot be found: the question has No as its default
    // and offers "No to all" when there are several; a picture the user
    // points to marks the document modified.
    void missingPictureQuestions()
    {
        QTemporaryDir gone;
        const QString path = dir.filePath(QStringLiteral("missing.tvk"));
        {
            auto w = makeWindow();
            for (int i = 0; i < 3; ++i)
                w->InsertImageFile(makePicture(gone.filePath(QStringLiteral("m%1.png").arg(i)), QSize(20, 20), Qt::red));
            w->SaveFileChooser = [&] { return path; };
            QVERIFY(w->SaveDocument(true));
        }
        for (int i = 0; i < 3; ++i)
            QFile::remove(gone.filePath(QStringLiteral("m%1.png").arg(i)));

        struct Seen {
            QMessageBox::Icon icon;
            QMessageBox::StandardButton byDefault;
            QMessageBox::StandardButtons buttons;
        };
        QList<Seen> seen;
        QMessageBox::StandardButton press = QMessageBox::NoToAll;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen << Seen{box->icon(), box->standardButton(box->defaultButton()), box->standardButtons()};
                box->button(press)->click();
            }
        });
        answer.start(10);

        auto w = makeWindow();
        QVERIFY(w->OpenDocument(path));
        QCOMPARE(seen.size(), 1); // No to all: asked once for three
        QCOMPARE(seen[0].icon, QMessageBox::Critical);
        QCOMPARE(seen[0].byDefault, QMessageBox::No);
        QCOMPARE(seen[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::NoToAll);
        QVERIFY(!w->ImageSlots[0] && !w->ImageSlots[1] && !w->ImageSlots[2]);

        // one picture missing: Yes and No alone; Yes and a picture found
        // elsewhere make a change that has to be saved
        const QString found = makePicture(gone.filePath(QStringLiteral("found.png")), QSize(20, 20), Qt::blue);
        makePicture(gone.filePath(QStringLiteral("m0.png")), QSize(20, 20), Qt::red);
        makePicture(gone.filePath(QStringLiteral("m1.png")), QSize(20, 20), Qt::red);
        seen.clear();
        press = QMessageBox::Yes;
        w->PictureChooser = [&](const QString &, bool) { return QStringList{found}; };
        QVERIFY(w->OpenDocument(path));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(seen[0].byDefault, QMessageBox::No);
        QCOMPARE(w->ImageSlots[2]->ImageFileName(), found);
        QVERIFY(w->Modified);
        w->Modified = false;
    }

    // A picture that is there but cannot be read stays in the document as a
    // grey placeholder, is named once, and is saved back as it was.
    void unreadablePicturesAreKept()
    {
        QTemporaryDir here;
        const QString a = makePicture(here.filePath(QStringLiteral("a.png")), QSize(60, 40), Qt::red);
        const QString b = makePicture(here.filePath(QStringLiteral("b.png")), QSize(80, 50), Qt::blue);
        const QString path = here.filePath(QStringLiteral("kept.tvk"));
        TDocumentRecord saved;
        {
            auto w = makeWindow();
            w->SpinX->setValue(1.5);
            w->SpinY->setValue(0.5);
            w->InsertImageFile(a);
            w->SpinX->setValue(0);
            w->SpinY->setValue(0);
            const int fitted = w->InsertImageFile(b);
            w->VelRotateLabelMouseDown(w->ImageSlots[fitted], Qt::LeftButton, Qt::NoModifier);
            w->cmbFitTo->setCurrentIndex(3); // front & inside
            w->cmbFitToClick();
            w->SaveFileChooser = [&] { return path; };
            QVERIFY(w->SaveDocument(true));
            saved = ReadDocumentFile(path).Record;
        }
        // a cut PNG, and words where a picture should be
        QVERIFY(QFile::resize(a, 30));
        QFile text(b);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("no picture here");
        text.close();

        Boxes boxes;
        auto w = makeWindow({path});
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(QStringLiteral("a.png")) && boxes.texts[0].contains(QStringLiteral("b.png")),
                 qPrintable(boxes.texts[0]));
        for (int slot : {0, 1}) {
            QVERIFY(w->ImageSlots[slot]);
            QVERIFY(w->ImageSlots[slot]->Placeholder());
            QVERIFY(w->ImageSlots[slot]->isVisible());
        }
        QCOMPARE(w->ImageSlots[0]->size(), QSize(60, 40));
        QVERIFY(!w->Modified);
        // the covers change, nothing more is said
        w->ShowSurface(TSurfaceCode::Inside);
        w->ShowSurface(TSurfaceCode::Front);
        QCOMPARE(boxes.texts.size(), 1);

        Action(*w, "mnuSave")->trigger();
        const TDocumentRecord again = ReadDocumentFile(path).Record;
        QVERIFY(again.Images[0] == saved.Images[0]);
        QVERIFY(again.Images[1] == saved.Images[1]);
    }

    // A file that cannot be read is not inserted, and says so; nor does it
    // replace a picture.
    void unreadablePictureIsNotInserted()
    {
        const QString broken = dir.filePath(QStringLiteral("broken.png"));
        QFile f(broken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\x89PNG\r\n\x1a\n cut here");
        f.close();
        auto w = makeWindow();
        Boxes boxes;
        w->PictureChooser = [&](const QString &, bool) { return QStringList{broken}; };
        Action(*w, "mnuInsertImage")->trigger();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(QStringLiteral("broken.png")), qPrintable(boxes.texts[0]));
        QVERIFY(!w->ImageSlots[0]);
        QVERIFY(!w->Modified);

        const QString good = makePicture(dir.filePath(QStringLiteral("good.png")), QSize(30, 30), Qt::green);
        const int slot = w->InsertImageFile(good);
        w->VelRotateLabelMouseDown(w->ImageSlots[slot], Qt::LeftButton, Qt::NoModifier);
        w->btnChangeImage->click();
        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY(w->ImageSlots[slot]);
        QCOMPARE(w->ImageSlots[slot]->ImageFileName(), good);
        w->Modified = false;
    }

    void notADocument()
    {
        Boxes boxes;
        const QString path = dir.filePath(QStringLiteral("notes.tvk"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("these are some notes, not a cover");
        f.close();
        QFile::remove(ExceptionLog::LogFilePath());
        auto w = makeWindow();
        w->FCurrentFile = dir.filePath(QStringLiteral("mine.tvk"));
        w->txtText->setText(QStringLiteral("kept?"));
        // Open, No to saving, then a file that is no document: the work on
        // screen is untouched, still unsaved, under its own name.
        w->OpenFileChooser = [&] { return path; };
        Action(*w, "mnuOpen")->trigger();
        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY(boxes.texts.last().contains(QStringLiteral("not a Tarvik document")));
        QVERIFY(w->TextSlots[0]);
        QCOMPARE(w->TextSlots[0]->Caption(), QStringLiteral("kept?"));
        QVERIFY(w->Modified);
        QCOMPARE(w->FCurrentFile, dir.filePath(QStringLiteral("mine.tvk")));
        QVERIFY(QString::fromUtf8(fileBytes(ExceptionLog::LogFilePath())).contains(QStringLiteral(":error")));
        w->Modified = false;
    }

    void failedSaveKeepsOldFile()
    {
        Boxes boxes;
        const QString blocker = dir.filePath(QStringLiteral("plainfile"));
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        auto w = makeWindow();
        w->txtText->setText(QStringLiteral("unsaved"));
        w->SaveFileChooser = [&] { return blocker + QStringLiteral("/cover.tvk"); };
        QVERIFY(!w->SaveDocument(true));
        QVERIFY(w->Modified);
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(w->FCurrentFile.isEmpty());

        // an existing document is left as it was
        const QString good = dir.filePath(QStringLiteral("cover.tvk"));
        const QByteArray old = fileBytes(good);
        w->SaveFileChooser = [&] { return dir.path(); }; // a folder, not a file
        QVERIFY(!w->SaveDocument(true));
        QCOMPARE(fileBytes(good), old);
        w->Modified = false;
    }

    void openEmptiesHistory()
    {
        auto w = makeWindow();
        w->txtText->setText(QStringLiteral("x"));
        w->RecordHistory();
        QVERIFY(Action(*w, "mnuUndo")->isEnabled());
        QVERIFY(w->OpenDocument(dir.filePath(QStringLiteral("cover.tvk"))));
        QVERIFY(!Action(*w, "mnuUndo")->isEnabled());
        QVERIFY(!w->History.CanUndo());
    }

    void applyStyles()
    {
        auto w = makeWindow();
        w->txtText->setText(QStringLiteral("Artist"));
        TVelRotateLabel *t = w->TextSlots[0];
        // nothing selected: choosing a style changes nothing
        w->pnlFrontCoverClick();
        w->cmbApplyStyle->setCurrentIndex(2);
        w->cmbApplyStyleClick();
        QCOMPARE(t->RealFontSize(), 22);

        w->VelRotateLabelMouseDown(t, Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(w->cmbApplyStyle->itemText(2), QStringLiteral("CD Author"));
        w->cmbApplyStyle->setCurrentIndex(2);
        w->cmbApplyStyleClick();
        QCOMPARE(t->RealFontSize(), 20);
        QVERIFY(t->font().bold());
        QCOMPARE(t->font().family(), QStringLiteral("Arial"));
        QCOMPARE(t->Angle(), 360);
        QVERIFY(t->Transparent());

        // the left spine: onto the back cover, upward, counted from the bottom
        w->cmbApplyStyle->setCurrentIndex(5);
        w->cmbApplyStyleClick();
        QCOMPARE(t->parentWidget(), w->pnlBackCover);
        QCOMPARE(t->Angle(), 90);
        QCOMPARE(w->pagCover->currentWidget(), w->tabBackCover);
        QVERIFY(qAbs(t->XPosInches() - 0.02f) < 0.011f);
        const float length = VelMeasureRoutines::PixelsToInches(w->FZoom, float(std::max(t->width(), t->height())));
        QVERIFY(qAbs(t->YPosInches() - (w->CoverSettings.BackHeight - (length + 0.02f))) < 0.011f);
    }

    // Documents of the hostile corpus, opened as a user opens them.
    // One picture in every slot is decoded once, and the slots share it.
    void onePictureInEverySlot()
    {
        Boxes boxes;
        auto w = makeWindow();
        QVERIFY(w->OpenDocument(hostile("one-picture-in-every-slot.tvk")));
        QVERIFY(w->ImageSlots[0]);
        const qint64 key = w->ImageSlots[0]->Picture().cacheKey();
        QCOMPARE(w->ImageSlots[0]->Picture().size(), QSize(64, 48));
        for (int slot = 0; slot < ImageSlotCount; ++slot) {
            QVERIFY(w->ImageSlots[slot]);
            QCOMPARE(w->ImageSlots[slot]->Picture().cacheKey(), key);
        }
    }

    // Pictures that expand beyond the bounds or claim absurd sizes are not
    // taken in, neither from a document nor through Insert > Image; a
    // drawing of absurd size is drawn at the size its element needs.
    void picturesBeyondBounds()
    {
        Boxes boxes;
        auto w = makeWindow();
        QVERIFY(w->OpenDocument(hostile("pictures-beyond-bounds.tvk")));
        auto noPicture = [&](int slot) { return !w->ImageSlots[slot] || w->ImageSlots[slot]->Picture().isNull(); };
        QVERIFY(noPicture(0)); // bomb.svgz
        QVERIFY(noPicture(1)); // the same, named as a PNG
        QVERIFY(noPicture(2)); // claims 46000 x 46000
        // a drawing claiming a million pixels square, at what 5 inches need
        // at the highest zoom
        QVERIFY(!noPicture(3));
        const QSize needed = CoveringPictureSize(QSize(1000000, 1000000), PictureBoxOf(w->DocumentRecord.Images[3]));
        QCOMPARE(w->ImageSlots[3]->Picture().size(), needed);
        QVERIFY(!noPicture(4));

        for (const char *name : {"bomb.svgz", "bomb-named-as-png.png", "claims-46000-square.jpg"}) {
            const int slot = w->InsertImageFile(hostile(name));
            QVERIFY2(slot < 0 || noPicture(slot), name);
        }
    }

    // A text stored with no size at all gets the size of a new text, and
    // shows and saves that one size.
    void fontSizesOfNoPoints()
    {
        Boxes boxes;
        auto w = makeWindow();
        QVERIFY(w->OpenDocument(hostile("font-sizes-of-no-points.tvk")));
        TDocumentRecord saved;
        w->FillDocumentRecord(saved);
        for (int slot = 0; slot < 4; ++slot) {
            QVERIFY(w->TextSlots[slot]);
            QCOMPARE(w->TextSlots[slot]->RealFontSize(), 12);
            QCOMPARE(w->TextSlots[slot]->font().pointSize(), VelMeasureRoutines::RoundEven(12 * w->FZoom));
            QCOMPARE(saved.Texts[slot].RealFontSize, 12);
            QCOMPARE(saved.Texts[slot].FontSize, w->TextSlots[slot]->font().pointSize());
        }
    }
};

TARVIK_APP_TEST_MAIN(TestDocuments)
#include "test_documents.moc"
