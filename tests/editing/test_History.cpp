// The undo history's buffers and commands, and which elements a snapshot
// brings back into which slots.

#include "History.h"

#include "TestSupport.h"

namespace {

// A document state named by one letter: a single text with that letter.
// "_" is a document without elements, which is a snapshot all the same.
TElementSnapshot State(const QString &name)
{
    TElementSnapshot s;
    if (name != QLatin1String("_"))
        s.Texts[0].Text = name;
    return s;
}

QString NameOf(const std::optional<TElementSnapshot> &s)
{
    if (!s)
        return QStringLiteral("-");
    return s->Texts[0].Text.isEmpty() ? QStringLiteral("_") : s->Texts[0].Text;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    // Each step: "+X" records state X; "uX=Y" undoes while the document is
    // X and must bring back Y ("-": nothing, Undo disabled); "r=Y" redoes
    // and must bring back Y; "!" empties the history as New and Open do.
    // Before every undo and redo the command's enabled state must match
    // whether it brings something back.
    void sequences_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("A B C D: undo gives C, B, A, then disabled")
            << "+A +B +C uD=C uC=B uB=A uA=-";
        QTest::newRow("redo after the last undo, once") << "+A +B +C uD=C uC=B uB=A r=B r=-";
        QTest::newRow("undo, redo, undo gives B") << "+A +B +C uD=C r=D uD=B uB=A uA=-";
        QTest::newRow("three levels: the oldest falls off") << "+A +B +C +D uE=D uD=C uC=B uB=-";
        QTest::newRow("a new snapshot disables redo") << "+A +B uC=B +X r=- uY=X uX=A uA=-";
        QTest::newRow("new snapshot after using undo up") << "+A uB=A uA=- +C uD=C uC=-";
        QTest::newRow("an empty document is a snapshot") << "+_ uA=_ r=A uA=-";
        QTest::newRow("nothing to undo at start") << "uA=- r=-";
        QTest::newRow("New and Open empty everything") << "+A +B uC=B ! r=- uZ=-";
    }

    void sequences()
    {
        QFETCH(QString, script);
        THistory h;
        const QStringList steps = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &step : steps) {
            const QString expected = step.section(QLatin1Char('='), 1);
            if (step.startsWith(QLatin1Char('+'))) {
                h.RecordHistory(State(step.mid(1)));
                QVERIFY2(h.CanUndo() && !h.CanRedo(), qPrintable(step));
            } else if (step.startsWith(QLatin1Char('u'))) {
                QCOMPARE(h.CanUndo(), expected != QLatin1String("-"));
                QCOMPARE(NameOf(h.Undo(State(step.mid(1, 1)))), expected);
            } else if (step.startsWith(QLatin1Char('r'))) {
                QCOMPARE(h.CanRedo(), expected != QLatin1String("-"));
                QCOMPARE(NameOf(h.Redo()), expected);
            } else if (step == QLatin1String("!")) {
                h.Clear();
                QVERIFY(!h.CanUndo() && !h.CanRedo());
            } else {
                QFAIL(qPrintable("bad step " + step));
            }
        }
    }

    void snapshotsHoldTheElementsOnly()
    {
        TDocumentRecord doc;
        doc.Texts[4].Text = QStringLiteral("Ωmega – Live"); // no code page holds all of it
        doc.Images[2].ImageFileName = QStringLiteral("/pictures/cover.jpg");
        doc.Colors[ciFront] = 0x0000FF;
        const TElementSnapshot snap = TElementSnapshot::Of(doc);

        TDocumentRecord now;
        now.Colors[ciFront] = 0x00FF00; // a colour changed after the snapshot
        now.Texts[0].Text = QStringLiteral("later");
        THistory h;
        h.RecordHistory(snap);
        h.Undo(TElementSnapshot::Of(now))->CopyTo(now);

        QCOMPARE(now.Texts[4].Text, QStringLiteral("Ωmega – Live"));
        QVERIFY(!now.Texts[0].isUsed());
        QCOMPARE(now.Images[2].ImageFileName, QStringLiteral("/pictures/cover.jpg"));
        QCOMPARE(now.Colors[ciFront], TColor(0x00FF00)); // colours are not restored
    }

    void rebuildOrder()
    {
        TElementSnapshot s;
        s.Texts[3].Text = QStringLiteral("Title");
        s.Texts[3].SurfaceIndex = TSurfaceCode::Back;
        s.Texts[5].FontName = QStringLiteral("Arial"); // a record without text is no element
        s.Texts[5].SurfaceIndex = TSurfaceCode::Inside;
        s.Texts[7].Text = QStringLiteral("Artist");
        s.Texts[7].SurfaceIndex = TSurfaceCode::Front;
        s.Images[9].ImageFileName = QStringLiteral("/b.png");
        s.Images[4].WidthInches = 2; // no file: dropped
        s.Images[2].ImageFileName = QStringLiteral("/a.png");

        const THistoryRebuild plan = RebuildOrder(s);
        QCOMPARE(plan.ImageSlots, (std::vector<int>{2, 9}));
        QCOMPARE(plan.Texts.size(), size_t(2));
        QCOMPARE(plan.Texts[0].RecordSlot, 3);
        QCOMPARE(plan.Texts[0].NewSlot, 0);
        QCOMPARE(plan.Texts[0].Surface, TSurfaceCode::Back);
        QCOMPARE(plan.Texts[1].RecordSlot, 7);
        QCOMPARE(plan.Texts[1].NewSlot, 1);
        QCOMPARE(plan.Texts[1].Surface, TSurfaceCode::Front);

        QVERIFY(RebuildOrder(TElementSnapshot()).Texts.empty());
    }

    void redoShowsFrontOrInside()
    {
        QCOMPARE(RedoVisibleSurface(TSurfaceCode::Front), TSurfaceCode::Front);
        QCOMPARE(RedoVisibleSurface(TSurfaceCode::Back), TSurfaceCode::Inside);
        QCOMPARE(RedoVisibleSurface(TSurfaceCode::RoundLabel), TSurfaceCode::Inside);
    }
};

TARVIK_TEST_MAIN(TestHistory)
#include "test_History.moc"
