#include "TVelDragDrop.h"

#include "TestSupport.h"

#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

class TestTVelDragDrop : public QObject
{
    Q_OBJECT

    // Sends a drag over `w` and then the drop, as the desktop does;
    // returns whether the drag was accepted.
    static bool dragAndDrop(QWidget *w, const QMimeData *mime)
    {
        const QPoint at = w->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &enter);
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &drop);
        return enter.isAccepted();
    }

    static QMimeData *filesMime()
    {
        auto *mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile("/tmp/b cover.jpg"), QUrl::fromLocalFile("/tmp/a.tvk")});
        // File managers add the paths as text too, which a text field takes.
        mime->setText(QStringLiteral("/tmp/b cover.jpg\n/tmp/a.tvk"));
        return mime;
    }

private slots:
    void drops_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("two files in their order")
            << QList<QUrl>{QUrl::fromLocalFile("/tmp/b cover.jpg"), QUrl::fromLocalFile("/tmp/a.tvk")}
            << QString() << true << QStringList{"/tmp/b cover.jpg", "/tmp/a.tvk"};
        QTest::newRow("text is refused") << QList<QUrl>{} << "/tmp/a.tvk" << false << QStringList{};
        QTest::newRow("web address is refused")
            << QList<QUrl>{QUrl("https://example.com/x.jpg")} << QString() << false << QStringList{};
        QTest::newRow("only the files of a mixed drag")
            << QList<QUrl>{QUrl("https://example.com/x.jpg"), QUrl::fromLocalFile("/tmp/c.png")}
            << QString() << true << QStringList{"/tmp/c.png"};
    }
    void drops()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QStringList, paths);
        QWidget window;
        TVelDragDrop dd;
        dd.setTarget(&window);
        dd.setActive(true);
        QVERIFY(window.acceptDrops());
        QSignalSpy spy(&dd, &TVelDragDrop::filesDropped);

        QMimeData mime;
        if (!urls.isEmpty())
            mime.setUrls(urls);
        if (!text.isEmpty())
            mime.setText(text);
        QCOMPARE(dragAndDrop(&window, &mime), accepted);
        QCOMPARE(spy.count(), accepted ? 1 : 0);
        if (accepted)
            QCOMPARE(spy.first().first().toStringList(), paths);
    }

    void childrenAndActive()
    {
        QWidget window;
        auto *edit = new QLineEdit(&window);
        QWidget other;
        auto *otherEdit = new QLineEdit(&other);
        TVelDragDrop dd;
        dd.setTarget(&window);
        dd.setActive(true);
        QSignalSpy spy(&dd, &TVelDragDrop::filesDropped);
        std::unique_ptr<QMimeData> mime(filesMime());

        // Files dropped on a text field of the window are the window's.
        QVERIFY(dragAndDrop(edit, mime.get()));
        QCOMPARE(spy.count(), 1);
        QVERIFY(edit->text().isEmpty());
        // A field of another window is none of its business.
        dragAndDrop(otherEdit, mime.get());
        QCOMPARE(spy.count(), 1);

        dd.setActive(false);
        QVERIFY(!window.acceptDrops());
        dragAndDrop(&window, mime.get());
        QCOMPARE(spy.count(), 1);
    }
};

TARVIK_TEST_MAIN(TestTVelDragDrop)
#include "test_TVelDragDrop.moc"
