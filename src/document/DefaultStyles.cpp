#include "DefaultStyles.h"

#include "TVKRegistry.h"
#include "uResource.h"

#include <QLocale>
#include <QSettings>

#include <charconv>
#include <cmath>

namespace {

QString styleGroup(int n)
{
    return QStringLiteral("Preferences/Styles/%1").arg(n);
}

// The English names, for a string table that does not hold them.
const char *const EnglishStyleNames[] = {
    "CD Title", "CD Author", "CD Tracks", "CD Information", "Left Spine", "Right Spine", "Round Label",
};

float rightSpineX()
{
    const TCoverSettings s = TCoverSettings::Defaults();
    const float inner = s.BackWidth - s.RightSpineWidth;
    return inner + 0.04f;
}

QString boolText(bool b)
{
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

// X or Y as written by StyleNumberText, or in the C format of a settings file
// brought from another machine; -1 when it is no usable number.
float readPosition(const QVariant &v)
{
    if (!v.isValid())
        return -1.0f;
    const QString s = v.toString().trimmed();
    bool ok = false;
    double d = QLocale().toDouble(s, &ok);
    if (!ok)
        d = QLocale::c().toDouble(s, &ok);
    if (!ok || !std::isfinite(d))
        return -1.0f;
    return SaneRecordFloat(static_cast<float>(d));
}

int readInt(const QSettings &s, const char *name, int fallback)
{
    bool ok = false;
    const int v = s.value(QLatin1String(name)).toString().trimmed().toInt(&ok, 10);
    return ok ? v : fallback;
}

} // namespace

QString StyleName(int n)
{
    if (n < 0 || n > 6)
        return {};
    const QString name = Str(1570 + 10 * n);
    return name.isEmpty() ? QString::fromLatin1(EnglishStyleNames[n]) : name;
}

TTextStyleRecord DefaultStyle(int n)
{
    TTextStyleRecord r;
    r.Name = StyleName(n);
    r.FontName = QStringLiteral("Arial");
    r.FontColor = clBlack;
    r.FontStyle = 0;
    r.Angle = 360;
    r.Transparent = true;
    r.BackColor = clWhite;
    r.X = -1;
    r.Y = -1;
    switch (n) {
    case 0: r.FontSize = 22; r.FontStyle = fbBold; break;
    case 1: r.FontSize = 20; r.FontStyle = fbBold; break;
    case 2: r.FontSize = 11; break;
    case 3: r.FontSize = 9; break;
    case 4: r.FontSize = 10; r.Angle = 90; r.X = 0.02f; r.Y = 0.02f; break;
    case 5: r.FontSize = 10; r.Angle = 270; r.X = rightSpineX(); r.Y = 0.02f; break;
    case 6: r.FontSize = 8; r.Angle = 0; r.X = 0; r.Y = 0; break;
    default:
        // spare styles: no name, so never listed or stored
        r.FontSize = 10;
        break;
    }
    return r;
}

TTextStyleRecord ReadStyle(int n)
{
    const TTextStyleRecord def = DefaultStyle(n);
    const std::unique_ptr<QSettings> store = TVKRegistry::OpenStore();
    if (!store)
        return def;
    QSettings &s = *store;
    s.beginGroup(styleGroup(n));
    if (!s.contains(QStringLiteral("Name")))
        return def;

    TTextStyleRecord r;
    r.Name = def.Name;
    r.FontName = s.value(QStringLiteral("FontName")).toString().left(50);
    if (r.FontName.isEmpty())
        r.FontName = def.FontName;
    r.FontSize = readInt(s, "FontSize", def.FontSize);
    // a size of no points is no size: the style's own takes its place, as a
    // text element's does (ElementRecords)
    if (r.FontSize <= 0)
        r.FontSize = def.FontSize;
    r.FontColor = readInt(s, "FontColor", def.FontColor);
    auto flag = [&s](const char *name) { return s.value(QLatin1String(name)).toString() == QLatin1String("True"); };
    r.FontStyle = (flag("FontBold") ? fbBold : 0) | (flag("FontItalic") ? fbItalic : 0)
                  | (flag("FontUnderline") ? fbUnderline : 0) | (flag("FontStrikeout") ? fbStrikeout : 0);
    r.Angle = readInt(s, "Angle", def.Angle);
    r.Transparent = flag("Transparent");
    r.BackColor = readInt(s, "BackColor", def.BackColor);
    r.X = readPosition(s.value(QStringLiteral("X")));
    r.Y = readPosition(s.value(QStringLiteral("Y")));
    return r;
}

void WriteStyle(int n, const TTextStyleRecord &style)
{
    float x = style.X;
    float y = style.Y;
    if (n == stLeftSpine && x == -1.0f) {
        x = 0.02f;
        y = 0.02f;
    } else if (n == stRightSpine && x == -1.0f) {
        x = rightSpineX();
        y = 0.02f;
    }
    const std::unique_ptr<QSettings> store = TVKRegistry::OpenStore();
    if (!store)
        return;
    QSettings &s = *store;
    s.beginGroup(styleGroup(n));
    s.setValue(QStringLiteral("Name"), style.Name);
    s.setValue(QStringLiteral("FontName"), style.FontName);
    s.setValue(QStringLiteral("FontSize"), QString::number(style.FontSize));
    s.setValue(QStringLiteral("FontColor"), QString::number(style.FontColor));
    s.setValue(QStringLiteral("FontBold"), boolText(style.FontStyle & fbBold));
    s.setValue(QStringLiteral("FontItalic"), boolText(style.FontStyle & fbItalic));
    s.setValue(QStringLiteral("FontUnderline"), boolText(style.FontStyle & fbUnderline));
    s.setValue(QStringLiteral("FontStrikeout"), boolText(style.FontStyle & fbStrikeout));
    s.setValue(QStringLiteral("Angle"), QString::number(style.Angle));
    s.setValue(QStringLiteral("Transparent"), boolText(style.Transparent));
    s.setValue(QStringLiteral("BackColor"), QString::number(style.BackColor));
    s.setValue(QStringLiteral("X"), StyleNumberText(x));
    s.setValue(QStringLiteral("Y"), StyleNumberText(y));
    s.endGroup();
    TVKRegistry::SyncStore(s);
}

void ResetStyles(TCoverSettings &settings)
{
    for (int n = 0; n < StyleCount; ++n)
        settings.Styles[n] = DefaultStyle(n);
}

QStringList LoadStyles(TCoverSettings &settings)
{
    for (int n = 0; n < StyleCount; ++n)
        settings.Styles[n] = ReadStyle(n);
    QStringList names{QString()};
    for (int n = 0; n < StyleCount && !settings.Styles[n].Name.isEmpty(); ++n)
        names.append(settings.Styles[n].Name);
    return names;
}

QString StyleNumberText(float value)
{
    // The shortest decimal form of the float tells how many significant
    // digits the user's format needs.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    int digits = 0;
    bool leading = true;
    for (const char *p = buf; p != res.ptr; ++p) {
        if (*p == 'e' || *p == 'E')
            break;
        if (*p < '0' || *p > '9')
            continue;
        if (leading && *p == '0')
            continue;
        leading = false;
        ++digits;
    }
    QLocale loc;
    loc.setNumberOptions(loc.numberOptions() | QLocale::OmitGroupSeparator);
    return loc.toString(static_cast<double>(value), 'g', std::max(digits, 1));
}
