#pragma once
// The numbered UI strings: the program's own English table, or a language
// module ("TarvikLan.dll", see LanguageModule.h) holding the same ids.
//
// At start the program opens the module once (OpenLanguageModule) and puts
// it in use (UseLanguageModule); from then on every text comes through
// Str(id). A module placed or changed while the program runs takes effect at
// the next start.
//
// How a window takes its texts: its own LocalizeForm() method assigns them
// from a table of (component, id) pairs, and texts shown later (messages,
// hints that change with the unit) are read with Str(id) when they are
// shown, so nothing needs holding:
//
//     void TfrmPrinting::LocalizeForm()
//     {
//         setWindowTitle(Str(6000));
//         const std::pair<QAbstractButton *, int> captions[] = {
//             {ui->rbPrintAll, 6010}, {ui->btnPrint, 6100}, ...};
//         for (const auto &[button, id] : captions)
//             button->setText(Str(id));
//         ui->btnPrint->setToolTip(Str(...));   // hints likewise
//         unitLabel->setText(UnitWord(useInches));
//     }
//
// Qt's fonts carry no character set; ApplyFormCharset keeps the language's
// character-set number (id 10) on each localised window and its controls,
// and the same number chooses the code page of record strings, once, at
// start.

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class TLanguageModule;

// Shows a message about the language module to the user; the program shows
// an error box, tests record the text.
using TLanguageMessage = std::function<void(const QString &text)>;

// The message shown when a module's version (id 1) is not the program's.
QString LanguageVersionMessage();

// Opens module files: the module, or null for English. No file gives
// English silently; a file that cannot be read, or whose id 1 is not the
// English table's version ("1.14"), gives English and a message, at most
// one message in the loader's life (the program keeps one loader per run).
class TLanguageLoader
{
public:
    explicit TLanguageLoader(TLanguageMessage showMessage = {});
    std::unique_ptr<TLanguageModule> Open(const QString &path);
    bool WarningShown() const { return FWarningShown; }

private:
    void warn(const QString &text);

    TLanguageMessage FShowMessage;
    bool FWarningShown = false;
};

// Where the program's module is: "TarvikLan.dll" in the program's folder,
// the per-user data folder (~/.local/share/Renvald/Tarvik) or the installed
// data folder, the first found; empty when there is none.
QString LanguageModulePath();
// The program's own loader on LanguageModulePath(). Its messages go to the
// handler set here (without one, to the log output).
std::unique_ptr<TLanguageModule> OpenLanguageModule();
void SetLanguageMessageHandler(TLanguageMessage showMessage);

// The module whose texts Str() gives; null (the default) for English. Set it
// at start, before windows read texts.
void UseLanguageModule(std::shared_ptr<const TLanguageModule> module);
const TLanguageModule *LanguageModuleInUse();

// Text of `id`: from the module when one is given, otherwise from the English
// table. An id the module lacks gives an empty text (but see
// TLanguageModule::Text for ids sharing one English text); a module's texts
// are cut to 255 characters.
QString LoadLanguageString(const TLanguageModule *module, int id);
// The same with the module in use.
QString Str(int id);
// A text the program added to the table after modules were written, which an
// older module may lack: the module's text, or the English one in its place.
QString StrOrEnglish(int id);

// The character-set number of a character-set name such as "RUSSIAN_CHARSET"
// (compared exactly, case included); any other name, "DEFAULT_CHARSET"
// among them, gives 1.
int CharsetNumber(const QString &name);
// The character-set number a module names in id 10 (1 for English).
int LanguageCharset(const TLanguageModule *module);

// The property ApplyFormCharset sets.
constexpr const char *CharsetProperty = "charset";
// Sets CharsetNumber(name) as the property CharsetProperty on `window` and
// on every widget it owns, menus (and what they hold) excepted; returns the
// number.
int ApplyFormCharset(const QString &name, QObject *window);

// The unit word shown beside measurement fields: "cm" (id 6120) or
// "inches" (id 6130), from the module in use.
QString UnitWord(bool inches);
// The string id of text style n's name.
constexpr int StyleNameId(int n) { return 1570 + 10 * n; }

// The module's flag picture for the About box; null with no module or none
// in it.
QImage LoadLanguageFlag(const TLanguageModule *module);
