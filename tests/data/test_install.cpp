// `cmake --install` into a temporary prefix: every file a desktop expects in
// its place, the desktop entry, file types and AppStream description valid
// under the desktop's own tools (skipped with a message when a tool is not
// installed), the installed tools runnable, and the first start of an
// installed program leaving the installed desktop entry in charge.

#include "ShippedData.h"
#include "TestSupport.h"
#include "XdgFileTypes.h"

#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace {

const QList<int> IconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

struct TRun {
    int status = -1;
    QString out;
    QString err;
};

TRun run(const QString &program, const QStringList &args, const QProcessEnvironment &env = {})
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, args);
    TRun r;
    if (!p.waitForFinished(120000)) {
        p.kill();
        r.err = QStringLiteral("%1 did not finish: %2").arg(program, p.errorString());
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The keys of a desktop entry's [Desktop Entry] group.
QMap<QString, QString> desktopKeys(const QString &path)
{
    QMap<QString, QString> keys;
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(fileBytes(path)).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

// A tool of the desktop, or a skip message naming its package.
QString toolOrSkip(const QString &tool, const char *package, QString &skip)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty())
        skip = QStringLiteral("%1 is not installed (package %2)").arg(tool, QLatin1String(package));
    return exe;
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT
    QTemporaryDir prefixDir;
    QString prefix;
    QString share;
    QString desktopFile;

private slots:
    void initTestCase()
    {
        prefix = prefixDir.path();
        share = prefix + "/share";
        desktopFile = share + "/applications/tarvik.desktop";
        const TRun r = run(TARVIK_CMAKE_COMMAND, {"--install", TARVIK_BUILD_DIR, "--prefix", prefix});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        // the desktop's lookups in this process see the installed files only
        qputenv("XDG_DATA_DIRS", QFile::encodeName(share));
    }

    void installedFiles_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path : {"bin/tarvik", "bin/tarvik-disc", "share/applications/tarvik.desktop",
                                 "share/mime/packages/tarvik.xml", "share/metainfo/org.renvald.tarvik.metainfo.xml",
                                 "share/man/man1/tarvik.1.gz", "share/man/man1/tarvik-disc.1.gz",
                                 "share/icons/hicolor/scalable/apps/tarvik.svg",
                                 "share/icons/hicolor/scalable/mimetypes/application-x-tarvik.svg",
                                 "share/icons/hicolor/scalable/mimetypes/application-x-tarvik-template.svg",
                                 "share/tarvik/help/contents.html"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }
    void installedFiles()
    {
        QFETCH(QString, path);
        const QFileInfo info(prefix + "/" + path);
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path));
        if (path.startsWith("bin/"))
            QVERIFY(info.isExecutable());
    }

    void pngIcons_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");
        for (const char *icon : {"apps/tarvik", "mimetypes/application-x-tarvik", "mimetypes/application-x-tarvik-template"})
            for (int size : IconSizes)
                QTest::addRow("%s %d", icon, size)
                    << QStringLiteral("share/icons/hicolor/%1x%1/%2.png").arg(size).arg(QLatin1String(icon)) << size;
    }
    void pngIcons()
    {
        QFETCH(QString, path);
        QFETCH(int, size);
        const QImage image(prefix + "/" + path);
        QCOMPARE(image.size(), QSize(size, size));
        // drawn, not an empty square: the centre of each icon is opaque
        QCOMPARE(qAlpha(image.pixel(size / 2 + size / 8, size / 2 + size / 4)), 255);
    }

    void desktopEntry()
    {
        const auto keys = desktopKeys(desktopFile);
        QCOMPARE(keys.value("Type"), QStringLiteral("Application"));
        QCOMPARE(keys.value("Exec"), QStringLiteral("tarvik %f"));
        // the run-time registration names the same types
        QCOMPARE(keys.value("MimeType").split(';', Qt::SkipEmptyParts),
                 QStringList({XdgFileTypes::MimeTypeOfExtension("tvk"), XdgFileTypes::MimeTypeOfExtension("tvt")}));
        QVERIFY(QFile::exists(share + "/icons/hicolor/scalable/apps/" + keys.value("Icon") + ".svg"));
        QCOMPARE(XdgFileTypes::InstalledDesktopEntry(prefix + "/bin/tarvik"), desktopFile);

        QString skip;
        const QString validate = toolOrSkip("desktop-file-validate", "desktop-file-utils", skip);
        if (validate.isEmpty())
            QSKIP(qPrintable(skip));
        const TRun r = run(validate, {desktopFile});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out + r.err, QString());
    }

    void mimePackage()
    {
        QString skip;
        const QString update = toolOrSkip("update-mime-database", "shared-mime-info", skip);
        if (update.isEmpty())
            QSKIP(qPrintable(skip));
        const TRun r = run(update, {share + "/mime"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString()); // it warns about unknown or misplaced elements here
        QVERIFY(fileBytes(share + "/mime/globs2").contains("application/x-tarvik:*.tvk"));

        const QMimeDatabase db;
        const QMimeType document = db.mimeTypeForFile("Cover.TVK", QMimeDatabase::MatchExtension);
        const QMimeType tmpl = db.mimeTypeForFile("cover.tvt", QMimeDatabase::MatchExtension);
        QCOMPARE(document.name(), QStringLiteral("application/x-tarvik"));
        QCOMPARE(document.comment(), QStringLiteral("Tarvik file"));
        QCOMPARE(tmpl.name(), QStringLiteral("application/x-tarvik-template"));
        QCOMPARE(tmpl.comment(), QStringLiteral("Tarvik template"));
        // each type finds its installed icon by the name the desktop derives
        for (const QMimeType &t : {document, tmpl})
            QVERIFY2(QFile::exists(share + "/icons/hicolor/48x48/mimetypes/" + t.iconName() + ".png"),
                     qPrintable(t.iconName()));
    }

    void metainfo()
    {
        const QString path = share + "/metainfo/org.renvald.tarvik.metainfo.xml";
        QXmlStreamReader xml(fileBytes(path));
        QStringList launchables, binaries, mediatypes;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("launchable"))
                launchables << xml.readElementText();
            else if (xml.name() == QLatin1String("binary"))
                binaries << xml.readElementText();
            else if (xml.name() == QLatin1String("mediatype"))
                mediatypes << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        // what it promises is what was installed
        QCOMPARE(launchables, QStringList{"tarvik.desktop"});
        QCOMPARE(binaries, QStringList({"tarvik", "tarvik-disc"}));
        QCOMPARE(mediatypes, desktopKeys(desktopFile).value("MimeType").split(';', Qt::SkipEmptyParts));

        QString skip;
        const QString appstream = toolOrSkip("appstreamcli", "appstream", skip);
        if (appstream.isEmpty())
            QSKIP(qPrintable(skip));
        const TRun r = run(appstream, {"validate", "--no-net", path});
        QVERIFY2(r.status == 0, qPrintable(r.out + r.err));
    }

    void helpPagesAndDataFolder()
    {
        // the program finds its data folder from where it is installed
        QCOMPARE(ShippedData::InstalledDataFolder(prefix + "/bin"), share + "/tarvik");
        const QDir source(TARVIK_SOURCE_DIR "/docs/help");
        const QStringList pages = source.entryList(QDir::Files);
        QVERIFY(pages.contains("contents.html"));
        for (const QString &page : pages)
            QCOMPARE(fileBytes(share + "/tarvik/help/" + page), fileBytes(source.filePath(page)));
    }

    void manPages()
    {
        for (const QString &page : {QStringLiteral("tarvik"), QStringLiteral("tarvik-disc")}) {
            const TRun r = run("gzip", {"-dc", share + "/man/man1/" + page + ".1.gz"});
            QCOMPARE(r.status, 0);
            QVERIFY2(r.out.startsWith(".TH " + page.toUpper() + " 1 "), qPrintable(r.out.left(80)));
        }
    }

    void installedDiscTool_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("version") << QStringList{"--version"} << 0 << "tarvik-disc " TARVIK_VERSION "\n" << "";
        QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage:" << "";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << "" << "Usage:";
    }
    void installedDiscTool()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        const TRun r = run(prefix + "/bin/tarvik-disc", args);
        QCOMPARE(r.status, status);
        QVERIFY2(out.isEmpty() || r.out.startsWith(out), qPrintable(r.out));
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
    }

    // (last: it rewrites the installed files)
    void installedProgramLeavesItsEntryInCharge()
    {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        const QString userEntry = data + "/applications/tarvik.desktop";
        const QString userPackage = data + "/mime/packages/tarvik.xml";
        const QString installed = prefix + "/bin/tarvik";

        // a build of the program registered itself before the installation
        XdgFileTypes::Register("tvk", "/home/u/src/build/tarvik", "Tarvik file");
        XdgFileTypes::Register("tvt", "/home/u/src/build/tarvik", "Tarvik template");
        QVERIFY(QFile::exists(userEntry) && QFile::exists(userPackage));

        // the installed program's first start takes that registration back
        // and makes the installed entry the default
        XdgFileTypes::Register("tvk", installed, "Tarvik file");
        XdgFileTypes::Register("tvt", installed, "Tarvik template");
        QVERIFY(!QFile::exists(userEntry));
        QVERIFY(!QFile::exists(userPackage));
        const QByteArray mimeApps = fileBytes(config + "/mimeapps.list");
        QVERIFY(mimeApps.contains("\napplication/x-tarvik=tarvik.desktop\n"));
        QVERIFY(mimeApps.contains("\napplication/x-tarvik-template=tarvik.desktop\n"));

        // an entry changed by hand (a menu editor hiding it) is the user's
        XdgFileTypes::Register("tvk", "/home/u/src/build/tarvik", "Tarvik file");
        QFile edit(userEntry);
        QVERIFY(edit.open(QIODevice::Append));
        edit.write("NoDisplay=true\n");
        edit.close();
        const QByteArray edited = fileBytes(userEntry);
        XdgFileTypes::Register("tvk", installed, "Tarvik file");
        QCOMPARE(fileBytes(userEntry), edited);

        // installed into the per-user folders themselves (--prefix ~/.local),
        // where a build's registration rewrote the installed files: they are
        // the only entry and package there, and stay
        const QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
        auto restore = qScopeGuard([savedDataHome] { qputenv("XDG_DATA_HOME", savedDataHome); });
        qputenv("XDG_DATA_HOME", QFile::encodeName(share));
        XdgFileTypes::Register("tvk", "/home/u/src/build/tarvik", "Tarvik file");
        XdgFileTypes::Register("tvk", installed, "Tarvik file");
        QVERIFY(QFile::exists(desktopFile));
        QVERIFY(QFile::exists(share + "/mime/packages/tarvik.xml"));
    }
};

TARVIK_TEST_MAIN(TestInstall)
#include "test_install.moc"
