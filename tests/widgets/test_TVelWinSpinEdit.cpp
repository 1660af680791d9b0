#include "TVelWinSpinEdit.h"

#include "TestSupport.h"

#include <QLineEdit>
#include <QSignalSpy>

class TestTVelWinSpinEdit : public QObject
{
    Q_OBJECT

private slots:
    void limits_data()
    {
        QTest::addColumn<double>("minValue");
        QTest::addColumn<double>("maxValue");
        QTest::addColumn<double>("set");
        QTest::addColumn<double>("expected");
        QTest::newRow("no limits: negative") << 0.0 << 0.0 << -250.5 << -250.5;
        QTest::newRow("no limits: large") << 0.0 << 0.0 << 12345.0 << 12345.0;
        QTest::newRow("no limits: beyond the wide range") << 0.0 << 0.0 << 1e6 << 99999.0;
        QTest::newRow("equal limits mean none") << 5.0 << 5.0 << 40.0 << 40.0;
        QTest::newRow("above max") << 1.0 << 3.0 << 5.0 << 3.0;
        QTest::newRow("below min") << 1.0 << 3.0 << 0.0 << 1.0;
        QTest::newRow("min 0 is a real limit when max differs") << 0.0 << 10.0 << -2.0 << 0.0;
    }
    void limits()
    {
        QFETCH(double, minValue);
        QFETCH(double, maxValue);
        QFETCH(double, set);
        QFETCH(double, expected);
        TVelWinSpinEdit spin;
        spin.setDecimals(1);
        spin.setMinValue(minValue);
        spin.setMaxValue(maxValue);
        spin.setValue(set);
        QCOMPARE(spin.value(), expected);
    }

    void stepsAndTyping_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("increment");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("typedValue");
        QTest::addColumn<double>("afterUp");
        QTest::newRow("centimetres") << 1 << 0.1 << "1.5" << 1.5 << 1.6;
        QTest::newRow("inches") << 2 << 0.01 << "0.59" << 0.59 << 0.6;
        QTest::newRow("whole numbers") << 0 << 1.0 << "3" << 3.0 << 4.0;
        QTest::newRow("negative") << 2 << 0.01 << "-0.2" << -0.2 << -0.19;
    }
    void stepsAndTyping()
    {
        QFETCH(int, decimals);
        QFETCH(double, increment);
        QFETCH(QString, typed);
        QFETCH(double, typedValue);
        QFETCH(double, afterUp);
        TVelWinSpinEdit spin;
        spin.setLocale(QLocale::c());
        spin.setDecimals(decimals);
        spin.setIncrement(increment);
        spin.show();
        QVERIFY(QTest::qWaitForWindowExposed(&spin));
        QSignalSpy spy(&spin, &TVelWinSpinEdit::changed);

        spin.selectAll();
        QTest::keyClicks(&spin, typed);
        QCOMPARE(spin.value(), typedValue);
        QVERIFY(spy.count() >= 1);

        spy.clear();
        QTest::keyClick(&spin, Qt::Key_Up);
        QCOMPARE(spin.value(), afterUp);
        QCOMPARE(spy.count(), 1);
        QTest::keyClick(&spin, Qt::Key_Down);
        QCOMPARE(spin.value(), typedValue);
        QCOMPARE(spy.count(), 2);
    }

    void changedSignal()
    {
        TVelWinSpinEdit spin;
        spin.setDecimals(2);
        QSignalSpy spy(&spin, &TVelWinSpinEdit::changed);
        spin.setValue(1.25);
        spin.setValue(1.25);
        QCOMPARE(spy.count(), 1);
        spin.setValueSilently(2.5);
        QCOMPARE(spin.value(), 2.5);
        QCOMPARE(spy.count(), 1);
        spin.setValue(3.0);
        QCOMPARE(spy.count(), 2);
    }
};

TARVIK_TEST_MAIN(TestTVelWinSpinEdit)
#include "test_TVelWinSpinEdit.moc"
