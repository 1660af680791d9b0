// The stacking ranks kept by bring to front, send to back and delete.

#include "ImageOrder.h"

#include "TestSupport.h"

namespace {

// "F1 F2 B1 F0*": one image per word, slots 0, 1, 2 ...; the letter is the
// surface (F front, I inside, B back), the number the rank, a star a picture
// fitted to its surface.
std::vector<TStackEntry> Images(const QString &words)
{
    std::vector<TStackEntry> images;
    for (QString w : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool fitted = w.endsWith(QLatin1Char('*'));
        if (fitted)
            w.chop(1);
        const TSurfaceCode surface = w[0] == QLatin1Char('B')   ? TSurfaceCode::Back
                                     : w[0] == QLatin1Char('I') ? TSurfaceCode::Inside
                                                                : TSurfaceCode::Front;
        images.push_back({int(images.size()), surface, fitted ? fsFront : fsNone, w.mid(1).toInt()});
    }
    return images;
}

QList<int> Orders(const std::vector<TStackEntry> &images)
{
    QList<int> orders;
    for (const TStackEntry &e : images)
        orders << e.order;
    return orders;
}

} // namespace

class TestImageOrder : public QObject
{
    Q_OBJECT

private slots:
    void update_data()
    {
        QTest::addColumn<QString>("images");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("action");
        QTest::addColumn<QList<int>>("expected");
        const int front = int(TOrderAction::ToFront), back = int(TOrderAction::ToBack),
                  del = int(TOrderAction::Delete);
        QTest::newRow("1 brought to front") << "F1 F2 F3" << 0 << front << QList<int>{3, 1, 2};
        QTest::newRow("3 sent to back") << "F1 F2 F3" << 2 << back << QList<int>{2, 3, 1};
        QTest::newRow("2 deleted") << "F1 F2 F3" << 1 << del << QList<int>{1, 2, 2};
        QTest::newRow("top brought to front stays") << "F1 F2 F3" << 2 << front << QList<int>{1, 2, 3};
        QTest::newRow("other surfaces untouched") << "B1 F1 F2 B2" << 1 << front << QList<int>{1, 2, 1, 2};
        // A fitted picture has no rank: it is not counted on top, and
        // deleting it leaves the free images' ranks as they are.
        QTest::newRow("fitted picture not counted") << "F0* F1 F2" << 1 << front << QList<int>{0, 2, 1};
        QTest::newRow("fitted picture deleted") << "F0* F1 F2" << 0 << del << QList<int>{0, 1, 2};
        // An image left at 0 after its fit was dropped.
        QTest::newRow("unranked sent to back") << "F0 F1 F2" << 0 << back << QList<int>{1, 2, 3};
        QTest::newRow("unranked brought to front") << "F0 F1 F2" << 0 << front << QList<int>{3, 1, 2};
        QTest::newRow("no such slot") << "F1 F2" << 7 << front << QList<int>{1, 2};
    }

    void update()
    {
        QFETCH(QString, images);
        QFETCH(int, slot);
        QFETCH(int, action);
        QFETCH(QList<int>, expected);
        std::vector<TStackEntry> entries = Images(images);
        UpdateImageOrder(entries, slot, TOrderAction(action));
        QCOMPARE(Orders(entries), expected);

        // Ranks stay distinct, so the next image inserted on the front cover
        // gets one of its own (a deleted image still sits in the list here).
        const std::int32_t next = NewImageOrder(entries, TSurfaceCode::Front);
        if (action != int(TOrderAction::Delete))
            for (const TStackEntry &e : entries)
                QVERIFY2(e.surface != TSurfaceCode::Front || e.order != next, "the next image would share a rank");
    }

    void sendToBackKeepsFittedBeneath()
    {
        std::vector<TStackEntry> images = Images("F1 F0* B0* F2 F3");
        images[2].fitStyle = fsBack;
        images[1].fitStyle = fsFrontInside;
        images[4].fitStyle = fsFront;
        images[4].order = 0;
        // The image first, then the front's fitted pictures in slot order.
        QCOMPARE(SendToBackSequence(images, 3), (std::vector<int>{3, 1, 4}));
        QVERIFY(!CanRestack(fsRoundLabel));
        QVERIFY(CanRestack(fsNone));
    }
};

TARVIK_TEST_MAIN(TestImageOrder)
#include "test_ImageOrder.moc"
