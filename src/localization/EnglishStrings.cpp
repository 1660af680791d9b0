#include "EnglishStrings.h"
#include <QHash>
QString EnglishString(int id)
{
    static const QHash<int, QString> table = {
        {1, QStringLiteral("1.14")},
        {10, QStringLiteral("DEFAULT_CHARSET")},
    };
    return table.value(id);
}
