#include "TVelFontCombo.h"

#include "TestSupport.h"

#include <QCollator>
#include <QFontDatabase>
#include <QLineEdit>
#include <QSignalSpy>

class TestTVelFontCombo : public QObject
{
    Q_OBJECT

private slots:
    void listsScalableFamiliesSortedOnce()
    {
        const QStringList &families = TVelFontCombo::fontFamilies();
        QVERIFY(families.contains(QStringLiteral("Liberation Sans")));
        // fontconfig's generic names are no installed font.
        for (const char *generic : {"Sans Serif", "Serif", "Monospace"})
            QVERIFY2(!families.contains(QLatin1String(generic)), generic);
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        for (qsizetype i = 0; i < families.size(); ++i) {
            QVERIFY2(QFontDatabase::isSmoothlyScalable(families[i]), qPrintable(families[i]));
            QVERIFY2(!families[i].endsWith(QLatin1Char(']')), qPrintable(families[i]));
            if (i > 0)
                QVERIFY2(collator.compare(families[i - 1], families[i]) < 0,
                         qPrintable(families[i - 1] + " / " + families[i]));
        }

        TVelFontCombo combo;
        QCOMPARE(combo.count(), families.size());
        QCOMPARE(combo.itemText(0), families.first());
    }

    void setFontNameRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("listed");
        QTest::newRow("installed") << "Liberation Serif" << true;
        QTest::newRow("not installed, shown as typed") << "Some Font Made Elsewhere" << false;
        QTest::newRow("installed name in other case") << "liberation sans" << false;
    }
    void setFontNameRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(bool, listed);
        TVelFontCombo combo;
        QSignalSpy spy(&combo, &TVelFontCombo::fontChanged);
        combo.setFontName(QStringLiteral("Liberation Mono"));
        combo.setFontName(name);
        QCOMPARE(combo.fontName(), name);
        QCOMPARE(combo.currentIndex() >= 0, listed);
        QCOMPARE(spy.count(), 0);
    }

    void userChoicesSignal()
    {
        TVelFontCombo combo;
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        combo.activateWindow();
        combo.setFocus();
        combo.setFontName(QStringLiteral("Liberation Sans"));
        QSignalSpy spy(&combo, &TVelFontCombo::fontChanged);

        // Arrow down picks the next family.
        QTest::keyClick(&combo, Qt::Key_Down);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(combo.fontName(), combo.itemText(combo.findText("Liberation Sans") + 1));

        // A typed name that is not installed counts once it is entered.
        combo.lineEdit()->selectAll();
        QTest::keyClicks(combo.lineEdit(), QStringLiteral("Qqq Nowhere"));
        QCOMPARE(spy.count(), 1);
        QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(combo.fontName(), QStringLiteral("Qqq Nowhere"));

        // An emptied field names no font: the last name comes back.
        combo.lineEdit()->selectAll();
        QTest::keyClick(combo.lineEdit(), Qt::Key_Delete);
        QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(combo.fontName(), QStringLiteral("Qqq Nowhere"));
    }
};

TARVIK_TEST_MAIN(TestTVelFontCombo)
#include "test_TVelFontCombo.moc"
