#include "LanguageStart.h"

#include "CDDataTypes.h"
#include "LanguageModule.h"
#include "MessageBoxes.h"
#include "uResource.h"

#include <QApplication>

void StartLanguage()
{
    SetLanguageMessageHandler([](const QString &text) {
        // the start-up hourglass must not stay over the box
        const bool waiting = QApplication::overrideCursor() != nullptr;
        if (waiting)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
        MessageBoxes::ShowError(nullptr, text);
        if (waiting)
            QApplication::restoreOverrideCursor();
    });
    std::shared_ptr<const TLanguageModule> module = OpenLanguageModule();
    SetCurrentCodePage(CodePageOfCharset(LanguageCharset(module.get())));
    UseLanguageModule(std::move(module));
}
