#include "uResource.h"
#include "EnglishStrings.h"

QString LoadLanguageString(const TLanguageModule *module, int id)
{
    Q_UNUSED(module);
    return EnglishString(id);
}

QString Str(int id)
{
    return LoadLanguageString(nullptr, id);
}
