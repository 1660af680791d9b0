#include "uResource.h"

#include "EnglishStrings.h"
#include "LanguageModule.h"
#include "ShippedData.h"

#include <QDebug>
#include <QHash>
#include <QVariant>

namespace {

std::shared_ptr<const TLanguageModule> &moduleInUse()
{
    static std::shared_ptr<const TLanguageModule> module;
    return module;
}

TLanguageMessage &messageHandler()
{
    static TLanguageMessage handler;
    return handler;
}

} // namespace

QString LanguageVersionMessage()
{
    return QStringLiteral("Sorry, the language module version is not correct. To get an updated version "
                          "language module connect to the Tarvik website (see Help for details). "
                          "The English language will be loaded.");
}

TLanguageLoader::TLanguageLoader(TLanguageMessage showMessage) : FShowMessage(std::move(showMessage)) {}

void TLanguageLoader::warn(const QString &text)
{
    if (FWarningShown)
        return;
    FWarningShown = true;
    if (FShowMessage)
        FShowMessage(text);
    else
        qWarning().noquote() << text;
}

std::unique_ptr<TLanguageModule> TLanguageLoader::Open(const QString &path)
{
    if (path.isEmpty())
        return nullptr;
    QString problem;
    std::unique_ptr<TLanguageModule> module = TLanguageModule::Load(path, &problem);
    if (!module) {
        // Silently falling back would leave the user guessing why the
        // module they placed does nothing.
        warn(QStringLiteral("The language module \"%1\" cannot be used: %2. The English language will be loaded.")
                 .arg(path, problem));
        return nullptr;
    }
    if (module->Text(1) != EnglishString(1)) {
        warn(LanguageVersionMessage());
        return nullptr;
    }
    return module;
}

QString LanguageModulePath()
{
    return ShippedData::Locate(QStringLiteral("TarvikLan.dll"));
}

void SetLanguageMessageHandler(TLanguageMessage showMessage)
{
    messageHandler() = std::move(showMessage);
}

std::unique_ptr<TLanguageModule> OpenLanguageModule()
{
    // one loader for the whole run, so its message comes at most once
    static TLanguageLoader loader([](const QString &text) {
        if (messageHandler())
            messageHandler()(text);
        else
            qWarning().noquote() << text;
    });
    return loader.Open(LanguageModulePath());
}

void UseLanguageModule(std::shared_ptr<const TLanguageModule> module)
{
    moduleInUse() = std::move(module);
}

const TLanguageModule *LanguageModuleInUse()
{
    return moduleInUse().get();
}

QString LoadLanguageString(const TLanguageModule *module, int id)
{
    return module ? module->Text(id) : EnglishString(id);
}

QString Str(int id)
{
    return LoadLanguageString(LanguageModuleInUse(), id);
}

QString StrOrEnglish(int id)
{
    const QString text = Str(id);
    return text.isEmpty() ? EnglishString(id) : text;
}

int CharsetNumber(const QString &name)
{
    static const QHash<QString, int> numbers = {
        {QStringLiteral("ANSI_CHARSET"), 0},         {QStringLiteral("SYMBOL_CHARSET"), 2},
        {QStringLiteral("SHIFTJIS_CHARSET"), 128},   {QStringLiteral("HANGEUL_CHARSET"), 129},
        {QStringLiteral("JOHAB_CHARSET"), 130},      {QStringLiteral("GB2312_CHARSET"), 134},
        {QStringLiteral("CHINESEBIG5_CHARSET"), 136}, {QStringLiteral("GREEK_CHARSET"), 161},
        {QStringLiteral("TURKISH_CHARSET"), 162},    {QStringLiteral("VIETNAMESE_CHARSET"), 163},
        {QStringLiteral("HEBREW_CHARSET"), 177},     {QStringLiteral("ARABIC_CHARSET"), 178},
        {QStringLiteral("BALTIC_CHARSET"), 186},     {QStringLiteral("RUSSIAN_CHARSET"), 204},
        {QStringLiteral("THAI_CHARSET"), 222},       {QStringLiteral("EASTEUROPE_CHARSET"), 238},
        {QStringLiteral("OEM_CHARSET"), 255},
    };
    return numbers.value(name, 1);
}

int LanguageCharset(const TLanguageModule *module)
{
    return CharsetNumber(LoadLanguageString(module, 10));
}

int ApplyFormCharset(const QString &name, QObject *window)
{
    const int number = CharsetNumber(name);
    if (!window)
        return number;
    window->setProperty(CharsetProperty, number);
    for (QObject *child : window->children()) {
        if (child->isWidgetType() && !child->inherits("QMenu"))
            ApplyFormCharset(name, child);
    }
    return number;
}

QString UnitWord(bool inches)
{
    return Str(inches ? 6130 : 6120);
}

QImage LoadLanguageFlag(const TLanguageModule *module)
{
    return module ? module->Flag() : QImage();
}
