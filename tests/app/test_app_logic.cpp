// The main window's rules that need no window: start-up placement by screen
// size, the log line, what a dropped file is taken for, the image restacking
// order and the slot search.

#include "DocumentSlots.h"
#include "DroppedFiles.h"
#include "ExceptionLog.h"
#include "StartupLayout.h"
#include "TestSupport.h"

#include <QFile>

using DroppedFiles::TDropKind;
Q_DECLARE_METATYPE(DroppedFiles::TDropKind)

class TestAppLogic : public QObject
{
    Q_OBJECT
private slots:
    void placement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<float>("zoom");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("maximized");
        QTest::newRow("800x600") << QSize(800, 600) << 0.9f << QRect(0, 0, 800, 570) << true;
        QTest::newRow("1024x768") << QSize(1024, 768) << 1.0f << QRect(112, 74, 800, 620) << false;
        QTest::newRow("640x480") << QSize(640, 480) << 0.9f << QRect(-24, -35, 689, 550) << false;
        QTest::newRow("800x768: not wider than 800") << QSize(800, 768) << 0.9f << QRect(55, 109, 689, 550)
                                                     << false;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 1.0f << QRect(560, 230, 800, 620) << false;
    }
    void placement()
    {
        QFETCH(QSize, screen);
        const auto p = StartupLayout::PlacementFor(screen);
        QFETCH(float, zoom);
        QCOMPARE(p.zoom, zoom);
        QTEST(p.geometry, "geometry");
        QTEST(p.maximized, "maximized");
    }

    void logLine()
    {
        // 9 December 2004, 14:03:21, on a system with day/month/year dates
        const QDateTime when(QDate(2004, 12, 9), QTime(14, 3, 21));
        QCOMPARE(ExceptionLog::FormatLogLine(when, QLocale(QLocale::English, QLocale::UnitedKingdom),
                                             QStringLiteral("Disk full")),
                 QStringLiteral("09/12/2004 14:03:21:Disk full"));
    }

    void logFileAppends()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/Tarvik.log"));
        QVERIFY(ExceptionLog::AppendLogLine(path, QStringLiteral("one")));
        QVERIFY(ExceptionLog::AppendLogLine(path, QStringLiteral("two")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("one\ntwo\n"));
        // the log lives in the per-user data folder, never beside the program
        QVERIFY(ExceptionLog::LogFilePath().startsWith(qEnvironmentVariable("XDG_DATA_HOME")));
    }

    void droppedFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<TDropKind>("kind");
        QTest::newRow("jpeg") << "/home/u/photo.jpeg" << TDropKind::Picture;
        QTest::newRow("upper JPG") << "/home/u/PHOTO.JPG" << TDropKind::Picture;
        QTest::newRow("png through the image plugins") << "/home/u/a.png" << TDropKind::Picture;
        QTest::newRow("ends in a dot") << "/home/u/weird." << TDropKind::Picture;
        QTest::newRow("ends in .JP") << "/home/u/cut.JP" << TDropKind::Picture;
        QTest::newRow("document") << "/home/u/cover.tvk" << TDropKind::Document;
        QTest::newRow("document upper") << "/home/u/COVER.TVK" << TDropKind::Document;
        QTest::newRow("text") << "/home/u/notes.txt" << TDropKind::Unknown;
        QTest::newRow("template") << "/home/u/t.tvt" << TDropKind::Unknown;
        QTest::newRow("no extension") << "/home/u/README" << TDropKind::Unknown;
        QTest::newRow("dot in folder only") << "/home/u.x/README" << TDropKind::Unknown;
        QTest::newRow("empty path") << "" << TDropKind::Stop;
    }
    void droppedFiles()
    {
        QFETCH(QString, path);
        QTEST(DroppedFiles::Classify(path), "kind");
    }

    void restacking()
    {
        using DocumentSlots::TStackEntry;
        const std::vector<TStackEntry> images = {
            {0, TSurfaceCode::Back, fsNone, 5},
            {1, TSurfaceCode::Back, fsNone, 2},
            {2, TSurfaceCode::Front, fsFrontInside, 9}, // moves between covers: left alone
            {3, TSurfaceCode::Inside, fsNone, 1},
            {4, TSurfaceCode::Inside, fsNone, -1},
            {5, TSurfaceCode::Inside, fsNone, 0},
            {6, TSurfaceCode::Inside, fsNone, -3},
            {7, TSurfaceCode::RoundLabel, fsRoundLabel, 0}, // label images are not restacked
            {8, TSurfaceCode::Front, fsNone, 0},
        };
        // Raised one after another: the last raised lies on top, so the
        // back's Order 5 image (slot 0) ends above slot 1, and negative
        // Orders sink below the rest keeping their slot order.
        const std::vector<int> expected = {8, 4, 6, 5, 3, 1, 0};
        QCOMPARE(DocumentSlots::ImageStackingSequence(images), expected);
    }

    void freeSlot()
    {
        std::vector<bool> taken(5, true);
        taken[3] = false;
        auto occupied = [&](int i) { return bool(taken[i]); };
        QCOMPARE(DocumentSlots::FirstFreeSlot(5, occupied), std::optional<int>(3));
        taken[3] = true;
        QCOMPARE(DocumentSlots::FirstFreeSlot(5, occupied), std::optional<int>());
    }

    void fillDocumentRecord()
    {
        TDocumentRecord r;
        r.Texts[4].Text = QStringLiteral("stale");
        std::array<TColor, 8> colors{1, 2, 3, 4, 5, 6, 7, 8};
        DocumentSlots::FillDocumentRecord(
            r,
            [](int i) -> std::optional<TTextElementRecord> {
                if (i != 2)
                    return std::nullopt;
                TTextElementRecord t;
                t.Text = QStringLiteral("Title");
                return t;
            },
            [](int i) -> std::optional<TImageElementRecord> {
                TImageElementRecord im;
                if (i == 1)
                    im.ImageFileName = QStringLiteral("/p/a.jpg");
                return im; // an image without a file is not written
            },
            colors);
        QCOMPARE(r.Texts[2].Text, QStringLiteral("Title"));
        QVERIFY(!r.Texts[4].isUsed());
        QCOMPARE(r.Images[1].ImageFileName, QStringLiteral("/p/a.jpg"));
        QVERIFY(!r.Images[0].isUsed());
        QCOMPARE(r.FormatVersion, QStringLiteral("1.1"));
        QVERIFY(r.Reserved.isEmpty());
        QCOMPARE(r.Colors, colors);
    }
};

TARVIK_TEST_MAIN(TestAppLogic)
#include "test_app_logic.moc"
