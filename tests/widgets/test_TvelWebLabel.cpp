#include "TvelWebLabel.h"

#include "TestSupport.h"

#include <QDesktopServices>

class TestTvelWebLabel : public QObject
{
    Q_OBJECT

public slots:
    // Stands in for the desktop's handler of web and mail addresses.
    void openedByDesktop(const QUrl &url) { FOpened.append(url); }

private:
    QList<QUrl> FOpened;

private slots:
    void initTestCase()
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openedByDesktop");
    }
    void cleanupTestCase()
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    void init() { FOpened.clear(); }

    void addressToUrl_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("bare host") << "www.example.com" << QUrl("http://www.example.com");
        QTest::newRow("full address kept") << "https://example.org/a?b=1" << QUrl("https://example.org/a?b=1");
        QTest::newRow("mail address") << "someone@example.com" << QUrl("mailto:someone@example.com");
        QTest::newRow("spaces around") << "  www.example.com " << QUrl("http://www.example.com");
        QTest::newRow("empty") << "" << QUrl();
    }
    void addressToUrl()
    {
        QFETCH(QString, address);
        QFETCH(QUrl, url);
        QCOMPARE(TvelWebLabel::addressToUrl(address), url);
    }

    void clickOpens()
    {
        QWidget window;
        auto *label = new TvelWebLabel(QStringLiteral("www.example.com"), &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        QCOMPARE(FOpened, QList<QUrl>{QUrl("http://www.example.com")});

        label->setUrl(QStringLiteral("https://example.org/tarvik"));
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        QCOMPARE(FOpened.last(), QUrl("https://example.org/tarvik"));

        // A right click or a press dragged off the label opens nothing.
        QTest::mouseClick(label, Qt::RightButton, {}, label->rect().center());
        QTest::mousePress(label, Qt::LeftButton, {}, label->rect().center());
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-10, -10));
        QCOMPARE(FOpened.size(), 2);

        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(label->font().underline());
    }
};

TARVIK_TEST_MAIN(TestTvelWebLabel)
#include "test_TvelWebLabel.moc"
