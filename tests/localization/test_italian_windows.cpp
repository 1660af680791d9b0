// The windows with the shipped Italian module in use, as a user sees them at
// 96 dpi: texts from the module, the language's character set kept on every
// control, no caption cut short or lying over another control, the About
// box's flag, the zoom panel wide enough for its longer text; and the
// Language submenu, which puts a module in use for the next start.

#include "../app/AppTestSupport.h"
#include "../printing/PrintTestSupport.h"

#include "FreeDB.h"
#include "ImagePrintJob.h"
#include "LanguageChoice.h"
#include "LanguageModule.h"
#include "TfrmAboutBox.h"
#include "TfrmAlignment.h"
#include "TfrmDefaultStyles.h"
#include "TfrmPrintLabel.h"
#include "TfrmPrinting.h"
#include "TfrmSetRoundLabel.h"
#include "WizardLines.h"
#include "uCDDBFRM.h"
#include "uResource.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

using AppTest::Action;
using AppTest::Child;

namespace {

struct TNoWizard : TWizardLinesTarget {
    QStringList CurrentTrackLines() const override { return {}; }
    void ReceiveTitles(const TWizardTitles &) override {}
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString textOf(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        return b->text();
    if (auto *g = qobject_cast<const QGroupBox *>(w))
        return g->title();
    return {};
}

bool isControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
        || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w);
}

// The width a control needs to show its whole text. A push button's size
// hint has a floor of its style's own, wider than a short text needs.
int neededWidth(const QWidget *w)
{
    if (qobject_cast<const QPushButton *>(w)) {
        const QString text = QString(textOf(w)).remove(QLatin1Char('&'));
        return w->fontMetrics().horizontalAdvance(text) + 8;
    }
    return std::min(w->minimumSizeHint().width(), w->sizeHint().width());
}

// What is wrong with the shown window's texts: captions narrower than they
// need (or, wrapped, lower), visible controls lying over a sibling, and
// controls without the language's character set.
QStringList layoutFaults(QWidget *window, int charset)
{
    QStringList faults;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        const QString where = QStringLiteral("%1 %2 \"%3\"")
                                  .arg(QLatin1String(w->metaObject()->className()), w->objectName(), textOf(w));
        if (qobject_cast<QMenu *>(w) || w->window() != window)
            continue;
        if (w->property(CharsetProperty).toInt() != charset || !w->property(CharsetProperty).isValid())
            faults << where + QStringLiteral(": character set %1").arg(w->property(CharsetProperty).toString());
        if (!w->isVisibleTo(window) || textOf(w).isEmpty())
            continue;
        auto *label = qobject_cast<QLabel *>(w);
        if (label && label->wordWrap()) {
            if (label->height() < label->heightForWidth(label->width()))
                faults << where + QStringLiteral(": %1 high, needs %2").arg(label->height()).arg(label->heightForWidth(label->width()));
        } else if (w->width() < neededWidth(w)) {
            faults << where + QStringLiteral(": %1 wide, needs %2").arg(w->width()).arg(neededWidth(w));
        }
    }
    for (QWidget *a : all) {
        if (!isControl(a) || !a->isVisibleTo(window) || a->window() != window)
            continue;
        for (QWidget *b : all) {
            if (b <= a || b->parentWidget() != a->parentWidget() || !isControl(b) || !b->isVisibleTo(window))
                continue;
            if (a->geometry().intersects(b->geometry()))
                faults << QStringLiteral("%1 \"%2\" lies over %3 \"%4\"")
                              .arg(a->objectName(), textOf(a), b->objectName(), textOf(b));
        }
    }
    return faults;
}

} // namespace

class TestItalianWindows : public QObject
{
    Q_OBJECT

    std::shared_ptr<const TLanguageModule> FItalian;
    int FCharset = -1;

    void checkShown(QWidget *window, const QString &caption)
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        if (!caption.isNull())
            QCOMPARE(window->windowTitle(), caption);
        const QStringList faults = layoutFaults(window, FCharset);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

private slots:
    void initTestCase()
    {
        QString error;
        FItalian = TLanguageModule::Load(QStringLiteral(TARVIK_ITALIAN_MODULE), &error);
        QVERIFY2(FItalian, qPrintable(error));
        UseLanguageModule(FItalian);
        FCharset = CharsetNumber(Str(10));
        QCOMPARE(FCharset, 0);
    }
    void cleanupTestCase() { UseLanguageModule(nullptr); }

    void mainWindow()
    {
        AppTest::Boxes boxes;
        auto w = AppTest::makeWindow();
        QCOMPARE(Child<QMenu>(*w, "mnuPreferences")->title(), QStringLiteral("P&referenze"));
        QCOMPARE(Action(*w, "mnuNew")->text(), QStringLiteral("&Nuovo"));
        QCOMPARE(w->SBPanel0->text(), QStringLiteral("Per la Guida, premere F1"));
        // the zoom panel shows its whole text, at the largest zoom too
        QCOMPARE(w->SBPanel1->text(), QStringLiteral("Ingrandimento: 100 %"));
        // (with another window active, so the label does not fit itself)
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other, 1000));
        w->FZoom = 1.0f;
        for (int i = 0; i < 25; ++i)
            Action(*w, "btnZoomIn")->trigger();
        QVERIFY(w->SBPanel1->text().endsWith(QStringLiteral("205 %")));
        QVERIFY2(w->SBPanel1->contentsRect().width()
                     >= w->SBPanel1->fontMetrics().horizontalAdvance(w->SBPanel1->text()),
                 qPrintable(w->SBPanel1->text()));
        // each page of the property panel
        auto *pages = Child<QTabWidget>(*w, "pagEdit");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QStringList faults = layoutFaults(pages->currentWidget(), FCharset);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        }
        QVERIFY(boxes.texts.isEmpty());
    }

    void aboutBoxWithTheFlag()
    {
        AppTest::Boxes boxes;
        auto w = AppTest::makeWindow();
        TfrmAboutBox box(w.get());
        box.setAttribute(Qt::WA_DeleteOnClose, false);
        checkShown(&box, QStringLiteral("Informazioni su Tarvik"));
        QCOMPARE(box.lblVersion->text(), QStringLiteral("Versione 1.14"));
        QCOMPARE(box.lblTranslated->text(), QStringLiteral("Versione italiana"));
        QVERIFY(box.imgFlag->isVisible());
        QCOMPARE(box.imgFlag->pixmap().size(), FItalian->Flag().size());
    }

    void dialogs()
    {
        AppTest::Boxes boxes;
        TImagePrintJob printer(20, QSizeF(8.27, 11.69), QMarginsF(0.25, 0.17, 0.25, 0.5));
        TCoverDocument doc = PrintTest::EmptyDocument();
        TCoverPrintOptions held;
        {
            TfrmPrinting dialog(printer, doc, held, false);
            checkShown(&dialog, QStringLiteral("Opzioni di stampa"));
        }
        {
            TfrmPrintLabel dialog(printer, doc, true, {});
            checkShown(&dialog, QStringLiteral("Stampa l'etichetta del CD"));
            QCOMPARE(Child<QLabel>(dialog, "lblUdm1")->text(), QStringLiteral("pollici"));
        }
        {
            TfrmSetRoundLabel dialog(11.8f, 1.5f, false);
            checkShown(&dialog, QStringLiteral("Imposta etichetta rotonda"));
        }
        {
            TCoverSettings settings = TCoverSettings::Defaults();
            TfrmDefaultStyles dialog(settings);
            checkShown(&dialog, QStringLiteral("Impostazione degli stili predefiniti"));
        }
        for (int count : {1, 2}) {
            QWidget surface;
            QList<QWidget *> elements;
            for (int i = 0; i < count; ++i)
                elements << new QLabel(QStringLiteral("x"), &surface);
            TfrmAlignment dialog(elements);
            checkShown(&dialog, QStringLiteral("Allineamento"));
        }
        TNoWizard wizard;
        {
            TfrmCDDB dialog(wizard);
            checkShown(&dialog, QStringLiteral("Ottieni i titoli da un database di CD"));
        }
        {
            TfrmFreeDB dialog(wizard);
            checkShown(&dialog, QStringLiteral("Connessione al database Internet FreeDB"));
        }
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('\n'))));
    }

    void languageSubmenu()
    {
        // the module as shipped in the per-user data folder's languages/
        const QString shipped = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            + QStringLiteral("/languages/Italiano/TarvikLan.dll");
        QDir().mkpath(QFileInfo(shipped).absolutePath());
        QVERIFY(QFile::copy(QStringLiteral(TARVIK_ITALIAN_MODULE), shipped));

        AppTest::Boxes boxes;
        auto w = AppTest::makeWindow();
        auto *menu = Child<QMenu>(*w, "mnuLanguage");
        QCOMPARE(menu->title(), QStringLiteral("&Lingua"));
        QVERIFY(Child<QMenu>(*w, "mnuPreferences")->actions().contains(menu->menuAction()));
        auto entries = [&] {
            emit menu->aboutToShow();
            QStringList names;
            for (QAction *a : menu->actions())
                names << a->text() + (a->isChecked() ? QStringLiteral(" *") : QString());
            return names;
        };
        QCOMPARE(entries(), (QStringList{"English *", "Italiano"}));

        menu->actions().at(1)->trigger();
        QCOMPARE(readAll(UserLanguageModulePath()), readAll(shipped));
        QCOMPARE(LanguageModulePath(), UserLanguageModulePath());
        QCOMPARE(boxes.texts, QStringList{Str(2730)});
        QCOMPARE(entries(), (QStringList{"English", "Italiano *"}));

        // choosing what is chosen already does nothing
        menu->actions().at(1)->trigger();
        QCOMPARE(boxes.texts.size(), 1);

        menu->actions().at(0)->trigger();
        QVERIFY(!QFile::exists(UserLanguageModulePath()));
        QCOMPARE(boxes.texts.size(), 2);
        QCOMPARE(entries(), (QStringList{"English *", "Italiano"}));
    }
};

TARVIK_TEST_MAIN(TestItalianWindows)
#include "test_italian_windows.moc"
