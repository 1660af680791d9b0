// Language modules built from .ts files by lrelease and rcc: their texts by
// id, the 255-character cut, the version check and its one message, broken
// and hostile module files, the character-set names, style names and unit
// words from the module in use, and the flag picture.

#include "DefaultStyles.h"
#include "LanguageModule.h"
#include "LanguageModuleBuilder.h"
#include "TestSupport.h"
#include "uResource.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtEndian>

namespace {

using LanguageModuleBuilder::build;

QByteArray pngOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

void putU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToBigEndian(value, bytes.data() + at);
}

// Where the block `tag` of the strings.qm stored unpacked inside `module`
// starts (its tag byte), or -1.
qsizetype qmBlock(const QByteArray &module, quint8 tag)
{
    const QByteArray magic = QByteArray::fromHex("3CB86418CAEF9C95CD211CBF60A1BDDD");
    qsizetype p = module.indexOf(magic);
    if (p < 0)
        return -1;
    for (p += magic.size(); p + 5 <= module.size(); p += 5 + qFromBigEndian<quint32>(module.constData() + p + 1)) {
        if (quint8(module[p]) == tag)
            return p;
    }
    return -1;
}

// Records the loader's messages.
struct TMessages
{
    QStringList shown;
    TLanguageMessage handler()
    {
        return [this](const QString &text) { shown.append(text); };
    }
};

} // namespace

class TestLanguageModule : public QObject
{
    Q_OBJECT

    QTemporaryDir FDir;
    QString FItalian; // a module with a few texts and a flag
    QByteArray FItalianBytes; // the same, unpacked

private slots:
    void initTestCase()
    {
        QImage flag(4, 3, QImage::Format_RGB32);
        flag.fill(QColor(0, 146, 70));
        flag.setPixel(3, 2, qRgb(206, 43, 55));
        const QString cut254 = QString(254, 'c') + QStringLiteral("\U0001F600"); // 256 units
        const QString whole255 = QString(253, 'd') + QStringLiteral("\U0001F600"); // 255 units
        const QMap<int, QString> texts{{105, "&Nuovo"},
                                       {415, "&Centro"},
                                       {3710, "Al &centro"},
                                       {2600, QStringLiteral("Premi F1 — Нажмите F1 ✓")},
                                       {6130, "pollici"},
                                       {1570, "Titolo del CD"},
                                       {1580, "Autore del CD"},
                                       {2700, QString(300, 'a')},
                                       {2705, QString(255, 'b')},
                                       {2710, cut254},
                                       {2715, whole255}};
        // packed, and the same unpacked, which tests damage
        FItalian = build(FDir.filePath("it"), LanguageModuleBuilder::finished(texts), pngOf(flag),
                         {"--compress-algo", "zlib", "--threshold", "0"});
        QVERIFY(!FItalian.isEmpty());
        FItalianBytes = readAll(build(FDir.filePath("it-plain"), LanguageModuleBuilder::finished(texts), pngOf(flag),
                                      {"--no-compress"}));
        QVERIFY(!FItalianBytes.isEmpty());
    }

    void textsByIdFromTheModule()
    {
        TMessages messages;
        TLanguageLoader loader(messages.handler());
        const std::unique_ptr<TLanguageModule> it = loader.Open(FItalian);
        QVERIFY(it);
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(LoadLanguageString(it.get(), 105), QStringLiteral("&Nuovo"));
        QCOMPARE(LoadLanguageString(it.get(), 2600), QStringLiteral("Premi F1 — Нажмите F1 ✓"));
        // the same English text under two ids: the id tells them apart
        QCOMPARE(LoadLanguageString(it.get(), 415), QStringLiteral("&Centro"));
        QCOMPARE(LoadLanguageString(it.get(), 3710), QStringLiteral("Al &centro"));
        // an id the module lacks gives an empty text, not the English one
        QCOMPARE(LoadLanguageString(it.get(), 110), QString());
        QCOMPARE(LoadLanguageString(it.get(), 99999), QString());
        // without a module: the English table
        QCOMPARE(LoadLanguageString(nullptr, 105), QStringLiteral("&New"));
        QCOMPARE(LoadLanguageString(nullptr, 110), QStringLiteral("&Open..."));
    }

    void textsAreCutTo255Characters_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("300 characters") << 2700 << QString(255, 'a');
        QTest::newRow("exactly 255") << 2705 << QString(255, 'b');
        // a character of two UTF-16 units across the cut is dropped whole
        QTest::newRow("pair across the cut") << 2710 << QString(254, 'c');
        QTest::newRow("pair ending at 255") << 2715 << QString(253, 'd') + QStringLiteral("\U0001F600");
    }
    void textsAreCutTo255Characters()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        const std::unique_ptr<TLanguageModule> it = TLanguageModule::Load(FItalian);
        QVERIFY(it);
        QCOMPARE(it->Text(id), text);
    }

    void versionCheck_data()
    {
        QTest::addColumn<bool>("hasVersion");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("1.14") << true << "1.14" << true;
        QTest::newRow("1.13") << true << "1.13" << false;
        QTest::newRow("trailing space") << true << "1.14 " << false;
        QTest::newRow("no version") << false << "" << false;
    }
    void versionCheck()
    {
        QFETCH(bool, hasVersion);
        QFETCH(QString, version);
        QFETCH(bool, accepted);
        TTsTranslations texts = LanguageModuleBuilder::finished({{105, "&Nuovo"}});
        // without id 1 the skeleton's version would be filled in: give it empty
        texts.insert(1, {QString(), hasVersion ? version : QString(), true});
        const QString path = build(FDir.filePath("version-" + QString(QTest::currentDataTag())), texts);
        QVERIFY(!path.isEmpty());

        TMessages messages;
        TLanguageLoader loader(messages.handler());
        for (int attempt = 0; attempt < 3; ++attempt) {
            const std::unique_ptr<TLanguageModule> module = loader.Open(path);
            QCOMPARE(bool(module), accepted);
            QCOMPARE(LoadLanguageString(module.get(), 105), accepted ? "&Nuovo" : "&New");
        }
        // the message comes once, however often the module is opened
        if (accepted) {
            QVERIFY(messages.shown.isEmpty());
        } else {
            QCOMPARE(messages.shown,
                     QStringList{"Sorry, the language module version is not correct. To get an updated version "
                                 "language module connect to the Tarvik website (see Help for details). The "
                                 "English language will be loaded."});
        }
    }

    void noModuleFileIsEnglishSilently()
    {
        TMessages messages;
        TLanguageLoader loader(messages.handler());
        QVERIFY(!loader.Open(QString()));
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(!loader.WarningShown());
    }

    void brokenModuleFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        const QByteArray good = FItalianBytes;
        const quint32 version = qFromBigEndian<quint32>(good.constData() + 4);
        const qsizetype tree = qFromBigEndian<quint32>(good.constData() + 8);
        const qsizetype nodeSize = version >= 2 ? 22 : 14;
        QVERIFY(version >= 1 && version <= 3);

        QTest::newRow("empty") << QByteArray() << "the file is empty";
        QTest::newRow("text") << QByteArray("This is not a language module.\n") << "it is not a resource file";
        QTest::newRow("header only") << good.first(24) << "the file is cut short";
        QTest::newRow("cut in half") << good.first(good.size() / 2) << "the file is cut short";
        QTest::newRow("last byte missing") << good.first(good.size() - 1) << "the file is cut short";
        QByteArray b = good;
        putU32(b, 4, 9);
        QTest::newRow("unknown format") << b << "its resource format is unknown";
        b = good;
        putU32(b, tree + 6, 0xFFFFFFFF); // the root lists four billion children
        QTest::newRow("hostile child count") << b << "its table of contents is damaged";
        b = good;
        putU32(b, tree + 10, 0); // the root is its own child
        QTest::newRow("loop") << b << "its table of contents is damaged";
        // node 1 is the TarvikLan folder, its children are files
        b = good;
        putU32(b, tree + 2 * nodeSize + 10, 0x7FFFFF00);
        QTest::newRow("contents beyond the end") << b << "a file's contents lie beyond the end";
        b = good;
        putU32(b, tree + 2 * nodeSize, 0x7FFFFF00);
        QTest::newRow("name beyond the end") << b << "a file name lies beyond the end";
        b = good;
        qToBigEndian<quint16>(0x01, b.data() + tree + 2 * nodeSize + 4); // zlib-packed...
        const qsizetype data = qFromBigEndian<quint32>(good.constData() + 12)
                               + qFromBigEndian<quint32>(good.constData() + tree + 2 * nodeSize + 10);
        putU32(b, data + 4, 0x7FFFFFFF); // ...to two gigabytes
        QTest::newRow("huge packed size") << b << "a file inside it is too large";

        // damage inside strings.qm
        const qsizetype language = qmBlock(good, 0xa7), hashes = qmBlock(good, 0x42), messages = qmBlock(good, 0x69);
        QVERIFY(language > 0 && hashes > 0 && messages > 0);
        b = good;
        b[language] = char(0x96);
        QTest::newRow("qm naming other files") << b << "its strings.qm needs other translation files";
        b = good;
        putU32(b, hashes + 5 + 4, 0x7FFFFFFF);
        QTest::newRow("qm message beyond its end") << b << "its strings.qm is damaged";
        b = good;
        QCOMPARE(quint8(b[messages + 5]), quint8(3)); // a message starts with its translation
        putU32(b, messages + 5 + 1, 0xFFFFFFF0);
        QTest::newRow("qm translation beyond its end") << b << "its strings.qm is damaged";
        b = good;
        putU32(b, messages + 1, 0x7FFFFFF0);
        QTest::newRow("qm block beyond its end") << b << "its strings.qm is damaged";
    }
    void brokenModuleFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = FDir.filePath("broken.dll");
        writeAll(path, bytes);
        QString error;
        QVERIFY(!TLanguageModule::Load(path, &error));
        QCOMPARE(error, reason);

        TMessages messages;
        TLanguageLoader loader(messages.handler());
        QVERIFY(!loader.Open(path));
        QCOMPARE(messages.shown,
                 QStringList{QStringLiteral("The language module \"%1\" cannot be used: %2. The English language "
                                            "will be loaded.").arg(path, reason)});
    }

    void resourcesThatAreNoModule()
    {
        // sound resources, but without usable texts
        const QDir dir(FDir.filePath("other"));
        QVERIFY(QDir().mkpath(dir.path()));
        writeAll(dir.filePath("strings.qm"), "not a compiled translation");
        writeAll(dir.filePath("flag.png"), pngOf(QImage(2, 2, QImage::Format_RGB32)));
        const QString noQm = dir.filePath("no-strings.dll"), badQm = dir.filePath("bad-strings.dll");
        writeAll(dir.filePath("a.qrc"), "<RCC><qresource prefix=\"/TarvikLan\"><file>flag.png</file></qresource></RCC>");
        writeAll(dir.filePath("b.qrc"), "<RCC><qresource prefix=\"/TarvikLan\"><file>strings.qm</file></qresource></RCC>");
        QVERIFY(LanguageModuleBuilder::run(TARVIK_RCC, {"--binary", dir.filePath("a.qrc"), "-o", noQm}));
        QVERIFY(LanguageModuleBuilder::run(TARVIK_RCC, {"--binary", dir.filePath("b.qrc"), "-o", badQm}));
        QString error;
        QVERIFY(!TLanguageModule::Load(noQm, &error));
        QCOMPARE(error, QStringLiteral("it holds no strings.qm"));
        QVERIFY(!TLanguageModule::Load(badQm, &error));
        QCOMPARE(error, QStringLiteral("its strings.qm is not a translation file"));
        QVERIFY(!TLanguageModule::Load(dir.path(), &error));
        QCOMPARE(error, QStringLiteral("it is not a file"));
    }

    void damagedModulesNeverCrash()
    {
        // Random damage to a real module, mostly in its header, its table of
        // contents (at the end, after the contents) and the start of its
        // compiled texts: every file either loads
        // and answers lookups, or is refused with a reason.
        QRandomGenerator random(15);
        const QString path = FDir.filePath("damaged.dll");
        const qsizetype tree = qFromBigEndian<quint32>(FItalianBytes.constData() + 8);
        // and in the texts' hash table and first messages
        const qsizetype qmStart = qmBlock(FItalianBytes, 0xa7);
        QVERIFY(qmStart > 0 && qmStart + 400 < tree);
        int refused = 0;
        for (int round = 0; round < 600; ++round) {
            QByteArray b = FItalianBytes;
            const int changes = 1 + random.bounded(6);
            for (int i = 0; i < changes; ++i) {
                const int where = random.bounded(4);
                const qsizetype at = where == 0 ? random.bounded(24)
                                   : where == 1 ? tree + random.bounded(int(b.size() - tree))
                                   : where == 2 ? qmStart + random.bounded(400)
                                                : random.bounded(int(b.size()));
                b[at] = char(random.bounded(256));
            }
            if (random.bounded(8) == 0)
                b.truncate(random.bounded(int(b.size())));
            writeAll(path, b);
            QString error;
            const std::unique_ptr<TLanguageModule> module = TLanguageModule::Load(path, &error);
            if (!module) {
                QVERIFY(!error.isEmpty());
                ++refused;
                continue;
            }
            for (int id : {1, 105, 415, 2600, 2700, 6130})
                QVERIFY(module->Text(id).size() <= 255);
            module->Flag();
        }
        QVERIFY(refused > 0);
    }

    void twoModulesAtOnce()
    {
        const QString other = build(FDir.filePath("de"), LanguageModuleBuilder::finished({{105, "&Neu"}}), {},
                                    {"--compress-algo", "zstd", "--threshold", "0"});
        QVERIFY(!other.isEmpty());
        std::unique_ptr<TLanguageModule> it = TLanguageModule::Load(FItalian);
        const std::unique_ptr<TLanguageModule> de = TLanguageModule::Load(other);
        QVERIFY(it && de);
        QVERIFY(it->ResourceRoot() != de->ResourceRoot());
        QCOMPARE(it->Text(105), QStringLiteral("&Nuovo"));
        QCOMPARE(de->Text(105), QStringLiteral("&Neu"));
        it.reset();
        QCOMPARE(de->Text(105), QStringLiteral("&Neu"));
        QVERIFY(de->Flag().isNull());
    }

    void charsetNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("number");
        const std::pair<const char *, int> table[] = {
            {"ANSI_CHARSET", 0},         {"DEFAULT_CHARSET", 1},     {"SYMBOL_CHARSET", 2},
            {"SHIFTJIS_CHARSET", 128},   {"HANGEUL_CHARSET", 129},   {"JOHAB_CHARSET", 130},
            {"GB2312_CHARSET", 134},     {"CHINESEBIG5_CHARSET", 136}, {"GREEK_CHARSET", 161},
            {"TURKISH_CHARSET", 162},    {"VIETNAMESE_CHARSET", 163}, {"HEBREW_CHARSET", 177},
            {"ARABIC_CHARSET", 178},     {"BALTIC_CHARSET", 186},    {"RUSSIAN_CHARSET", 204},
            {"THAI_CHARSET", 222},       {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
            // names are compared exactly; anything else is the default set
            {"russian_charset", 1},      {" RUSSIAN_CHARSET", 1},     {"", 1},
            {"204", 1},
        };
        for (const auto &[name, number] : table)
            QTest::newRow(*name ? name : "(empty)") << QString::fromLatin1(name) << number;
    }
    void charsetNames()
    {
        QFETCH(QString, name);
        QFETCH(int, number);
        QCOMPARE(CharsetNumber(name), number);
    }

    void charsetOfTheModule()
    {
        const QString ru = build(FDir.filePath("ru"), QMap<int, QString>{{10, "RUSSIAN_CHARSET"}});
        const std::unique_ptr<TLanguageModule> module = TLanguageModule::Load(ru);
        QVERIFY(module);
        QCOMPARE(LanguageCharset(module.get()), 204);
        QCOMPARE(LanguageCharset(nullptr), 1);
        // a module without id 10 is the default set too
        const std::unique_ptr<TLanguageModule> it = TLanguageModule::Load(FItalian);
        QCOMPARE(LanguageCharset(it.get()), 1);
    }

    void styleNamesAndUnitWordsFromTheModuleInUse()
    {
        UseLanguageModule(TLanguageModule::Load(FItalian));
        QCOMPARE(StyleName(0), QStringLiteral("Titolo del CD"));
        QCOMPARE(DefaultStyle(1).Name, QStringLiteral("Autore del CD"));
        // a module lacking a style's name keeps the style (an empty name
        // would make it vanish) under its English name
        QCOMPARE(StyleName(2), QStringLiteral("CD Tracks"));
        QCOMPARE(StyleName(7), QString());
        QCOMPARE(Str(StyleNameId(1)), QStringLiteral("Autore del CD"));
        QCOMPARE(UnitWord(true), QStringLiteral("pollici"));
        QCOMPARE(UnitWord(false), QString()); // the module lacks "cm"

        UseLanguageModule(nullptr);
        QCOMPARE(StyleName(0), QStringLiteral("CD Title"));
        QCOMPARE(UnitWord(false), QStringLiteral("cm"));
        QCOMPARE(UnitWord(true), QStringLiteral("inches"));
    }

    void flagPicture()
    {
        const std::unique_ptr<TLanguageModule> it = TLanguageModule::Load(FItalian);
        const QImage flag = LoadLanguageFlag(it.get());
        QCOMPARE(flag.size(), QSize(4, 3));
        QCOMPARE(flag.pixel(3, 2), qRgb(206, 43, 55));
        QVERIFY(LoadLanguageFlag(nullptr).isNull());

        // no flag, a flag that is no picture, a picture far too large
        const QByteArray bad[] = {QByteArray(), QByteArray("GIF89a not a png"),
                                  pngOf(QImage(4000, 2, QImage::Format_Mono))};
        int n = 0;
        for (const QByteArray &png : bad) {
            const QString path = build(FDir.filePath("flag" + QString::number(n++)), QMap<int, QString>{}, png);
            const std::unique_ptr<TLanguageModule> module = TLanguageModule::Load(path);
            QVERIFY(module);
            QVERIFY(LoadLanguageFlag(module.get()).isNull());
        }
    }

    void moduleMadeByTheBuild()
    {
        // tarvik_add_language_module on a small .ts with a flag
        const std::unique_ptr<TLanguageModule> module = TLanguageLoader().Open(TARVIK_TEST_MODULE);
        QVERIFY(module);
        QCOMPARE(module->Text(105), QStringLiteral("&Nuovo"));
        QCOMPARE(module->Text(6130), QStringLiteral("pollici")); // unfinished, still compiled in
        QCOMPARE(module->Text(110), QString());
        QCOMPARE(module->Flag().size(), QSize(3, 2));
    }
};

TARVIK_TEST_MAIN(TestLanguageModule)
#include "test_language_module.moc"
