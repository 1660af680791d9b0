#include "uCustomColors.h"

#include "TVKRegistry.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString keyOf(int i)
{
    return QStringLiteral("Color") + QChar(QLatin1Char('A').unicode() + i);
}

} // namespace

QString CustomColorsIniPath()
{
    return QFileInfo(TVKRegistry::SettingsFilePath()).absolutePath() + QLatin1String("/Tarvik.ini");
}

QList<TColor> LoadCustomColors(const QString &iniPath)
{
    QList<TColor> colors(CustomColorCount, clWhite);
    // the same care as for the settings file: no pipe, device or folder
    if (!TVKRegistry::UnusableSettingsFileReason(iniPath).isEmpty())
        return colors;
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("CustomColors"));
    for (int i = 0; i < CustomColorCount; ++i) {
        const QString v = ini.value(keyOf(i)).toString().trimmed();
        bool ok = false;
        const uint c = v.toUInt(&ok, 16);
        if (ok && v.size() <= 6 && !v.startsWith(QLatin1Char('-')) && !v.startsWith(QLatin1Char('+')))
            colors[i] = TColor(c & 0xFFFFFF);
    }
    return colors;
}

bool SaveCustomColors(const QString &iniPath, const QList<TColor> &colors)
{
    if (!TVKRegistry::UnusableSettingsFileReason(iniPath).isEmpty())
        return false;
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("CustomColors"));
    for (int i = 0; i < CustomColorCount && i < colors.size(); ++i)
        ini.setValue(keyOf(i), QStringLiteral("%1").arg(uint(colors[i]) & 0xFFFFFF, 6, 16, QLatin1Char('0')));
    ini.endGroup();
    ini.sync();
    return ini.status() != QSettings::AccessError;
}
