// The shipped Italian language module, as the build made it from
// translations/tarvik_it.ts: every id of the English table translated and
// finished, the module carrying exactly the .ts texts, the version check
// passing, the Western character set, the flag, the "&" accelerators (one
// where the English has one, unique within each menu and dialog) and the
// pieces that are joined with other texts keeping their shape.

#include "CDDataTypes.h"
#include "EnglishStrings.h"
#include "LanguageModule.h"
#include "TestSupport.h"
#include "TsFile.h"
#include "uResource.h"

#include <QFile>
#include <QRegularExpression>

#include <set>

namespace {

// Ids whose English text is also the Italian one.
const std::set<int> SameAsEnglish = {
    1,    // the table's version
    100,  // "&File"
    600,  // "&?", the help menu
    6120, // "cm"
};

// The accelerator characters of a menu or button text, lower case: each "&"
// followed by a character other than "&" or a space ("&&" is a literal "&",
// as is the "&" of "front & inside cover").
QString accelerators(const QString &text)
{
    QString keys;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        const QChar next = text[i + 1];
        if (next == QLatin1Char('&')) {
            ++i;
        } else if (!next.isSpace()) {
            keys += next.toLower();
            ++i;
        }
    }
    return keys;
}

// The run of spaces and joining punctuation at each end of a text, which
// must survive translation where the text is put together with others
// ("An error (" + code + ") occurred...", "Zoom: " + "90 %").
QString edge(const QString &text, bool atEnd)
{
    static const QString joining = QStringLiteral(" ():<>");
    QString run;
    if (atEnd) {
        for (qsizetype i = text.size() - 1; i >= 0 && joining.contains(text[i]); --i)
            run.prepend(text[i]);
    } else {
        for (qsizetype i = 0; i < text.size() && joining.contains(text[i]); ++i)
            run.append(text[i]);
    }
    return run;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

} // namespace

class TestItalianModule : public QObject
{
    Q_OBJECT

    std::unique_ptr<TLanguageModule> FModule;
    TTsTranslations FSource;

private slots:
    void initTestCase()
    {
        QStringList messages;
        TLanguageLoader loader([&](const QString &text) { messages.append(text); });
        FModule = loader.Open(QStringLiteral(TARVIK_ITALIAN_MODULE));
        QVERIFY2(FModule, TARVIK_ITALIAN_MODULE);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(QLatin1Char('\n'))));

        QFile ts(QStringLiteral(TARVIK_ITALIAN_TS));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QString error;
        QVERIFY2(ReadTsFile(&ts, &FSource, &error), qPrintable(error));
    }

    void everyIdTranslatedAndFinished()
    {
        QStringList faults;
        for (int id : EnglishStringIds()) {
            const QString english = EnglishString(id);
            const TTsMessage message = FSource.value(id);
            const QString italian = FModule->Text(id);
            const QString where = QStringLiteral("%1 \"%2\": ").arg(id).arg(english);
            if (message.Translation.isEmpty())
                faults << where + QStringLiteral("no translation in the .ts");
            else if (!message.Finished)
                faults << where + QStringLiteral("unfinished");
            else if (message.Source != english)
                faults << where + QStringLiteral("translated from an older English text \"%1\"").arg(message.Source);
            else if (message.Translation.size() > 255)
                faults << where + QStringLiteral("longer than the 255 characters a module gives");
            // the module is the build of this very .ts (a lacking id would
            // otherwise borrow the translation of another id with its text)
            if (italian != message.Translation)
                faults << where + QStringLiteral("module has \"%1\"").arg(italian);
            if (italian == english && !SameAsEnglish.count(id))
                faults << where + QStringLiteral("left in English");
            if (italian != english && SameAsEnglish.count(id))
                faults << where + QStringLiteral("listed as the same as English but is \"%1\"").arg(italian);
        }
        // and nothing the table no longer has
        const QList<int> table = EnglishStringIds();
        for (auto it = FSource.cbegin(); it != FSource.cend(); ++it)
            if (!table.contains(it.key()))
                faults << QStringLiteral("%1: in the .ts but not in the English table").arg(it.key());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void textsThatMustHoldTheirValue_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("version") << 1 << "1.14";
        QTest::newRow("character set") << 10 << "ANSI_CHARSET";
        QTest::newRow("centimetres") << 6120 << "cm";
        QTest::newRow("inches") << 6130 << "pollici";
        QTest::newRow("language name") << 5570 << "Versione italiana";
        QTest::newRow("first style") << StyleNameId(0) << "Titolo del CD";
        QTest::newRow("last style") << StyleNameId(6) << "Etichetta rotonda";
    }
    void textsThatMustHoldTheirValue()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(LoadLanguageString(FModule.get(), id), text);
    }

    void westernCodePage()
    {
        // record strings of documents keep the code page English uses
        QCOMPARE(CodePageOfCharset(LanguageCharset(FModule.get())), CodePageOfCharset(LanguageCharset(nullptr)));
        QCOMPARE(CodePageOfCharset(LanguageCharset(FModule.get())), 1252);
    }

    void flag()
    {
        const QImage flag = LoadLanguageFlag(FModule.get());
        QVERIFY(!flag.isNull());
        // large enough to read in the About box, in the flag's 3:2 inside
        // a one-pixel frame
        QVERIFY2(flag.width() >= 48, qPrintable(QString::number(flag.width())));
        QCOMPARE((flag.width() - 2) * 2, (flag.height() - 2) * 3);
        // green, white and red bands of equal width from left to right
        const int y = flag.height() / 2, band = (flag.width() - 2) / 3;
        for (int x = 1; x < flag.width() - 1; ++x) {
            const QColor c = flag.pixelColor(x, y);
            const int which = (x - 1) / band;
            const bool ok = which == 0   ? c.green() > 2 * c.red() && c.green() > c.blue()
                            : which == 1 ? c.red() > 240 && c.green() > 240 && c.blue() > 240
                                         : c.red() > 2 * c.green() && c.red() > 2 * c.blue();
            QVERIFY2(ok, qPrintable(QStringLiteral("x %1: %2").arg(x).arg(c.name())));
        }
    }

    void oneAcceleratorWhereTheEnglishHasOne()
    {
        QStringList faults;
        for (int id : EnglishStringIds()) {
            const QString english = EnglishString(id);
            const QString italian = FModule->Text(id);
            const qsizetype wanted = accelerators(english).isEmpty() ? 0 : 1;
            if (accelerators(italian).size() != wanted)
                faults << QStringLiteral("%1 \"%2\" -> \"%3\"").arg(id).arg(english, italian);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void acceleratorsUniqueWithinEachMenuAndDialog_data()
    {
        QTest::addColumn<QList<int>>("ids");
        // the menu bar shares the Alt key with the main window's one button
        QTest::newRow("menu bar") << QList<int>{100, 200, 300, 400, 600, 2140};
        QTest::newRow("File") << QList<int>{105, 110, 115, 120, 125, 131, 130, 132, 135, 195};
        QTest::newRow("Preferences") << QList<int>{140, 155, 160, 170, 165};
        QTest::newRow("units") << QList<int>{145, 150};
        QTest::newRow("Edit") << QList<int>{197, 198, 205, 210, 215, 220, 230, 235, 240, 245, 250, 255};
        QTest::newRow("pop-up") << QList<int>{205, 210, 215, 220, 240, 230, 235};
        QTest::newRow("Insert") << QList<int>{305, 310};
        QTest::newRow("Align") << QList<int>{405, 425};
        QTest::newRow("Horizontally") << QList<int>{410, 415, 420};
        QTest::newRow("Vertically") << QList<int>{430, 435, 440};
        QTest::newRow("Help") << QList<int>{605, 610, 630};
        QTest::newRow("text style editor") << QList<int>{3120, 3130, 3140};
        QTest::newRow("alignment, one element")
            << QList<int>{3520, 3700, 3710, 3720, 3580, 3730, 3740, 3750, 3800, 3810};
        QTest::newRow("alignment, several elements")
            << QList<int>{3520, 3530, 3540, 3550, 3560, 3580, 3590, 3600, 3610, 3620, 3630, 3800, 3810};
        QTest::newRow("wizard") << QList<int>{4030, 4040, 4050, 4060};
        QTest::newRow("print options") << QList<int>{6090, 6100, 6110, 6150, 6160, 6170, 6180, 6185, 6190};
        QTest::newRow("label print") << QList<int>{6600, 6610, 6620, 6100, 6110, 6185};
        QTest::newRow("round label") << QList<int>{7130, 7140, 7050};
        QTest::newRow("track list") << QList<int>{8060, 8070, 8085, 8090, 8100};
        QTest::newRow("database connection") << QList<int>{9025, 9035, 9045, 9050, 9055};
    }
    void acceleratorsUniqueWithinEachMenuAndDialog()
    {
        QFETCH(QList<int>, ids);
        QHash<QChar, int> owner;
        for (int id : ids) {
            QVERIFY2(!EnglishString(id).isEmpty(), qPrintable(QString::number(id)));
            for (QChar key : accelerators(FModule->Text(id))) {
                QVERIFY2(!owner.contains(key), qPrintable(QStringLiteral("'%1' in %2 \"%3\" and %4 \"%5\"")
                                                               .arg(key)
                                                               .arg(owner.value(key))
                                                               .arg(FModule->Text(owner.value(key)))
                                                               .arg(id)
                                                               .arg(FModule->Text(id))));
                owner.insert(key, id);
            }
        }
    }

    void joinedPiecesKeepTheirShape()
    {
        // spaces and brackets at either end, and the %n markers
        QStringList faults;
        for (int id : EnglishStringIds()) {
            const QString english = EnglishString(id);
            const QString italian = FModule->Text(id);
            if (edge(italian, false) != edge(english, false) || edge(italian, true) != edge(english, true)
                || placeholders(italian) != placeholders(english))
                faults << QStringLiteral("%1 \"%2\" -> \"%3\"").arg(id).arg(english, italian);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

TARVIK_TEST_MAIN(TestItalianModule)
#include "test_italian_module.moc"
