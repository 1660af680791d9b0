// The Language submenu of Preferences: English and the modules shipped with
// the program. The choice is copied to the per-user data folder and takes
// effect at the next start, since the windows take their texts once.

#include "TfrmTarvik.h"

#include "LanguageChoice.h"
#include "MessageBoxes.h"
#include "uResource.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

void TfrmTarvik::createLanguageMenu()
{
    mnuLanguage = mnuPreferences->addMenu(Str(165));
    mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    // filled when opened, so it shows the modules and the choice as they are
    connect(mnuLanguage, &QMenu::aboutToShow, this, &TfrmTarvik::fillLanguageMenu);
    fillLanguageMenu();
}

void TfrmTarvik::fillLanguageMenu()
{
    mnuLanguage->clear();
    auto *group = new QActionGroup(mnuLanguage);
    const QList<TShippedLanguage> languages = ShippedLanguages();
    const QString chosen = ChosenLanguageModule(languages);
    auto add = [&](const QString &name, const QString &path) {
        QAction *entry = mnuLanguage->addAction(name);
        entry->setCheckable(true);
        entry->setChecked(path == chosen);
        group->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, path, chosen] {
            if (path != chosen)
                mnuLanguageClick(path);
        });
    };
    // each language by its own name
    add(QStringLiteral("English"), QString());
    for (const TShippedLanguage &language : languages)
        add(language.Name, language.Path);
}

void TfrmTarvik::mnuLanguageClick(const QString &modulePath)
{
    QString error;
    if (!ChooseLanguageModule(modulePath, &error)) {
        MessageBoxes::ShowError(this, error);
        return;
    }
    MessageBoxes::ShowMessage(this, Str(2730));
}
