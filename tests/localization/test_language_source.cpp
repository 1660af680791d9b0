// The Qt Linguist source of a language module: the skeleton written from the
// English table, reading a translated .ts back and carrying translations over
// to a newer table, the tarvik-ts-skeleton tool, and every text of the table
// passing through lrelease and rcc unchanged.

#include "EnglishStrings.h"
#include "LanguageModule.h"
#include "LanguageModuleBuilder.h"
#include "TestSupport.h"
#include "TsFile.h"
#include "uResource.h"

#include <QBuffer>
#include <QXmlStreamReader>

namespace {

struct TWrittenMessage
{
    QString context, source, comment, translation, type;
};

// Every message of a .ts, as written.
QList<TWrittenMessage> messagesOf(const QByteArray &ts)
{
    QList<TWrittenMessage> messages;
    QXmlStreamReader xml(ts);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            TWrittenMessage m{context, {}, {}, {}, {}};
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("translation"))
                    m.type = xml.attributes().value("type").toString();
                const QString text = xml.readElementText();
                if (xml.name() == QLatin1String("source"))
                    m.source = text;
                else if (xml.name() == QLatin1String("comment"))
                    m.comment = text;
                else if (xml.name() == QLatin1String("translation"))
                    m.translation = text;
            }
            messages.append(m);
        }
    }
    return xml.hasError() ? QList<TWrittenMessage>() : messages;
}

QByteArray skeleton(const QString &language, const TTsTranslations &translations = {})
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteTsFile(&buffer, language, translations);
    return buffer.data();
}

// An older .ts as a translator left it.
const char OldTs[] = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Tarvik</name>
    <message><source>&amp;New</source><comment>105</comment><translation>&amp;Nuovo</translation></message>
    <message><source>&amp;Open</source><comment>110</comment><translation>&amp;Apri</translation></message>
    <message><source>&amp;Save</source><comment>115</comment><translation type="unfinished">&amp;Salva</translation></message>
    <message><source>Print</source><comment>1030</comment><translation type="unfinished"></translation></message>
    <message><source>Gone</source><comment>99999</comment><translation>Sparito</translation></message>
    <message><source>&amp;Copy</source><comment>copy</comment><translation>&amp;Copia</translation></message>
</context>
<context>
    <name>Other</name>
    <message><source>&amp;Paste</source><comment>215</comment><translation>&amp;Incolla</translation></message>
</context>
</TS>
)";

TTsTranslations read(const QByteArray &ts, bool *ok = nullptr, QString *error = nullptr)
{
    QBuffer buffer;
    buffer.setData(ts);
    buffer.open(QIODevice::ReadOnly);
    TTsTranslations t;
    const bool read = ReadTsFile(&buffer, &t, error);
    if (ok)
        *ok = read;
    return t;
}

} // namespace

class TestLanguageSource : public QObject
{
    Q_OBJECT
    QTemporaryDir FDir;

private slots:
    void skeletonHoldsEveryIdOfTheTable()
    {
        const QList<TWrittenMessage> messages = messagesOf(skeleton("it"));
        const QList<int> ids = EnglishStringIds();
        QVERIFY(ids.size() > 200);
        QCOMPARE(messages.size(), ids.size());
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const TWrittenMessage &m = messages[i];
            QCOMPARE(m.context, QStringLiteral("Tarvik"));
            QCOMPARE(m.comment, QString::number(ids[i]));
            QCOMPARE(m.source, EnglishString(ids[i]));
            if (ids[i] == 1) {
                // the version a module must carry is filled in, finished
                QCOMPARE(m.translation, QStringLiteral("1.14"));
                QCOMPARE(m.type, QString());
            } else {
                QCOMPARE(m.translation, QString());
                QCOMPARE(m.type, QStringLiteral("unfinished"));
            }
        }
        QVERIFY(skeleton("it").contains("language=\"it\""));
        QVERIFY(!skeleton(QString()).contains(" language="));
    }

    void everyTextPassesThroughAModuleUnchanged()
    {
        // a module whose translations are the English texts themselves gives
        // back the English table, id for id: escaping, spaces at either end
        // and ids sharing one text all survive lrelease and rcc
        TTsTranslations english;
        for (int id : EnglishStringIds())
            english.insert(id, {EnglishString(id), EnglishString(id), true});
        const QString path = LanguageModuleBuilder::build(FDir.filePath("english"), english);
        const std::unique_ptr<TLanguageModule> module = TLanguageLoader().Open(path);
        QVERIFY(module);
        for (int id : EnglishStringIds())
            QCOMPARE(module->Text(id), EnglishString(id));
    }

    void moduleOfTheBareSkeleton()
    {
        // passes the version check, and every other text is empty
        const QString path = LanguageModuleBuilder::build(FDir.filePath("bare"), TTsTranslations());
        const std::unique_ptr<TLanguageModule> module = TLanguageLoader().Open(path);
        QVERIFY(module);
        QCOMPARE(module->Text(1), QStringLiteral("1.14"));
        QCOMPARE(module->Text(105), QString());
        QCOMPARE(module->Text(10), QString());
    }

    void readingATranslatedFile()
    {
        bool ok = false;
        const TTsTranslations t = read(OldTs, &ok);
        QVERIFY(ok);
        // messages of the context with an id and a translation
        QCOMPARE(t.keys(), QList<int>({105, 110, 115, 99999}));
        QCOMPARE(t[105].Translation, QStringLiteral("&Nuovo"));
        QVERIFY(t[105].Finished);
        QCOMPARE(t[110].Source, QStringLiteral("&Open"));
        QVERIFY(!t[115].Finished);
    }

    void carryingTranslationsOver()
    {
        const TTsTranslations kept = CarryOverTranslations(read(OldTs));
        QCOMPARE(kept.keys(), QList<int>({105, 110, 115})); // 99999 is no id of the table
        QVERIFY(kept[105].Finished);
        // "&Open" became "&Open...": kept for review
        QCOMPARE(kept[110].Translation, QStringLiteral("&Apri"));
        QCOMPARE(kept[110].Source, QStringLiteral("&Open..."));
        QVERIFY(!kept[110].Finished);
        QVERIFY(!kept[115].Finished);

        // written and read again, nothing changes
        const TTsTranslations again = read(skeleton("it", kept));
        QCOMPARE(again.keys(), QList<int>({1, 105, 110, 115}));
        for (int id : {105, 110, 115}) {
            QCOMPARE(again[id].Translation, kept[id].Translation);
            QCOMPARE(again[id].Finished, kept[id].Finished);
            QCOMPARE(again[id].Source, EnglishString(id));
        }
    }

    void readingWhatIsNoTsFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not xml") << QByteArray("1.14\n&New\n");
        QTest::newRow("another xml file") << QByteArray("<html><body/></html>");
        QTest::newRow("cut short") << QByteArray(OldTs).first(300);
    }
    void readingWhatIsNoTsFile()
    {
        QFETCH(QByteArray, bytes);
        bool ok = true;
        QString error;
        QVERIFY(read(bytes, &ok, &error).isEmpty());
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
    }

    void theSkeletonTool()
    {
        const QString old = FDir.filePath("old.ts"), out = FDir.filePath("out.ts");
        QFile f(old);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(OldTs);
        f.close();
        QVERIFY(LanguageModuleBuilder::run(TARVIK_TS_SKELETON, {"--language", "it", "--merge", old, out}));
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray ts = written.readAll();
        QVERIFY(ts.contains("language=\"it\""));
        QCOMPARE(messagesOf(ts).size(), EnglishStringIds().size());
        QCOMPARE(read(ts)[105].Translation, QStringLiteral("&Nuovo"));

        // a file that is not a .ts is refused, and nothing is written
        QProcess p;
        p.start(TARVIK_TS_SKELETON, {"--merge", out + ".missing", FDir.filePath("none.ts")});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("out.ts.missing"));
        QVERIFY(!QFile::exists(FDir.filePath("none.ts")));
    }
};

TARVIK_TEST_MAIN(TestLanguageSource)
#include "test_language_source.moc"
