// The main window as a user meets it: its components and texts, the surfaces
// at their sizes, New and the discard question, the close query, units,
// dropped files, help, and the error log.

#include "ExceptionLog.h"
#include "MessageBoxes.h"
#include "StartupLayout.h"
#include "TShape.h"
#include "TSurfacePanel.h"
#include "TTarvikApplication.h"
#include "TVKRegistry.h"
#include "TVelPickColor.h"
#include "TVelWinSpinEdit.h"
#include "AppTestSupport.h"
#include "TfrmTarvik.h"
#include "THelpWindow.h"
#include "TfrmAboutBox.h"
#include "VelRotateLabel.h"
#include "VelMeasureRoutines.h"

#include <QAction>
#include <QAbstractButton>
#include <QCheckBox>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScrollArea>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QMenu>

#include <sys/stat.h>
#include <unistd.h>

using AppTest::Action;
using AppTest::Child;

namespace {

// Message boxes are cancelled unless a test says otherwise.
struct Boxes : AppTest::Boxes {
    Boxes()
        : AppTest::Boxes(QMessageBox::Cancel)
    {
    }
};
using AppTest::makeWindow;

class ThrowingObject : public QObject
{
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Disk full");
        return QObject::event(e);
    }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { VelMeasureRoutines::SetScreenPPI(96); }

    void componentsAndTexts()
    {
        auto w = makeWindow();
        QCOMPARE(AppTest::Caption(*w), QStringLiteral("Tarvik"));
        // The application pins no display name of its own: the desktop would
        // add it to every caption ("Tarvik - jazz.tvk — Tarvik").
        const QString name = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("probe"));
        const QString displayName = QGuiApplication::applicationDisplayName();
        QCoreApplication::setApplicationName(name);
        QCOMPARE(displayName, QStringLiteral("probe"));
        QCOMPARE(w->SBPanel0->text(), QStringLiteral("For Help press F1"));
        QCOMPARE(w->SBPanel1->text(), QStringLiteral("Zoom: 100 %"));
        QCOMPARE(Action(*w, "mnuPrinterSetup")->text(), QStringLiteral("Printer Set&up..."));
        QCOMPARE(Action(*w, "mnuNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(Action(*w, "mnuDelete")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
        QCOMPARE(Child<QToolButton>(*w, "btnWizard")->toolTip(), QStringLiteral("Create the cover using Tarvik Wizard"));
        QVERIFY(!Action(*w, "btnEditWizard")->isEnabled());

        // toolbar order with its separators; each button shows the one
        // action of its command, which the menus share
        QStringList order;
        for (QAction *a : w->TarvikDock->actions())
            order << (a->isSeparator() ? QStringLiteral("|") : w->TarvikDock->widgetForAction(a)->objectName());
        QCOMPARE(order.join(' '),
                 QStringLiteral("btnNew btnOpen btnSave btnPrint | btnInsertText btnImage btnUndo btnCopy "
                                "btnCut btnPaste btnDelete | btnSelect btnSelectNone btnZoomIn btnZoomOut "
                                "btnBringToFront btnSendToBack | btnLeft btnCenter btnRight btnTop btnMiddle "
                                "btnBottom | btnEditWizard btnWizard btnHelp"));
        for (QAction *a : w->TarvikDock->actions())
            QVERIFY2(a->isSeparator() || !a->icon().isNull(), qPrintable(a->objectName()));

        QStringList menus;
        for (QAction *a : w->menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, QStringList({"&File", "&Edit", "&Insert", "&Align", "&?"}));

        QCOMPARE(w->pagCover->tabText(0), QStringLiteral("CD Front Cover"));
        QCOMPARE(w->pagCover->tabText(3), QStringLiteral("CD Label"));
        QCOMPARE(w->pagEdit->count(), 3);
        QCOMPARE(w->cmbFitTo->count(), 7);
        QCOMPARE(w->cmbFitTo->itemText(3), QStringLiteral("front & inside cover"));
        QCOMPARE(w->cmbApplyStyle->count(), 8);
        QCOMPARE(w->cmbApplyStyle->itemText(0), QString());
        QCOMPARE(w->cmbApplyStyle->itemText(1), QStringLiteral("CD Title"));
        // style 0 in the Text tab
        QCOMPARE(w->cmbFontSize->currentText(), QStringLiteral("22"));
    }

    void oneActionPerCommand_data()
    {
        // A command's menu item, toolbar button and pop-up item with the
        // same handler and state are one action: a state set once shows
        // everywhere.
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("menus");
        QTest::newRow("New") << "btnNew" << "mnuNew" << QStringList{"mnuFile"};
        QTest::newRow("Undo") << "btnUndo" << "mnuUndo" << QStringList{"mnuEdit"};
        QTest::newRow("Delete") << "btnDelete" << "mnuDelete" << QStringList{"mnuEdit", "txtMenu"};
        QTest::newRow("Bring to Front") << "btnBringToFront" << "mnuBringtofront" << QStringList{"mnuEdit", "txtMenu"};
        QTest::newRow("Insert image") << "btnImage" << "mnuInsertImage" << QStringList{"mnuInsert"};
        QTest::newRow("Center") << "btnCenter" << "mnuCenter" << QStringList{"mnuHorizontally"};
        QTest::newRow("Help") << "btnHelp" << "mnuContents" << QStringList{"mnuHelp"};
        QTest::newRow("Zoom in, toolbar only") << "btnZoomIn" << "btnZoomIn" << QStringList{};
        QTest::newRow("Align, no button") << QString() << "mnuAlign" << QStringList{"mnuEdit", "txtMenu"};
    }
    void oneActionPerCommand()
    {
        QFETCH(QString, button);
        QFETCH(QString, action);
        QFETCH(QStringList, menus);
        auto w = makeWindow();
        QAction *a = Action(*w, qPrintable(action));
        QCOMPARE(w->findChildren<QAction *>(action).size(), 1);
        if (!button.isEmpty())
            QCOMPARE(Child<QToolButton>(*w, qPrintable(button))->defaultAction(), a);
        for (const QString &menu : menus)
            QVERIFY2(Child<QMenu>(*w, qPrintable(menu))->actions().contains(a), qPrintable(menu));
    }

    void toolbarHintsOnlyForButtons()
    {
        // The status bar shows a button's hint while the mouse is over it;
        // the menu item of the same command keeps the bar's own text.
        auto w = makeWindow();
        auto *button = Child<QToolButton>(*w, "btnDelete");
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(button, &enter);
        QCOMPARE(w->SBPanel0->text(), QStringLiteral("Delete"));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
        QCOMPARE(w->SBPanel0->text(), QStringLiteral("For Help press F1"));
        Action(*w, "mnuDelete")->showStatusText(w->menuBar());
        QCOMPARE(w->SBPanel0->text(), QStringLiteral("For Help press F1"));
        QCOMPARE(button->toolTip(), QStringLiteral("Delete"));
    }

    void surfaceGeometry_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<float>("zoom");
        QTest::addColumn<QSize>("front");
        QTest::addColumn<QSize>("back");
        QTest::newRow("1024x768") << QSize(1024, 768) << 1.0f << QSize(461, 457) << QSize(569, 446);
        QTest::newRow("640x480") << QSize(640, 480) << 0.9f << QSize(415, 412) << QSize(512, 401);
    }
    void surfaceGeometry()
    {
        QFETCH(QSize, screen);
        auto w = makeWindow(screen);
        QFETCH(float, zoom);
        QCOMPARE(w->FZoom, zoom);
        QTEST(w->pnlFrontCover->size(), "front");
        QTEST(w->pnlInsideCover->size(), "front");
        QTEST(w->pnlBackCover->size(), "back");
        if (w->FZoom == 1.0f) {
            QCOMPARE(w->pnlBackCover->lineLeft()->x(), 23);
            QCOMPARE(w->pnlBackCover->lineRight()->x(), 546);
            QCOMPARE(w->pnlBackCover->lineLeft()->size(), QSize(1, 446));
            QCOMPARE(w->pnlRoundLabel->size(), QSize(435, 435));
            QCOMPARE(w->pnlRoundLabel->innerCircle()->geometry(), QRect(132, 132, 170, 170));
            QCOMPARE(w->pnlRoundLabel->outerCircle()->geometry(), QRect(0, 0, 435, 435));
        }
        // the panel is centred in its sheet, its shadow 4 pixels off
        const QSize sheet = w->TabFrontCover->size();
        QCOMPARE(w->pnlFrontCover->pos(),
                 QPoint((sheet.width() - w->pnlFrontCover->width()) / 2,
                        (sheet.height() - w->pnlFrontCover->height() - 15) / 2));
        QCOMPARE(w->ShadowFrontCover->geometry(), w->pnlFrontCover->geometry().translated(4, 4));
        for (TShape *shadow : {w->ShadowFrontCover, w->shadowInsideCover, w->ShadowBackCover, w->ShadowRoundLabel})
            QCOMPARE(shadow->brushColor(), QColor(128, 128, 128));
    }

    void windowSizeByScreen()
    {
        auto small = makeWindow(QSize(800, 600));
        QVERIFY(small->windowState() & Qt::WindowMaximized);
        QCOMPARE(small->FZoom, 0.9f);
        QCOMPARE(small->SBPanel1->text(), QStringLiteral("Zoom: 90 %"));
    }

    void newDocument()
    {
        auto w = makeWindow();
        Boxes boxes;
        w->CoverSettings.Colors[ciFront] = 0x0000FF;
        w->FCurrentFile = QStringLiteral("/tmp/jazz.tvk");
        w->UpdateCaption();
        QCOMPARE(AppTest::Caption(*w), QStringLiteral("Tarvik - jazz.tvk"));
        // unsaved work shows in the caption
        w->Modified = true;
        QCOMPARE(AppTest::Caption(*w), QStringLiteral("Tarvik - jazz.tvk*"));
        w->Modified = false;
        Action(*w, "mnuNew")->trigger();
        QVERIFY(boxes.texts.isEmpty()); // an unmodified document is not asked about
        QCOMPARE(AppTest::Caption(*w), QStringLiteral("Tarvik"));
        QVERIFY(w->FCurrentFile.isEmpty());
        QVERIFY(!w->Modified);
        for (int i = ciFront; i <= ciRoundLabel; ++i)
            QCOMPARE(w->CoverSettings.Colors[i], clWhite);
        QCOMPARE(w->CoverSettings.Colors[ciLines], clBlack);
        QCOMPARE(w->pnlFrontCover->backgroundColor(), QColor(Qt::white));
        QCOMPARE(w->pnlBackCover->lineLeft()->brushColor(), QColor(Qt::black));
    }

    void confirmDiscard_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
        QTest::newRow("no") << int(QMessageBox::No) << true;
    }
    void confirmDiscard()
    {
        auto w = makeWindow();
        Boxes boxes;
        QFETCH(int, answer);
        boxes.answer = QMessageBox::StandardButton(answer);
        w->Modified = true;
        QTEST(w->ConfirmDiscard(), "goesOn");
        QCOMPARE(boxes.texts, QStringList{"The file has changed, do you want to save it before closing?"});
        // New after Cancel keeps the document as it was
        boxes.texts.clear();
        w->FCurrentFile = QStringLiteral("/tmp/kept.tvk");
        Action(*w, "mnuNew")->trigger();
        QCOMPARE(w->FCurrentFile.isEmpty(), boxes.answer == QMessageBox::No);
    }

    void closeQuery()
    {
        auto w = makeWindow();
        Boxes boxes;
        QVERIFY(w->close()); // unmodified: closes without a question
        QVERIFY(boxes.texts.isEmpty());

        auto m = makeWindow();
        m->Modified = true;
        boxes.answer = QMessageBox::Cancel;
        QVERIFY(!m->close());
        QVERIFY(m->isVisible());
        QVERIFY(m->Modified);
        boxes.answer = QMessageBox::No;
        QVERIFY(m->close());
        QVERIFY(!m->isVisible());
        QCOMPARE(boxes.texts.size(), 2);
    }

    // Yes to "save before?" and then no save: the document stays, whatever
    // was about to replace it or close it.
    void unsavedYesKeepsTheDocument_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("save");
        for (const char *command : {"new", "open", "close"})
            for (const char *save : {"cancelled", "failed"})
                QTest::newRow(qPrintable(QStringLiteral("%1, save %2").arg(command, save))) << command << save;
    }
    void unsavedYesKeepsTheDocument()
    {
        QFETCH(QString, command);
        QFETCH(QString, save);
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("plainfile")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        auto w = makeWindow();
        AppTest::Boxes boxes(QMessageBox::Yes);
        w->txtText->setText(QStringLiteral("unsaved work"));
        w->pnlFrontCoverClick();
        QVERIFY(w->Modified);
        w->SaveFileChooser = [&] {
            return save == QLatin1String("cancelled") ? QString() : blocker.fileName() + QStringLiteral("/a.tvk");
        };
        int opened = 0;
        w->OpenFileChooser = [&] {
            ++opened;
            return QString();
        };

        if (command == QLatin1String("new"))
            Action(*w, "mnuNew")->trigger();
        else if (command == QLatin1String("open"))
            Action(*w, "mnuOpen")->trigger();
        else
            QVERIFY(!w->close());

        QVERIFY(w->isVisible());
        QVERIFY(w->Modified);
        QVERIFY(w->TextSlots[0]);
        QCOMPARE(w->TextSlots[0]->Caption(), QStringLiteral("unsaved work"));
        QCOMPARE(opened, 0); // the Open dialog never came
        QCOMPARE(boxes.texts.first(), QStringLiteral("The file has changed, do you want to save it before closing?"));
        // a failed write says why; a cancelled dialog needs no words
        QCOMPARE(boxes.texts.size(), save == QLatin1String("failed") ? 2 : 1);

        // and when the save does happen, the command goes on
        w->SaveFileChooser = [&] { return dir.filePath(QStringLiteral("saved.tvk")); };
        Action(*w, "mnuNew")->trigger();
        QVERIFY(!w->TextSlots[0]);
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("saved.tvk"))));
    }

    void customColoursPersist()
    {
        {
            auto w = makeWindow();
            QColorDialog::setCustomColor(2, QColor(0x12, 0x34, 0x56));
            QVERIFY(w->close());
        }
        QColorDialog::setCustomColor(2, Qt::white);
        auto w = makeWindow();
        QCOMPARE(QColorDialog::customColor(2), QColor(0x12, 0x34, 0x56));
    }

    void units()
    {
        auto w = makeWindow();
        // the stored default is inches
        QVERIFY(w->UseInches);
        QCOMPARE(w->SpinX->decimals(), 2);
        QCOMPARE(w->SpinX->toolTip(), QStringLiteral("Horizontal Position (in inches)"));
        w->txtText->setText(QStringLiteral("typed"));
        Action(*w, "mnuCm")->trigger();
        QVERIFY(!w->UseInches);
        QVERIFY(Action(*w, "mnuCm")->isChecked());
        QVERIFY(w->txtText->text().isEmpty());
        QCOMPARE(w->SpinX->decimals(), 1);
        QCOMPARE(w->SpinY->singleStep(), 0.1);
        QCOMPARE(w->SpinImgWidth->toolTip(), QStringLiteral("Value in cm"));
        QCOMPARE(TVKRegistry::ReadPreference(TVKRegistry::prDefaultUdm), QStringLiteral("Cm"));
        w.reset();
        // "Cm" exactly selects centimetres at the next start; anything else inches
        QVERIFY(!makeWindow()->UseInches);
        TVKRegistry::WritePreference(TVKRegistry::prDefaultUdm, QStringLiteral("cm"));
        QVERIFY(makeWindow()->UseInches);
    }

    void settingsAfterOneStart()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Renvald", "Tarvik").clear();
        TVKRegistry::FirstRunSetup();
        auto w = makeWindow();
        TVKRegistry::ReadPreference(TVKRegistry::prArtistBeforeTitle);
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Renvald", "Tarvik");
        QCOMPARE(s.value("Preferences/NewInstall").toString(), QStringLiteral("False"));
        QCOMPARE(s.value("Preferences/DefaultUdm").toString(), QStringLiteral("Inches"));
        QCOMPARE(s.value("Preferences/ArtistBeforeTitle").toString(), QStringLiteral("True"));
        QCOMPARE(s.value("Preferences/RoundLabel/RoundLabel").toDouble(), double(11.5f / 2.54f));
        for (const char *name : {"InnerCircle", "NumberPerPage", "XMargin0", "YMargin0", "XMargin1", "YMargin1",
                                 "XMargin2", "YMargin2"})
            QVERIFY2(s.contains(QStringLiteral("Preferences/RoundLabel/") + name), name);
        QCOMPARE(s.value("Preferences/XPrinterMargin").toDouble(), 0.2);
        QCOMPARE(s.value("Preferences/YPrinterMargin").toDouble(), 0.5);
    }

    // Values of the wrong type and lengths far outside their range: the
    // window starts with sane values and one message names the file and
    // every value replaced.
    void badLabelSettings_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<float>("outer");
        QTest::addColumn<QStringList>("told");
        using VelMeasureRoutines::CmToInches;
        QTest::newRow("diameter of 25 km") << QStringList{"RoundLabel=1e9"} << CmToInches(30.0f)
                                           << QStringList{"'RoundLabel' = 1e+09 lies outside"};
        QTest::newRow("several values of the wrong type")
            << QStringList{"RoundLabel=abc", "XMargin0=left", "InnerCircle=nan", "NumberPerPage=12"}
            << TCoverSettings::Defaults().OuterDiameter
            << QStringList{"Invalid data type for 'RoundLabel'", "Invalid data type for 'XMargin0'",
                           "Invalid data type for 'InnerCircle'", "'NumberPerPage' = 12 lies outside"};
    }
    void badLabelSettings()
    {
        QFETCH(QStringList, values);
        QFETCH(float, outer);
        QFETCH(QStringList, told);
        TVKRegistry::ForgetSettingsProblems();
        {
            QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Renvald", "Tarvik");
            s.clear();
            for (const QString &v : values)
                s.setValue("Preferences/RoundLabel/" + v.section('=', 0, 0), v.section('=', 1));
        }
        AppTest::Boxes boxes(QMessageBox::Ok);
        auto w = makeWindow();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(TVKRegistry::SettingsFilePath()), qPrintable(boxes.texts[0]));
        for (const QString &t : told)
            QVERIFY2(boxes.texts[0].contains(t), qPrintable(boxes.texts[0]));
        QCOMPARE(w->CoverSettings.OuterDiameter, outer);
        const int side = VelMeasureRoutines::InchesToScreenPixels(outer, w->FZoom);
        QCOMPARE(w->pnlRoundLabel->size(), QSize(side, side));
        QVERIFY(w->CoverSettings.LabelsPerPage >= 1 && w->CoverSettings.LabelsPerPage <= 3);
        // the label page is drawn: the label's outline runs along its top
        w->ShowSurface(TSurfaceCode::RoundLabel);
        const QImage shot = w->pnlRoundLabel->grab().toImage();
        bool outline = false;
        for (int y = 0; y < 3 && y < shot.height(); ++y)
            outline = outline || qGray(shot.pixel(side / 2, y)) < 128;
        QVERIFY(outline);
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Renvald", "Tarvik").clear();
    }

    // A settings file that cannot be kept (a folder, a pipe, a folder the
    // user may not write): the program starts with the defaults, says so
    // once, naming the file, and goes on.
    void unkeptSettingsAtStart_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        QTest::newRow("settings file is a folder") << "folder" << "cannot be used: it is a folder";
        QTest::newRow("settings file is a pipe") << "pipe" << "cannot be used: it is not a regular file";
        QTest::newRow("settings file links to a pipe") << "link" << "cannot be used: it is not a regular file";
        QTest::newRow("settings folder not writable") << "readonly" << "cannot be written";
    }
    void unkeptSettingsAtStart()
    {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        if (kind == "readonly" && ::geteuid() == 0)
            QSKIP("root writes into any folder; the folder and pipe cases hold for root too");
        const QString conf = TVKRegistry::SettingsFilePath();
        const QString folder = QFileInfo(conf).absolutePath();
        QTemporaryDir tmp;
        QFile::remove(conf);
        auto cleanup = qScopeGuard([&] {
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QFile::remove(conf);
            QDir(conf).removeRecursively();
            TVKRegistry::ForgetSettingsProblems();
        });
        QVERIFY(QDir().mkpath(folder));
        if (kind == "folder") {
            QVERIFY(QDir().mkpath(conf));
        } else if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(conf).constData(), 0600), 0);
        } else if (kind == "link") {
            QCOMPARE(::mkfifo(QFile::encodeName(tmp.filePath("pipe")).constData(), 0600), 0);
            QVERIFY(QFile::link(tmp.filePath("pipe"), conf));
        } else {
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        TVKRegistry::ForgetSettingsProblems();

        AppTest::Boxes boxes(QMessageBox::Ok);
        // the start as the program makes it
        TVKRegistry::FirstRunSetup();
        auto w = makeWindow();
        QCOMPARE(TVKRegistry::ReadPreference(TVKRegistry::prArtistBeforeTitle), QStringLiteral("True"));
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(conf) && boxes.texts[0].contains(told)
                     && boxes.texts[0].contains("will not be kept"),
                 qPrintable(boxes.texts[0]));
        QVERIFY(w->UseInches);
        QCOMPARE(w->CoverSettings.OuterDiameter, TCoverSettings::Defaults().OuterDiameter);
        // going on: a changed setting is not kept, and not told again
        Action(*w, "mnuCm")->trigger();
        QVERIFY(!w->UseInches);
        QCOMPARE(boxes.texts.size(), 1);
        if (kind != "readonly")
            QVERIFY(!QFileInfo(conf).isFile());
    }

    void droppedUnknownFile()
    {
        auto w = makeWindow();
        Boxes boxes;
        w->DragDropFilesDropped({"/home/u/notes.txt", "/home/u/more.doc", QString(), "/home/u/never.txt"});
        QCOMPARE(boxes.texts, QStringList({"Sorry, the dropped file format is unknown!\n(/home/u/notes.txt)",
                                           "Sorry, the dropped file format is unknown!\n(/home/u/more.doc)"}));
    }

    void helpContexts()
    {
        auto w = makeWindow();
        QCOMPARE(w->HelpContextOf(w->txtText), 170);
        QCOMPARE(w->HelpContextOf(w->cmbFitTo), 160);
        QCOMPARE(w->HelpContextOf(w->SpinX), 200);
        QCOMPARE(w->HelpContextOf(w->pnlBackCover), 180);
        QCOMPARE(w->HelpContextOf(w->SBPanel0), 100);
        w->txtText->setFocus();
        QTest::keyClick(w.get(), Qt::Key_F1);
        QTRY_VERIFY(THelpWindow::instance()->isVisible());
        QCOMPARE(THelpWindow::instance()->currentUrl(), THelpWindow::UrlOfContext(170));
        THelpWindow::instance()->close();
    }

    // At the window's smallest size every control of the property panel has
    // the room it needs and can be reached (the panel scrolls).
    void propertyPanelAtMinimumSize()
    {
        auto w = makeWindow();
        w->resize(w->minimumSize());
        QCOMPARE(w->size(), QSize(500, 400));
        for (QWidget *page : {w->tabText, w->TabImage, w->TabColors}) {
            w->pagEdit->setCurrentWidget(page);
            QCoreApplication::processEvents();
            QList<QWidget *> controls = page->findChildren<QWidget *>();
            controls << w->SpinX << w->SpinY;
            for (QWidget *c : controls) {
                if (!c->isVisibleTo(w.get()) || !(qobject_cast<QAbstractButton *>(c) || qobject_cast<QComboBox *>(c)
                                                  || qobject_cast<QLineEdit *>(c) || qobject_cast<QAbstractSpinBox *>(c)
                                                  || qobject_cast<TVelPickColor *>(c)))
                    continue;
                if (qobject_cast<QComboBox *>(c->parentWidget()) || qobject_cast<QAbstractSpinBox *>(c->parentWidget()))
                    continue; // a list's or a spin field's own line
                const QByteArray name = c->objectName().toUtf8() + ' ' + c->metaObject()->className();
                QVERIFY2(c->height() >= c->minimumSizeHint().height(), name.constData());
                for (QWidget *p = c->parentWidget(); p; p = p->parentWidget())
                    if (auto *scroll = qobject_cast<QScrollArea *>(p)) {
                        const QPoint at = c->mapTo(scroll->widget(), QPoint(c->width() / 2, c->height() / 2));
                        scroll->ensureVisible(at.x(), at.y(), c->width() / 2, c->height() / 2);
                        break;
                    }
                const QRect shown(c->mapTo(w.get(), QPoint(0, 0)), c->size());
                QVERIFY2(w->centralWidget()->geometry().contains(shown), name.constData());
            }
        }
    }

    void aboutBoxNamesNoMissingAddress()
    {
        auto w = makeWindow();
        TfrmAboutBox box(w.get());
        box.setAttribute(Qt::WA_DeleteOnClose, false);
        box.show();
        QStringList shown;
        for (QLabel *l : box.findChildren<QLabel *>())
            if (l->isVisible())
                shown << l->text();
        QVERIFY(shown.join(' ').contains(QStringLiteral("1.14")));
        for (const QString &text : shown) {
            QVERIFY2(!text.contains(QStringLiteral("send comments")), qPrintable(text));
            QVERIFY2(!text.contains(QStringLiteral("web site")), qPrintable(text));
        }
    }

    // Every command of the menus works now: the help must not say otherwise.
    void helpClaimsNothingIsMissing()
    {
        QFile page(QStringLiteral(":/help/contents.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll()).simplified();
        QVERIFY2(!html.contains(QStringLiteral("class=\"notyet\"")), "a paragraph still says a feature is missing");
        QVERIFY(!html.contains(QStringLiteral("not available yet")));
    }

    void errorsAreLoggedAndShown()
    {
        Boxes boxes;
        QFile::remove(ExceptionLog::LogFilePath());
        ThrowingObject thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(boxes.texts, QStringList{"Disk full"});
        QFile log(ExceptionLog::LogFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString line = QString::fromUtf8(log.readAll());
        QVERIFY2(line.endsWith(QStringLiteral(":Disk full\n")), qPrintable(line));
        QVERIFY(line.startsWith(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)));
    }
};

TARVIK_APP_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
