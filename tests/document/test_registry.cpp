// The settings store over a real settings file in a temporary XDG folder:
// defaults stored on first read, typed values, the error paths, custom
// colours and the desktop file types.

#include "TVKRegistry.h"
#include "TarvikError.h"
#include "VelMeasureRoutines.h"
#include "XdgFileTypes.h"
#include "uCustomColors.h"

#include "TestSupport.h"

#include <QMimeDatabase>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace TVKRegistry;

namespace {

QSettings *rawStore()
{
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Renvald"),
                         QStringLiteral("Tarvik"));
}

QVariant raw(const QString &key)
{
    std::unique_ptr<QSettings> s(rawStore());
    return s->value(key);
}

void setRaw(const QString &key, const QString &value)
{
    std::unique_ptr<QSettings> s(rawStore());
    s->setValue(key, value);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFileBytes(const QString &path, const QByteArray &b)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(b);
}

QString dataHome() { return qEnvironmentVariable("XDG_DATA_HOME"); }
QString configHome() { return qEnvironmentVariable("XDG_CONFIG_HOME"); }

// Expects `action` to throw ETarvikError with exactly `message`.
void expectError(const std::function<void()> &action, const QString &message)
{
    try {
        action();
    } catch (const ETarvikError &e) {
        QCOMPARE(e.message(), message);
        QCOMPARE(QString::fromStdString(e.what()), message);
        return;
    }
    QFAIL(qPrintable(QStringLiteral("no error, expected: ") + message));
}

} // namespace

class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // every case starts from an empty program key and empty XDG folders
        std::unique_ptr<QSettings> s(rawStore());
        s->clear();
        s->sync();
        QDir(dataHome()).removeRecursively();
        QDir().mkpath(dataHome());
        QFile::remove(configHome() + "/mimeapps.list");
    }

    void storeLivesInTheUsersConfigFolder()
    {
        QCOMPARE(SettingsFilePath(), configHome() + "/Renvald/Tarvik.conf");
        QCOMPARE(CustomColorsIniPath(), configHome() + "/Renvald/Tarvik.ini");
    }

    void firstStartStoresTheDefaults()
    {
        FirstRunSetup();
        QCOMPARE(ReadPreference(prDefaultUdm), QStringLiteral("Inches"));
        QCOMPARE(ReadPreference(prArtistBeforeTitle), QStringLiteral("True"));
        const char *labels[] = {"RoundLabel", "InnerCircle", "NumberPerPage", "XMargin0", "YMargin0",
                                "XMargin1",   "YMargin1",    "XMargin2",      "YMargin2"};
        for (const char *name : labels)
            ReadLabelSetting(QLatin1String(name));
        ReadLabelSetting(QStringLiteral("XPrinterMargin"));
        ReadLabelSetting(QStringLiteral("YPrinterMargin"));

        QCOMPARE(raw("Preferences/NewInstall").toString(), QStringLiteral("False"));
        QCOMPARE(raw("Preferences/DefaultUdm").toString(), QStringLiteral("Inches"));
        QCOMPARE(raw("Preferences/ArtistBeforeTitle").toString(), QStringLiteral("True"));
        for (const char *name : labels)
            QVERIFY2(raw(QStringLiteral("Preferences/RoundLabel/") + name).isValid(), name);
        QCOMPARE(raw("Preferences/XPrinterMargin").toDouble(), 0.2);
        QCOMPARE(raw("Preferences/YPrinterMargin").toDouble(), 0.5);
        QVERIFY(!raw("Preferences/RoundLabel/XPrinterMargin").isValid());
        QCOMPARE(raw("Preferences/RoundLabel/NumberPerPage").toDouble(), 2.0);
        QCOMPARE(float(raw("Preferences/RoundLabel/YMargin1").toDouble()), 16.3f / 2.54f);
        QCOMPARE(raw("Preferences/RoundLabel/XMargin2").toDouble(), 0.0);
    }

    void labelSettingDefaultIsStoredOnce()
    {
        const double d = ReadLabelSetting(QStringLiteral("RoundLabel"));
        QCOMPARE(float(d), VelMeasureRoutines::CmToInches(11.5f));
        QVERIFY(qAbs(d - 4.527559) < 1e-6);
        QCOMPARE(raw("Preferences/RoundLabel/RoundLabel").toDouble(), d);

        // a stored value wins, with all its digits
        WriteLabelSetting(QStringLiteral("RoundLabel"), 4.123456789012345);
        QCOMPARE(ReadLabelSetting(QStringLiteral("RoundLabel")), 4.123456789012345);

        // a name without a default gives 0 and stores nothing
        QCOMPARE(ReadLabelSetting(QStringLiteral("NoSuchValue")), 0.0);
        QVERIFY(!raw("Preferences/RoundLabel/NoSuchValue").isValid());
    }

    void preferenceDefaults_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        const QString home = QDir::homePath() + "/";
        QTest::newRow("0") << 0 << "CDDBFolder" << QString();
        QTest::newRow("1") << 1 << "FileOpenDir" << home;
        QTest::newRow("2") << 2 << "FileSaveDir" << home;
        QTest::newRow("3") << 3 << "ImageOpenDir" << home;
        QTest::newRow("4") << 4 << "DefaultUdm" << "Inches";
        QTest::newRow("5") << 5 << "NewInstall" << "True";
        QTest::newRow("6") << 6 << "ArtistBeforeTitle" << "True";
        QTest::newRow("7") << 7 << "PrintCuttingGuides" << "0";
        QTest::newRow("8") << 8 << "PrintSeparationLines" << "1";
        QTest::newRow("9") << 9 << "PrintPortrait" << "0";
    }

    void preferenceDefaults()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, value);
        QCOMPARE(PreferenceName(index), name);
        QVERIFY(!raw("Preferences/" + name).isValid());
        QCOMPARE(ReadPreference(index), value);
        QVERIFY(raw("Preferences/" + name).isValid());
        QCOMPARE(raw("Preferences/" + name).toString(), value);

        WritePreference(index, QStringLiteral("stored, with a comma"));
        QCOMPARE(ReadPreference(index), QStringLiteral("stored, with a comma"));
    }

    void preferenceIndexOutOfRange()
    {
        QCOMPARE(PreferenceName(-1), QString());
        QCOMPARE(PreferenceName(10), QString());
        QCOMPARE(ReadPreference(10), QString());
        WritePreference(10, QStringLiteral("x"));
        std::unique_ptr<QSettings> s(rawStore());
        QVERIFY(s->allKeys().isEmpty());
    }

    void freeDBValues()
    {
        // absent: the caller's default, nothing stored
        QCOMPARE(ReadRegInteger(QString(), FreeDBKey, QStringLiteral("Port"), DefaultCDDBPort), 8880);
        QCOMPARE(ReadRegString(QString(), FreeDBKey, QStringLiteral("Server"), DefaultCDDBServer),
                 QStringLiteral("gnudb.gnudb.org"));
        QCOMPARE(ReadRegBool(QString(), FreeDBKey, QStringLiteral("AutoSave"), DefaultCDDBAutoSave), true);
        QVERIFY(!raw("FreeDB/Port").isValid());
        QVERIFY(!raw("FreeDB/Server").isValid());
        QVERIFY(!raw("FreeDB/AutoSave").isValid());

        WriteRegInteger(QString(), FreeDBKey, QStringLiteral("Port"), 888);
        WriteRegString(QString(), FreeDBKey, QStringLiteral("UserName"), QStringLiteral("me@example.org"));
        WriteRegBool(QString(), FreeDBKey, QStringLiteral("AutoSave"), false);
        QCOMPARE(ReadRegInteger(QString(), FreeDBKey, QStringLiteral("Port"), 8880), 888);
        QCOMPARE(ReadRegString(QString(), FreeDBKey, QStringLiteral("UserName"), QString()),
                 QStringLiteral("me@example.org"));
        QCOMPARE(ReadRegBool(QString(), FreeDBKey, QStringLiteral("AutoSave"), true), false);
        QCOMPARE(raw("FreeDB/Port").toInt(), 888);

        // the program's key named in full is the same place
        QCOMPARE(ReadRegInteger(QStringLiteral("\\Software\\Renvald\\Tarvik\\"), QStringLiteral("FreeDB"),
                                QStringLiteral("Port"), 1),
                 888);
        WriteRegString(QString(), QStringLiteral("Preferences\\Styles\\4"), QStringLiteral("Name"),
                       QStringLiteral("x"));
        QCOMPARE(raw("Preferences/Styles/4/Name").toString(), QStringLiteral("x"));
    }

    void booleansInOtherSpellings_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("value");
        QTest::newRow("true") << "true" << true;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
    }

    void booleansInOtherSpellings()
    {
        QFETCH(QString, stored);
        QFETCH(bool, value);
        setRaw("FreeDB/AutoSave", stored);
        QCOMPARE(ReadRegBool(QString(), FreeDBKey, QStringLiteral("AutoSave"), !value), value);
    }

    // A value of the wrong type gives the reader's default, stays in the
    // file as it was, and is named in the one report with the file.
    void invalidDataType_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("reader"); // 0 label, 1 integer, 2 boolean, 3 preference
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        const QString roundLabel = QString::number(double(VelMeasureRoutines::CmToInches(11.5f)));
        QTest::newRow("label text") << "Preferences/RoundLabel/RoundLabel" << "abc" << 0 << roundLabel
                                    << "Invalid data type for 'RoundLabel'";
        QTest::newRow("printer offset text") << "Preferences/XPrinterMargin" << "0,2" << 0 << "0.2"
                                             << "Invalid data type for 'XPrinterMargin'";
        QTest::newRow("label nan") << "Preferences/RoundLabel/InnerCircle" << "nan" << 0
                                   << QString::number(double(VelMeasureRoutines::CmToInches(4.5f)))
                                   << "Invalid data type for 'InnerCircle'";
        QTest::newRow("label inf") << "Preferences/RoundLabel/XMargin0" << "inf" << 0
                                   << QString::number(double(VelMeasureRoutines::CmToInches(4.8f)))
                                   << "Invalid data type for 'XMargin0'";
        QTest::newRow("port text") << "FreeDB/Port" << "abc" << 1 << "8880" << "Invalid data type for 'Port'";
        QTest::newRow("port fraction") << "FreeDB/Port" << "88.5" << 1 << "8880" << "Invalid data type for 'Port'";
        QTest::newRow("port too big") << "FreeDB/Port" << "99999999999" << 1 << "8880"
                                      << "Invalid data type for 'Port'";
        QTest::newRow("boolean text") << "FreeDB/AutoSave" << "maybe" << 2 << "true"
                                      << "Invalid data type for 'AutoSave'";
        QTest::newRow("preference of another type") << "Preferences/ArtistBeforeTitle" << "@Rect(1 2 3 4)" << 3
                                                    << "True" << "Invalid data type for 'ArtistBeforeTitle'";
    }

    void invalidDataType()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(int, reader);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        ForgetSettingsProblems();
        writeFileBytes(SettingsFilePath(), QStringLiteral("[%1]\n%2=%3\n")
                                               .arg(key.section('/', 0, -2), key.section('/', -1), stored)
                                               .toUtf8());
        const QString name = key.section('/', -1);
        QString got;
        if (reader == 0)
            got = QString::number(ReadLabelSetting(name));
        else if (reader == 1)
            got = QString::number(ReadRegInteger(QString(), FreeDBKey, name, DefaultCDDBPort));
        else if (reader == 2)
            got = ReadRegBool(QString(), FreeDBKey, name, true) ? "true" : "false";
        else
            got = ReadPreference(prArtistBeforeTitle);
        QCOMPARE(got, expected);
        const QString report = TakeSettingsReport();
        QVERIFY2(report.contains(message) && report.contains(SettingsFilePath()), qPrintable(report));
        QCOMPARE(TakeSettingsReport(), QString());
        // the bad value is left as it was
        QVERIFY(fileBytes(SettingsFilePath()).contains((name + '=' + stored).toUtf8()));
    }

    // Lengths far outside their range are read as the nearest sane one.
    void labelSettingRanges_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("expected");
        using VelMeasureRoutines::CmToInches;
        QTest::newRow("diameter of 25 km") << "RoundLabel" << "1e9" << double(CmToInches(30.0f));
        QTest::newRow("negative diameter") << "RoundLabel" << "-5" << double(CmToInches(1.0f));
        QTest::newRow("no diameter") << "RoundLabel" << "0" << double(CmToInches(1.0f));
        QTest::newRow("diameter in range") << "RoundLabel" << "5" << 5.0;
        QTest::newRow("huge hole") << "InnerCircle" << "1e9" << double(CmToInches(30.0f));
        QTest::newRow("no hole") << "InnerCircle" << "0" << 0.0;
        QTest::newRow("seven labels a sheet") << "NumberPerPage" << "7" << 3.0;
        QTest::newRow("no labels a sheet") << "NumberPerPage" << "0" << 1.0;
        QTest::newRow("offset before the sheet") << "XMargin0" << "-1" << 0.0;
        QTest::newRow("offset far beyond the sheet") << "YMargin2" << "1e30" << MaxSheetInches;
        QTest::newRow("printer offset beyond the sheet") << "XPrinterMargin" << "1e9" << MaxSheetInches;
    }
    void labelSettingRanges()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(double, expected);
        ForgetSettingsProblems();
        const QString group = name.endsWith("PrinterMargin") ? "Preferences" : "Preferences/RoundLabel";
        writeFileBytes(SettingsFilePath(), QStringLiteral("[%1]\n%2=%3\n").arg(group, name, stored).toUtf8());
        QCOMPARE(ReadLabelSetting(name), expected);
        const QString report = TakeSettingsReport();
        if (stored.toDouble() == expected) {
            QCOMPARE(report, QString());
        } else {
            QVERIFY2(report.contains(QStringLiteral("'%1' = %2 lies outside").arg(name, QString::number(stored.toDouble())))
                         && report.contains(SettingsFilePath()),
                     qPrintable(report));
        }
        QCOMPARE(raw(group + '/' + name).toString(), stored);
    }

    // A settings file that cannot be written: the program goes on, every
    // write is refused quietly, and the report says so once, naming the file.
    void writeFailure()
    {
        // The settings folder lies below a regular file, so no file can be
        // made there, not even by root.
        QTemporaryDir tmp;
        const QString blocker = tmp.path() + "/blocker";
        writeFileBytes(blocker, "not a folder");
        const QByteArray home = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker));
        auto restore = qScopeGuard([home] { qputenv("XDG_CONFIG_HOME", home); });
        ForgetSettingsProblems();

        WritePreference(prDefaultUdm, QStringLiteral("Cm"));
        WriteLabelSetting(QStringLiteral("YMargin2"), 1.0);
        WriteRegInteger(QString(), FreeDBKey, QStringLiteral("Port"), 1);
        // reading a preference stores its default; that it cannot changes nothing
        QCOMPARE(ReadPreference(prFileOpenDir), QDir::homePath() + "/");
        QCOMPARE(ReadRegBool(QString(), FreeDBKey, QStringLiteral("AutoSave"), true), true);
        const QString report = TakeSettingsReport();
        QVERIFY2(report.startsWith(QStringLiteral("The settings file \"%1\" cannot be written").arg(SettingsFilePath()))
                     && report.contains("will not be kept"),
                 qPrintable(report));
        // told once
        WritePreference(prDefaultUdm, QStringLiteral("Inches"));
        QCOMPARE(TakeSettingsReport(), QString());
        QVERIFY(QFileInfo(blocker).isFile());
    }

    // A settings file that is no regular file of the user's own, or far too
    // large, is neither read nor written: the defaults hold, the thing at the
    // file's place stays as it was, and the report names the file once.
    void unusableSettingsFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pipe") << "pipe" << "it is not a regular file";
        QTest::newRow("folder") << "folder" << "it is a folder";
        QTest::newRow("link to a pipe") << "link-pipe" << "it is not a regular file";
        QTest::newRow("link to a folder") << "link-folder" << "it is a folder";
        QTest::newRow("link to nothing") << "link-nothing" << "a symbolic link to nothing";
        QTest::newRow("link out of its folder") << "link-out" << "a file outside its folder";
        QTest::newRow("link beside it") << "link-beside" << "";
        QTest::newRow("2 MB") << "large" << "larger than 1048576 bytes";
    }
    void unusableSettingsFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString conf = SettingsFilePath();
        QTemporaryDir tmp;
        const QString target = tmp.filePath("target");
        QFile::remove(conf);
        auto cleanup = qScopeGuard([conf] {
            QFile::remove(conf);
            QDir(conf).removeRecursively();
            ForgetSettingsProblems();
        });
        QByteArray largeBytes;
        if (kind == "pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(conf).constData(), 0600), 0);
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(conf));
        } else if (kind == "link-pipe") {
            QCOMPARE(::mkfifo(QFile::encodeName(target).constData(), 0600), 0);
            QVERIFY(QFile::link(target, conf));
        } else if (kind == "link-folder") {
            QVERIFY(QDir().mkpath(target));
            QVERIFY(QFile::link(target, conf));
        } else if (kind == "link-nothing") {
            QVERIFY(QFile::link(target, conf));
        } else if (kind == "link-out") {
            writeFileBytes(target, "[Preferences]\nDefaultUdm=Cm\n");
            QVERIFY(QFile::link(target, conf));
        } else if (kind == "link-beside") {
            // a link to a file in the same folder is the file itself
            writeFileBytes(conf + ".real", "[Preferences]\nDefaultUdm=Cm\n");
            QVERIFY(QFile::link(conf + ".real", conf));
        } else {
            // a value the program would see if it read the file, lost in padding
            largeBytes = "[Preferences]\nDefaultUdm=Cm\n" + QByteArray(2 << 20, '\n');
            writeFileBytes(conf, largeBytes);
        }
        const QFileInfo before(conf);
        ForgetSettingsProblems();
        if (reason.isEmpty()) {
            QCOMPARE(ReadPreference(prDefaultUdm), QStringLiteral("Cm"));
            WritePreference(prDefaultUdm, QStringLiteral("Inches"));
            QVERIFY(QFileInfo(conf).isSymLink());
            QVERIFY(fileBytes(conf + ".real").contains("DefaultUdm=Inches"));
            QCOMPARE(TakeSettingsReport(), QString());
            QFile::remove(conf + ".real");
            return;
        }

        QCOMPARE(ReadPreference(prDefaultUdm), QStringLiteral("Inches"));
        WritePreference(prDefaultUdm, QStringLiteral("Cm"));
        QCOMPARE(ReadPreference(prDefaultUdm), QStringLiteral("Inches"));
        QCOMPARE(ReadLabelSetting(QStringLiteral("RoundLabel")), double(VelMeasureRoutines::CmToInches(11.5f)));
        QCOMPARE(ReadRegInteger(QString(), FreeDBKey, QStringLiteral("Port"), DefaultCDDBPort), DefaultCDDBPort);
        FirstRunSetup();

        const QString report = TakeSettingsReport();
        QVERIFY2(report.startsWith(QStringLiteral("The settings file \"%1\" cannot be used: ").arg(conf))
                     && report.contains(reason) && report.contains("will not be kept"),
                 qPrintable(report));
        WritePreference(prDefaultUdm, QStringLiteral("Cm"));
        QCOMPARE(TakeSettingsReport(), QString());

        // what lies at the file's place is as it was
        const QFileInfo after(conf);
        QCOMPARE(after.isSymLink(), before.isSymLink());
        QCOMPARE(after.isDir(), before.isDir());
        QCOMPARE(after.isFile(), before.isFile());
        if (kind == "large")
            QCOMPARE(fileBytes(conf).size(), largeBytes.size());
        if (kind == "link-nothing")
            QVERIFY(!QFileInfo::exists(target));
        if (kind == "link-out")
            QCOMPARE(fileBytes(target), QByteArray("[Preferences]\nDefaultUdm=Cm\n"));
        if (kind == "pipe") {
            // the colours beside the settings take the same care
            const QString ini = CustomColorsIniPath();
            QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
            QCOMPARE(LoadCustomColors(ini), QList<TColor>(16, clWhite));
            QVERIFY(!SaveCustomColors(ini, QList<TColor>(16, clBlack)));
            QVERIFY(!QFileInfo(ini).isFile());
            QFile::remove(ini);
        }
    }

    void damagedSettingsFileStillTakesWrites()
    {
        // an unterminated group header makes the file's status a format error
        writeFileBytes(SettingsFilePath(), "[Preferences\nDefaultUdm=Cm\n");
        WritePreference(prDefaultUdm, QStringLiteral("Inches"));
        QCOMPARE(ReadPreference(prDefaultUdm), QStringLiteral("Inches"));
    }

    void customColors()
    {
        const QString ini = CustomColorsIniPath();
        QFile::remove(ini);
        // no file: sixteen white entries, as the colour dialog has them
        QCOMPARE(LoadCustomColors(ini), QList<TColor>(16, clWhite));

        QList<TColor> colors;
        for (int i = 0; i < 16; ++i)
            colors.append(TColor(0x010203 * i));
        colors[1] = 0x0000FF; // red
        colors[2] = TColor(0xFF00FF00); // bits above the colour are not stored
        QVERIFY(SaveCustomColors(ini, colors));

        const QString text = QString::fromUtf8(fileBytes(ini));
        QVERIFY(text.startsWith("[CustomColors]\n"));
        QVERIFY(text.contains("ColorA=000000\n"));
        QVERIFY(text.contains("ColorB=0000ff\n"));
        QVERIFY(text.contains("ColorC=00ff00\n"));
        QVERIFY(text.contains("ColorP=" + QString::number(0x010203 * 15, 16).rightJustified(6, '0') + "\n"));
        QCOMPARE(text.count('\n'), 17);

        colors[2] = 0x00FF00;
        QCOMPARE(LoadCustomColors(ini), colors);
    }

    void damagedCustomColors()
    {
        const QString ini = CustomColorsIniPath();
        writeFileBytes(ini, "[CustomColors]\nColorA=zzzzzz\nColorB=1234567\nColorC=-1\nColorD=00ff80\n"
                            "ColorE=\n[Other]\nColorF=000000\n");
        QList<TColor> expected(16, clWhite);
        expected[3] = 0x00FF80;
        QCOMPARE(LoadCustomColors(ini), expected);

        QTemporaryDir tmp;
        writeFileBytes(tmp.path() + "/file", "x");
        QVERIFY(!SaveCustomColors(tmp.path() + "/file/Tarvik.ini", expected));
    }

    void fileTypes()
    {
        // another program's defaults and sections stay in mimeapps.list
        const QString mimeApps = configHome() + "/mimeapps.list";
        writeFileBytes(mimeApps, "[Added Associations]\ntext/plain=editor.desktop;\n\n"
                                 "[Default Applications]\nimage/png=viewer.desktop\n"
                                 "application/x-tarvik=old.desktop\n");
        const QString program = QStringLiteral("/opt/My Apps/tarvik");
        RegisterFileType(QStringLiteral("tvk"), program, 2, QStringLiteral("Tarvik file"));
        RegisterFileType(QStringLiteral("tvt"), program, 1, QStringLiteral("Tarvik template"));

        const QString package = dataHome() + "/mime/packages/tarvik.xml";
        const QString desktop = dataHome() + "/applications/tarvik.desktop";
        const QByteArray xml = fileBytes(package);
        QVERIFY(xml.contains("<mime-type type=\"application/x-tarvik\">"));
        QVERIFY(xml.contains("<comment>Tarvik file</comment>"));
        QVERIFY(xml.contains("<glob pattern=\"*.tvk\"/>"));
        QVERIFY(xml.contains("<mime-type type=\"application/x-tarvik-template\">"));
        QVERIFY(xml.contains("<comment>Tarvik template</comment>"));
        QVERIFY(xml.contains("<glob pattern=\"*.tvt\"/>"));
        QVERIFY(xml.contains("xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\""));

        const QByteArray entry = fileBytes(desktop);
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\nExec=\"/opt/My Apps/tarvik\" %f\n"));
        QVERIFY(entry.contains("\nIcon=tarvik\n"));
        QVERIFY(entry.contains("\nMimeType=application/x-tarvik;application/x-tarvik-template;\n"));

        QCOMPARE(fileBytes(mimeApps), QByteArray("[Added Associations]\ntext/plain=editor.desktop;\n\n"
                                                 "[Default Applications]\nimage/png=viewer.desktop\n"
                                                 "application/x-tarvik=tarvik.desktop\n"
                                                 "application/x-tarvik-template=tarvik.desktop\n"));

        // associating again (as "Reassociate file types" does) gives the same files
        const QByteArray before = xml + entry + fileBytes(mimeApps);
        RegisterFileType(QStringLiteral("tvk"), program, 2, QStringLiteral("Tarvik file"));
        RegisterFileType(QStringLiteral("tvt"), program, 1, QStringLiteral("Tarvik template"));
        QCOMPARE(fileBytes(package) + fileBytes(desktop) + fileBytes(mimeApps), before);

        // a program asking the desktop's database sees the types
        const QMimeDatabase mimeDb;
        QCOMPARE(mimeDb.mimeTypeForFile("cover.tvk", QMimeDatabase::MatchExtension).name(),
                 QStringLiteral("application/x-tarvik"));
        QCOMPARE(mimeDb.mimeTypeForFile("cover.tvt", QMimeDatabase::MatchExtension).comment(),
                 QStringLiteral("Tarvik template"));
        if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
            const QByteArray globs = fileBytes(dataHome() + "/mime/globs2");
            QVERIFY(globs.contains("application/x-tarvik:*.tvk"));
            QVERIFY(globs.contains("application/x-tarvik-template:*.tvt"));
        }
    }

    void desktopExecQuoting_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/tarvik" << "\"/usr/bin/tarvik\" %f";
        QTest::newRow("quote and dollar") << "/a\"b/$x" << "\"/a\\\\\"b/\\\\$x\" %f";
        QTest::newRow("percent") << "/100%/tarvik" << "\"/100%%/tarvik\" %f";
        QTest::newRow("backslash") << "/a\\b" << "\"/a\\\\\\\\b\" %f";
    }

    void desktopExecQuoting()
    {
        QFETCH(QString, path);
        QFETCH(QString, exec);
        QCOMPARE(XdgFileTypes::DesktopExec(path), exec);
    }

    void mimeAppsListWithoutTheSection()
    {
        QCOMPARE(XdgFileTypes::SetDefaultApplication(QString(), "application/x-tarvik", "tarvik.desktop"),
                 QStringLiteral("[Default Applications]\napplication/x-tarvik=tarvik.desktop\n"));
        QCOMPARE(XdgFileTypes::SetDefaultApplication("[Added Associations]\na/b=c.desktop;",
                                                     "application/x-tarvik", "tarvik.desktop"),
                 QStringLiteral("[Added Associations]\na/b=c.desktop;\n\n"
                                "[Default Applications]\napplication/x-tarvik=tarvik.desktop\n"));
        // a later section stays after the new entry
        QCOMPARE(XdgFileTypes::SetDefaultApplication("[Default Applications]\na/b=c.desktop\n\n[Other]\nx=y\n",
                                                     "application/x-tarvik", "tarvik.desktop"),
                 QStringLiteral("[Default Applications]\na/b=c.desktop\napplication/x-tarvik=tarvik.desktop\n\n"
                                "[Other]\nx=y\n"));
    }

    void firstRunSetupAssociatesOnce()
    {
        const QString desktop = dataHome() + "/applications/tarvik.desktop";
        FirstRunSetup();
        QVERIFY(QFile::exists(desktop));
        QVERIFY(fileBytes(desktop).contains(
            XdgFileTypes::DesktopExec(QCoreApplication::applicationFilePath()).toUtf8()));
        QCOMPARE(raw("Preferences/NewInstall").toString(), QStringLiteral("False"));

        QFile::remove(desktop);
        FirstRunSetup();
        QVERIFY(!QFile::exists(desktop));

        // only the exact text "True" counts as a new installation
        setRaw("Preferences/NewInstall", "true");
        FirstRunSetup();
        QVERIFY(!QFile::exists(desktop));
        setRaw("Preferences/NewInstall", "True");
        FirstRunSetup();
        QVERIFY(QFile::exists(desktop));
    }

    void fileTypesThatCannotBeWritten()
    {
        QTemporaryDir tmp;
        writeFileBytes(tmp.path() + "/file", "x");
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(tmp.path() + "/file/data"));
        auto restore = qScopeGuard([saved] { qputenv("XDG_DATA_HOME", saved); });
        expectError([] { AssociateFileTypes(); },
                    "Failed to set data for '" + tmp.path() + "/file/data/mime/packages/tarvik.xml'");
    }
};

TARVIK_TEST_MAIN(TestRegistry)
#include "test_registry.moc"
