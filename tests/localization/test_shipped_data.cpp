// Where shipped files are found: the program's folder, then the per-user
// data folder, then the installed data folder beside the program's bin
// folder; and the help window taking its pages from there.

#include "ShippedData.h"
#include "THelpWindow.h"
#include "TestSupport.h"

#include <QStandardPaths>

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
}

} // namespace

class TestShippedData : public QObject
{
    Q_OBJECT
private slots:
    void installedFolderBesideTheProgram()
    {
        // the build's own layout: bin/ and share/ side by side
        QCOMPARE(ShippedData::InstalledShareFolder("/opt/tarvik/bin"), QStringLiteral("/opt/tarvik/share"));
        QCOMPARE(ShippedData::InstalledDataFolder("/usr/bin"), QStringLiteral("/usr/share/tarvik"));
        QCOMPARE(ShippedData::SearchFolders("/usr/bin/", "/home/u/.local/share/Renvald/Tarvik"),
                 QStringList({"/usr/bin", "/home/u/.local/share/Renvald/Tarvik", "/usr/share/tarvik"}));
        // a folder given twice is looked in once
        QCOMPARE(ShippedData::SearchFolders("/usr/bin", "/usr/share/tarvik/"),
                 QStringList({"/usr/bin", "/usr/share/tarvik"}));
    }

    void firstFolderHoldingTheFileWins_data()
    {
        QTest::addColumn<QStringList>("holders");
        QTest::addColumn<QString>("found");
        QTest::newRow("everywhere") << QStringList{"prefix/bin", "user", "prefix/share/tarvik"} << "prefix/bin";
        QTest::newRow("user and installed") << QStringList{"user", "prefix/share/tarvik"} << "user";
        QTest::newRow("installed only") << QStringList{"prefix/share/tarvik"} << "prefix/share/tarvik";
        QTest::newRow("nowhere") << QStringList{} << "";
    }
    void firstFolderHoldingTheFileWins()
    {
        QFETCH(QStringList, holders);
        QFETCH(QString, found);
        QTemporaryDir root;
        for (const QString &h : holders)
            touch(root.filePath(h + "/help/contents.html"));
        const QStringList folders = ShippedData::SearchFolders(root.filePath("prefix/bin"), root.filePath("user"));
        QCOMPARE(ShippedData::Locate(folders, "help/contents.html"),
                 found.isEmpty() ? QString() : root.filePath(found + "/help/contents.html"));
    }

    void helpPagesFromTheUsersFolderOrBuiltIn()
    {
        // nothing is installed beside the test program: the pages compiled in
        QCOMPARE(THelpWindow::UrlOfContext(170), QUrl("qrc:/help/contents.html#ctx170"));
        QVERIFY(QFile::exists(":/help/index.html"));

        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        touch(user + "/help/contents.html");
        QCOMPARE(ShippedData::Locate("help/contents.html"), user + "/help/contents.html");
        QUrl expected = QUrl::fromLocalFile(user + "/help/contents.html");
        expected.setFragment("ctx170");
        QCOMPARE(THelpWindow::UrlOfContext(170), expected);
        // a page missing from that folder still comes from the program
        QCOMPARE(THelpWindow::UrlOfPage("index.html"), QUrl("qrc:/help/index.html"));
        QDir(user + "/help").removeRecursively();
    }
};

TARVIK_TEST_MAIN(TestShippedData)
#include "test_shipped_data.moc"
