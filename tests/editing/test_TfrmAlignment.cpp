// The Alignment dialog with real widgets: the items it offers for one and
// for several elements, and what OK and Cancel do to the elements.

#include "TfrmAlignment.h"

#include "ShotSupport.h"
#include "TestSupport.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using Rects = QList<QRect>;
using Points = QList<QPoint>;

namespace {

// A front-cover-sized panel (96 ppi, zoom 1.0) holding one widget per rect.
struct TPanel {
    QWidget panel;
    QList<QWidget *> elements;

    explicit TPanel(const Rects &rects)
    {
        panel.resize(461, 457);
        for (const QRect &r : rects) {
            auto *e = new QWidget(&panel);
            e->setGeometry(r);
            elements.append(e);
        }
    }
    Points positions() const
    {
        Points p;
        for (QWidget *e : elements)
            p.append(e->pos());
        return p;
    }
};

QList<QRadioButton *> items(TfrmAlignment &dialog, const char *group)
{
    return dialog.findChild<QWidget *>(QLatin1String(group))->findChildren<QRadioButton *>();
}

QStringList texts(const QList<QRadioButton *> &buttons)
{
    QStringList t;
    for (QRadioButton *b : buttons)
        t.append(b->text());
    return t;
}

// Clicks the radio button on its indicator, which lies inside the area that
// takes clicks however wide the layout makes the button.
void choose(TfrmAlignment &dialog, const char *group, int item)
{
    QRadioButton *b = items(dialog, group).at(item);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    QVERIFY(b->isChecked());
}

} // namespace

class TestTfrmAlignment : public QObject
{
    Q_OBJECT

private slots:
    void itemSets_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("horizontal");
        QTest::addColumn<QStringList>("vertical");
        const QStringList h1{"&No change", "&Left", "&Center", "&Right"};
        const QStringList v1{"No chan&ge", "&Top", "&Middle", "&Bottom"};
        const QStringList hn{"&No change", "&Left Sides", "&Centers", "&Right Sides", "&Center in the c&over"};
        const QStringList vn{"No chan&ge", "&Tops", "C&enters", "&Bottoms", "Center &in the cover", "Space equally"};
        QTest::newRow("one element") << 1 << h1 << v1;
        QTest::newRow("two elements") << 2 << hn << vn;
        QTest::newRow("three elements") << 3 << hn << vn;
    }

    void itemSets()
    {
        QFETCH(int, count);
        QFETCH(QStringList, horizontal);
        QFETCH(QStringList, vertical);
        TPanel p(Rects(count, QRect(10, 10, 40, 20)));
        TfrmAlignment dialog(p.elements);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QCOMPARE(dialog.windowTitle(), QStringLiteral("Alignment"));
        QCOMPARE(texts(items(dialog, "rgHorizontal")), horizontal);
        QCOMPARE(texts(items(dialog, "rgVertical")), vertical);
        QCOMPARE(dialog.HorizontalItem(), 0);
        QCOMPARE(dialog.VerticalItem(), 0);
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        SaveShot(&dialog, QStringLiteral("alignment-%1").arg(count));
    }

    void okMovesTheElements_data()
    {
        QTest::addColumn<Rects>("elements");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        QTest::addColumn<Points>("expected");
        QTest::newRow("one: centre on the panel")
            << Rects{{7, 9, 100, 40}} << 2 << 0 << Points{{180, 9}};
        QTest::newRow("one: right and bottom")
            << Rects{{7, 9, 100, 40}} << 3 << 3 << Points{{361, 417}};
        QTest::newRow("several: centres on the first's centre")
            << Rects{{10, 20, 100, 30}, {200, 5, 50, 10}} << 2 << 0 << Points{{10, 20}, {35, 5}};
        QTest::newRow("several: right sides and bottoms")
            << Rects{{10, 20, 100, 30}, {200, 5, 50, 10}} << 3 << 3 << Points{{10, 20}, {60, 40}};
        QTest::newRow("several: centred in the cover")
            << Rects{{10, 20, 100, 30}, {200, 5, 51, 41}} << 4 << 4 << Points{{180, 213}, {205, 208}};
        // Selected bottom first: the spacing follows the tops, not the order
        // of selection.
        QTest::newRow("several: space equally")
            << Rects{{0, 100, 10, 30}, {0, 0, 10, 20}, {0, 50, 10, 10}} << 0 << 5
            << Points{{0, 100}, {0, 0}, {0, 55}};
    }

    void okMovesTheElements()
    {
        QFETCH(Rects, elements);
        QFETCH(int, horizontal);
        QFETCH(int, vertical);
        QFETCH(Points, expected);
        TPanel p(elements);
        TfrmAlignment dialog(p.elements);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        choose(dialog, "rgHorizontal", horizontal);
        choose(dialog, "rgVertical", vertical);

        // The owner's snapshot must still see the old positions.
        Points seenBefore;
        connect(&dialog, &TfrmAlignment::aboutToApply, &dialog, [&] { seenBefore = p.positions(); });
        QSignalSpy applied(&dialog, &TfrmAlignment::applied);
        QTest::mouseClick(dialog.findChild<QPushButton *>("btnOk"), Qt::LeftButton);

        QCOMPARE(p.positions(), expected);
        QCOMPARE(seenBefore, Points(TPanel(elements).positions()));
        QCOMPARE(applied.count(), 1);
        QVERIFY(dialog.Changed());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    // OK without a change of position, and Cancel or Escape whatever was
    // chosen, move nothing and tell the owner nothing.
    void nothingToApply_data()
    {
        QTest::addColumn<Rects>("elements");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        QTest::addColumn<QString>("close");
        const Rects two{{10, 20, 100, 30}, {200, 5, 50, 10}};
        QTest::newRow("ok, no change") << two << 0 << 0 << "ok";
        QTest::newRow("ok, already aligned") << Rects{{0, 9, 100, 40}} << 1 << 0 << "ok";
        QTest::newRow("ok, space equally on overlapping elements")
            << Rects{{0, 0, 10, 20}, {0, 10, 10, 20}, {0, 20, 10, 20}} << 0 << 5 << "ok";
        QTest::newRow("cancel") << two << 4 << 5 << "cancel";
        QTest::newRow("escape") << two << 1 << 1 << "escape";
    }

    void nothingToApply()
    {
        QFETCH(Rects, elements);
        QFETCH(int, horizontal);
        QFETCH(int, vertical);
        QFETCH(QString, close);
        TPanel p(elements);
        TfrmAlignment dialog(p.elements);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        choose(dialog, "rgHorizontal", horizontal);
        choose(dialog, "rgVertical", vertical);
        QSignalSpy before(&dialog, &TfrmAlignment::aboutToApply);
        QSignalSpy applied(&dialog, &TfrmAlignment::applied);

        if (close == QLatin1String("ok"))
            QTest::mouseClick(dialog.findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        else if (close == QLatin1String("cancel"))
            QTest::mouseClick(dialog.findChild<QPushButton *>("btnCancel"), Qt::LeftButton);
        else
            QTest::keyClick(&dialog, Qt::Key_Escape);

        QCOMPARE(p.positions(), Points(TPanel(elements).positions()));
        QCOMPARE(before.count(), 0);
        QCOMPARE(applied.count(), 0);
        QVERIFY(!dialog.Changed());
        QVERIFY(!dialog.isVisible());
    }

    // An element deleted while the dialog is open is left out; the others
    // still align to the first one that remains.
    void deletedElementIsSkipped()
    {
        TPanel p(Rects{{10, 20, 100, 30}, {200, 5, 50, 10}, {300, 50, 20, 10}});
        TfrmAlignment dialog(p.elements);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        choose(dialog, "rgHorizontal", 1);
        delete p.elements.takeFirst();
        QTest::mouseClick(dialog.findChild<QPushButton *>("btnOk"), Qt::LeftButton);
        QCOMPARE(p.positions(), (Points{{200, 5}, {200, 50}}));
    }
};

TARVIK_TEST_MAIN(TestTfrmAlignment)
#include "test_TfrmAlignment.moc"
