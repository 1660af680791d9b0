// Text styles: the built-in table, their stored form, reading damaged
// styles, reset and the list of names.

#include "DefaultStyles.h"
#include "TVKRegistry.h"

#include "TestSupport.h"

namespace {

std::unique_ptr<QSettings> rawStore()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Renvald"),
                                       QStringLiteral("Tarvik"));
}

QString raw(int n, const char *name)
{
    return rawStore()->value(QStringLiteral("Preferences/Styles/%1/%2").arg(n).arg(QLatin1String(name))).toString();
}

void setRaw(int n, const char *name, const QString &value)
{
    rawStore()->setValue(QStringLiteral("Preferences/Styles/%1/%2").arg(n).arg(QLatin1String(name)), value);
}

} // namespace

class TestStyles : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        auto s = rawStore();
        s->clear();
        s->sync();
    }

    void defaults_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("angle");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("0") << 0 << "CD Title" << 22 << true << 360 << -1.0f << -1.0f;
        QTest::newRow("1") << 1 << "CD Author" << 20 << true << 360 << -1.0f << -1.0f;
        QTest::newRow("2") << 2 << "CD Tracks" << 11 << false << 360 << -1.0f << -1.0f;
        QTest::newRow("3") << 3 << "CD Information" << 9 << false << 360 << -1.0f << -1.0f;
        QTest::newRow("4") << 4 << "Left Spine" << 10 << false << 90 << 0.02f << 0.02f;
        QTest::newRow("5") << 5 << "Right Spine" << 10 << false << 270 << 5.72898f << 0.02f;
        QTest::newRow("6") << 6 << "Round Label" << 8 << false << 0 << 0.0f << 0.0f;
    }

    void defaults()
    {
        QFETCH(int, n);
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(bool, bold);
        QFETCH(int, angle);
        QFETCH(float, x);
        QFETCH(float, y);
        const TTextStyleRecord s = DefaultStyle(n);
        QCOMPARE(s.Name, name);
        QCOMPARE(s.FontName, QStringLiteral("Arial"));
        QCOMPARE(s.FontSize, size);
        QCOMPARE(s.FontStyle, std::uint8_t(bold ? fbBold : 0));
        QCOMPARE(s.FontColor, clBlack);
        QCOMPARE(s.Angle, angle);
        QVERIFY(s.Transparent);
        QCOMPARE(s.BackColor, clWhite);
        QVERIFY(qAbs(s.X - x) < 1e-5f);
        QCOMPARE(s.Y, y);
        // with no stored style, reading gives the default
        QCOMPARE(ReadStyle(n), s);
    }

    void rightSpineFollowsTheBackCover()
    {
        const TCoverSettings c = TCoverSettings::Defaults();
        QCOMPARE(DefaultStyle(stRightSpine).X, c.BackWidth - c.RightSpineWidth + 0.04f);
    }

    void spareStylesHaveNoName()
    {
        for (int n = 7; n < StyleCount; ++n)
            QVERIFY(DefaultStyle(n).Name.isEmpty());
    }

    void registryForm()
    {
        TTextStyleRecord s = DefaultStyle(1);
        s.FontName = QStringLiteral("Liberation Serif");
        s.FontStyle = fbItalic | fbStrikeout;
        s.FontColor = clWhite;
        s.BackColor = 0x00FF0000;
        s.Transparent = false;
        s.X = 1.25f;
        WriteStyle(1, s);
        QCOMPARE(raw(1, "Name"), QStringLiteral("CD Author"));
        QCOMPARE(raw(1, "FontName"), QStringLiteral("Liberation Serif"));
        QCOMPARE(raw(1, "FontSize"), QStringLiteral("20"));
        QCOMPARE(raw(1, "FontColor"), QStringLiteral("16777215"));
        QCOMPARE(raw(1, "FontBold"), QStringLiteral("False"));
        QCOMPARE(raw(1, "FontItalic"), QStringLiteral("True"));
        QCOMPARE(raw(1, "FontUnderline"), QStringLiteral("False"));
        QCOMPARE(raw(1, "FontStrikeout"), QStringLiteral("True"));
        QCOMPARE(raw(1, "Angle"), QStringLiteral("360"));
        QCOMPARE(raw(1, "Transparent"), QStringLiteral("False"));
        QCOMPARE(raw(1, "BackColor"), QStringLiteral("16711680"));
        QCOMPARE(raw(1, "X"), QStringLiteral("1.25"));
        QCOMPARE(raw(1, "Y"), QStringLiteral("-1"));
        QCOMPARE(ReadStyle(1), s);

        // a negative colour value is written signed
        s.FontColor = -16777216;
        WriteStyle(1, s);
        QCOMPARE(raw(1, "FontColor"), QStringLiteral("-16777216"));
        QCOMPARE(ReadStyle(1).FontColor, -16777216);
    }

    void spinePositionsWhenWritten()
    {
        TTextStyleRecord left = DefaultStyle(stLeftSpine);
        left.X = -1;
        left.Y = -1;
        WriteStyle(stLeftSpine, left);
        QCOMPARE(left.X, -1.0f); // the record itself is not changed
        QCOMPARE(raw(4, "X"), QStringLiteral("0.02"));
        QCOMPARE(raw(4, "Y"), QStringLiteral("0.02"));

        TTextStyleRecord right = DefaultStyle(stRightSpine);
        right.X = -1;
        WriteStyle(stRightSpine, right);
        const TCoverSettings c = TCoverSettings::Defaults();
        QCOMPARE(raw(5, "X").toFloat(), c.BackWidth - c.RightSpineWidth + 0.04f);
        QVERIFY(raw(5, "X").startsWith(QStringLiteral("5.7289")));
        QCOMPARE(raw(5, "Y"), QStringLiteral("0.02"));

        // another style keeps its -1
        TTextStyleRecord title = DefaultStyle(0);
        WriteStyle(0, title);
        QCOMPARE(raw(0, "X"), QStringLiteral("-1"));
    }

    void positionsInTheUsersNumberFormat()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        WriteStyle(stRightSpine, DefaultStyle(stRightSpine));
        const QString x = raw(5, "X");
        QVERIFY2(x.startsWith(QStringLiteral("5,7289")), qPrintable(x));
        QCOMPARE(ReadStyle(stRightSpine).X, DefaultStyle(stRightSpine).X);

        // a value in the C format, from another machine, is still understood
        setRaw(5, "X", QStringLiteral("1.5"));
        QCOMPARE(ReadStyle(stRightSpine).X, 1.5f);
    }

    void damagedStoredStyle_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored"); // "<absent>" removes the value
        QTest::newRow("size text") << "FontSize" << "abc";
        QTest::newRow("size absent") << "FontSize" << "<absent>";
        QTest::newRow("size fraction") << "FontSize" << "12.5";
        QTest::newRow("size zero") << "FontSize" << "0";
        QTest::newRow("size below zero") << "FontSize" << "-8";
        QTest::newRow("colour text") << "FontColor" << "black";
        QTest::newRow("colour absent") << "FontColor" << "<absent>";
        QTest::newRow("angle text") << "Angle" << "ninety";
        QTest::newRow("back colour text") << "BackColor" << "#ffffff";
        QTest::newRow("font name absent") << "FontName" << "<absent>";
    }

    void damagedStoredStyle()
    {
        QFETCH(QString, field);
        QFETCH(QString, stored);
        WriteStyle(0, DefaultStyle(0));
        if (stored == QLatin1String("<absent>"))
            rawStore()->remove(QStringLiteral("Preferences/Styles/0/") + field);
        else
            setRaw(0, field.toLatin1().constData(), stored);
        QCOMPARE(ReadStyle(0), DefaultStyle(0));
    }

    void storedValuesAreReadAsStored()
    {
        setRaw(2, "Name", QStringLiteral("My own name"));
        setRaw(2, "FontName", QString(60, QLatin1Char('f')));
        setRaw(2, "FontSize", QStringLiteral("14"));
        setRaw(2, "FontBold", QStringLiteral("true")); // not exactly "True"
        setRaw(2, "FontItalic", QStringLiteral("True"));
        setRaw(2, "Transparent", QStringLiteral("TRUE"));
        setRaw(2, "Angle", QStringLiteral("180"));
        setRaw(2, "Y", QStringLiteral("not a number"));
        const TTextStyleRecord s = ReadStyle(2);
        QCOMPARE(s.Name, QStringLiteral("CD Tracks")); // always the table's name
        QCOMPARE(s.FontName, QString(50, QLatin1Char('f')));
        QCOMPARE(s.FontSize, 14);
        QCOMPARE(s.FontStyle, std::uint8_t(fbItalic));
        QVERIFY(!s.Transparent);
        QCOMPARE(s.Angle, 180);
        QCOMPARE(s.X, -1.0f); // absent
        QCOMPARE(s.Y, -1.0f); // not a number

        // without "Name" the stored values are not used at all
        rawStore()->remove(QStringLiteral("Preferences/Styles/2/Name"));
        QCOMPARE(ReadStyle(2), DefaultStyle(2));
    }

    void loadAndReset()
    {
        TTextStyleRecord s = DefaultStyle(3);
        s.FontSize = 48;
        WriteStyle(3, s);

        TCoverSettings c = TCoverSettings::Defaults();
        const QStringList names = LoadStyles(c);
        QCOMPARE(names, QStringList({QString(), "CD Title", "CD Author", "CD Tracks", "CD Information", "Left Spine",
                                     "Right Spine", "Round Label"}));
        QCOMPARE(c.Styles[3].FontSize, 48);
        QCOMPARE(c.Styles[4], DefaultStyle(4));
        QVERIFY(c.Styles[10].Name.isEmpty());

        ResetStyles(c);
        for (int n = 0; n < StyleCount; ++n)
            QCOMPARE(c.Styles[n], DefaultStyle(n));
        // reset is in memory only
        QCOMPARE(raw(3, "FontSize"), QStringLiteral("48"));
    }

    void writeFailure()
    {
        QTemporaryDir tmp;
        QFile blocker(tmp.path() + "/blocker");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QByteArray home = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
        auto restore = qScopeGuard([home] { qputenv("XDG_CONFIG_HOME", home); });
        TVKRegistry::ForgetSettingsProblems();
        // no error reaches the caller; the report tells that nothing is kept
        WriteStyle(0, DefaultStyle(0));
        QVERIFY(TVKRegistry::TakeSettingsReport().contains(QLatin1String("cannot be written")));
        QCOMPARE(ReadStyle(0), DefaultStyle(0));
    }
};

TARVIK_TEST_MAIN(TestStyles)
#include "test_styles.moc"
