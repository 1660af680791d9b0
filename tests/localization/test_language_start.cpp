// The language the program uses: the module found in the per-user data
// folder at start, its texts and code page in use for the whole run, the one
// error box for a module that cannot be used; and choosing a shipped
// language, which copies its module to that folder.

#include "CDDataTypes.h"
#include "DefaultStyles.h"
#include "LanguageChoice.h"
#include "LanguageModuleBuilder.h"
#include "LanguageStart.h"
#include "MessageBoxes.h"
#include "TestSupport.h"
#include "TfrmSetRoundLabel.h"
#include "uResource.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

} // namespace

class TestLanguageStart : public QObject
{
    Q_OBJECT
    QTemporaryDir FDir;
    QString FRussian, FOldVersion;
    QList<std::pair<QMessageBox::Icon, QString>> FBoxes;

private slots:
    void initTestCase()
    {
        FRussian = LanguageModuleBuilder::build(
            FDir.filePath("ru"), QMap<int, QString>{{10, "RUSSIAN_CHARSET"}, {105, "&Новый"}, {1570, "Название"}});
        TTsTranslations old = LanguageModuleBuilder::finished({{105, "&Nuovo"}});
        old.insert(1, {QString(), "1.13", true});
        FOldVersion = LanguageModuleBuilder::build(FDir.filePath("old"), old);
        QVERIFY(!FRussian.isEmpty() && !FOldVersion.isEmpty());
        MessageBoxes::SetAnswerer([this](QMessageBox::Icon icon, const QString &text) {
            FBoxes.append({icon, text});
            return QMessageBox::Ok;
        });
    }

    void init()
    {
        FBoxes.clear();
        QFile::remove(UserLanguageModulePath());
    }

    void englishWithoutAModule()
    {
        QCOMPARE(LanguageModulePath(), QString());
        StartLanguage();
        QVERIFY(!LanguageModuleInUse());
        QCOMPARE(Str(105), QStringLiteral("&New"));
        QCOMPARE(CurrentCodePage(), 1252);
        QVERIFY(FBoxes.isEmpty());
    }

    void theUsersModuleIsUsedAtStart()
    {
        QCOMPARE(UserLanguageModulePath(),
                 QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Renvald/Tarvik/TarvikLan.dll");
        writeAll(UserLanguageModulePath(), readAll(FRussian));
        QCOMPARE(LanguageModulePath(), UserLanguageModulePath());
        StartLanguage();
        QCOMPARE(Str(105), QStringLiteral("&Новый"));
        QCOMPARE(StyleName(0), QStringLiteral("Название"));
        // its character set chooses the code page of record strings
        QCOMPARE(CurrentCodePage(), 1251);
        QVERIFY(FBoxes.isEmpty());
    }

    void charsetOnEveryControlOfALocalisedWindow()
    {
        // the module's character set on the window and each control it
        // owns, menus excepted
        writeAll(UserLanguageModulePath(), readAll(FRussian));
        StartLanguage();
        {
            TfrmSetRoundLabel dialog(11.8f, 1.5f, false);
            auto *menu = new QMenu(&dialog);
            auto *inMenu = new QWidget(menu);
            const QList<QWidget *> controls = dialog.findChildren<QWidget *>();
            QVERIFY(controls.size() > 5);
            QCOMPARE(ApplyFormCharset(Str(10), &dialog), 204);
            for (QWidget *w : controls) {
                const bool menuPart = w == menu || w == inMenu;
                QCOMPARE(w->property(CharsetProperty).isValid(), !menuPart);
                if (!menuPart)
                    QCOMPARE(w->property(CharsetProperty).toInt(), 204);
            }
            // names are compared exactly
            QCOMPARE(ApplyFormCharset(QStringLiteral("russian_charset"), &dialog), 1);
            QCOMPARE(dialog.findChild<QLabel *>()->property(CharsetProperty).toInt(), 1);
        }
        // the dialog sets it itself when localised
        TfrmSetRoundLabel dialog(11.8f, 1.5f, false);
        QCOMPARE(dialog.property(CharsetProperty).toInt(), 204);
        QCOMPARE(dialog.findChild<QAbstractButton *>()->property(CharsetProperty).toInt(), 204);
        UseLanguageModule(nullptr);
    }

    void oneErrorBoxPerRun()
    {
        // an older module: English, the record code page back to 1252, and
        // the version message in an error box...
        writeAll(UserLanguageModulePath(), readAll(FOldVersion));
        StartLanguage();
        QVERIFY(!LanguageModuleInUse());
        QCOMPARE(Str(105), QStringLiteral("&New"));
        QCOMPARE(CurrentCodePage(), 1252);
        QCOMPARE(FBoxes.size(), 1);
        QCOMPARE(FBoxes[0].first, QMessageBox::Critical);
        QCOMPARE(FBoxes[0].second, LanguageVersionMessage());
        // ...once: neither it nor a broken module says anything again
        StartLanguage();
        writeAll(UserLanguageModulePath(), "MZ broken");
        StartLanguage();
        QVERIFY(!LanguageModuleInUse());
        QCOMPARE(FBoxes.size(), 1);
    }

    void choosingAShippedLanguage()
    {
        const QString program = FDir.filePath("prefix/bin"), installed = FDir.filePath("prefix/share/tarvik");
        writeAll(program + "/languages/Italiano/TarvikLan.dll", readAll(FOldVersion));
        writeAll(installed + "/languages/Italiano/TarvikLan.dll", "not this one");
        writeAll(installed + "/languages/Russkij/TarvikLan.dll", readAll(FRussian));
        QDir().mkpath(installed + "/languages/Empty");
        const QList<TShippedLanguage> languages = ShippedLanguages({program, installed});
        QCOMPARE(languages.size(), 2);
        QCOMPARE(languages[0].Name, QStringLiteral("Italiano"));
        QCOMPARE(languages[0].Path, program + "/languages/Italiano/TarvikLan.dll");
        QCOMPARE(languages[1].Name, QStringLiteral("Russkij"));

        QString error;
        QVERIFY(ChooseLanguageModule(languages[1].Path, &error));
        QCOMPARE(readAll(UserLanguageModulePath()), readAll(FRussian));
        QCOMPARE(LanguageModulePath(), UserLanguageModulePath());
        QCOMPARE(ChosenLanguageModule(languages), languages[1].Path);
        // a module of the user's own, none of the shipped ones
        QCOMPARE(ChosenLanguageModule(languages.mid(0, 1)), UserLanguageModulePath());

        // a module that cannot be used is refused, and the choice stays
        QVERIFY(!ChooseLanguageModule(languages[0].Path, &error));
        QCOMPARE(error, LanguageVersionMessage());
        QVERIFY(!ChooseLanguageModule(installed + "/languages/Empty/TarvikLan.dll", &error));
        QVERIFY(error.contains("does not exist"));
        QCOMPARE(readAll(UserLanguageModulePath()), readAll(FRussian));

        // English removes the copy
        QVERIFY(ChooseLanguageModule(QString(), &error));
        QVERIFY(!QFile::exists(UserLanguageModulePath()));
        QCOMPARE(LanguageModulePath(), QString());
        QCOMPARE(ChosenLanguageModule(languages), QString());
        QVERIFY(FBoxes.isEmpty());
    }
};

TARVIK_TEST_MAIN(TestLanguageStart)
#include "test_language_start.moc"
