#include "TVKRegistry.h"

#include "TarvikError.h"
#include "VelMeasureRoutines.h"
#include "XdgFileTypes.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStringList>

#include <cmath>
#include <memory>

namespace TVKRegistry {

namespace {

const QString PreferencesGroup = QStringLiteral("Preferences");
const QString RoundLabelGroup = QStringLiteral("Preferences/RoundLabel");

std::unique_ptr<QSettings> openStore()
{
    auto s = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                         QStringLiteral("Renvald"), QStringLiteral("Tarvik"));
    // The store is the user's own key: no organisation-wide or system file
    // may answer for it.
    s->setFallbacksEnabled(false);
    return s;
}

// "\Software\Renvald\Tarvik\" + "FreeDB" -> "FreeDB"; "Preferences\Styles\4"
// -> "Preferences/Styles/4". The program's own key is the store itself.
QString groupOf(const QString &rootPath, const QString &subKey)
{
    QString path = rootPath + subKey;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    static const QStringList programKey = {QStringLiteral("Software"), QStringLiteral("Renvald"),
                                           QStringLiteral("Tarvik")};
    bool underProgramKey = parts.size() >= programKey.size();
    for (qsizetype i = 0; underProgramKey && i < programKey.size(); ++i)
        underProgramKey = parts[i].compare(programKey[i], Qt::CaseInsensitive) == 0;
    if (underProgramKey)
        parts.remove(0, programKey.size());
    return parts.join(QLatin1Char('/'));
}

[[noreturn]] void invalidType(const QString &name)
{
    throw ETarvikError(QStringLiteral("Invalid data type for '%1'").arg(name));
}

// Reads one value; an invalid QVariant when absent.
QVariant readValue(const QString &group, const QString &name)
{
    auto s = openStore();
    s->beginGroup(group);
    return s->value(name);
}

void writeValue(const QString &group, const QString &name, const QVariant &value)
{
    auto s = openStore();
    s->beginGroup(group);
    s->setValue(name, value);
    s->endGroup();
    s->sync();
    // only AccessError means the write failed: a file with a format error
    // is rewritten whole, and its status stays FormatError
    if (s->status() == QSettings::AccessError)
        throw ETarvikError(QStringLiteral("Failed to set data for '%1'").arg(name));
}

QString toStringValue(const QVariant &v, const QString &name)
{
    switch (v.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
        return v.toString();
    case QMetaType::QStringList:
        // an unquoted comma in a hand-edited file splits the text into a list
        return v.toStringList().join(QLatin1Char(','));
    default:
        invalidType(name);
    }
}

int toIntValue(const QVariant &v, const QString &name)
{
    bool ok = false;
    int r = 0;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        r = v.toInt(&ok);
        break;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        r = v.toString().trimmed().toInt(&ok, 10);
        break;
    default:
        break;
    }
    if (!ok)
        invalidType(name);
    return r;
}

bool toBoolValue(const QVariant &v, const QString &name)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray) {
        const QString s = v.toString().trimmed();
        if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return toIntValue(v, name) != 0;
}

double toDoubleValue(const QVariant &v, const QString &name)
{
    bool ok = false;
    double r = 0;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        r = v.toDouble(&ok);
        break;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        r = v.toString().trimmed().toDouble(&ok);
        break;
    default:
        break;
    }
    // geometry is computed from these values: "nan" and "inf" are no lengths
    if (!ok || !std::isfinite(r))
        invalidType(name);
    return r;
}

QString homeFolder()
{
    return QDir::toNativeSeparators(QDir::homePath() + QLatin1Char('/'));
}

bool labelDefault(const QString &name, double *value)
{
    using VelMeasureRoutines::CmToInches;
    struct Entry {
        const char *name;
        double value;
    };
    static const Entry table[] = {
        {"RoundLabel", CmToInches(11.5f)},
        {"InnerCircle", CmToInches(4.5f)},
        {"NumberPerPage", 2.0},
        {"XMargin0", CmToInches(4.8f)},
        {"YMargin0", CmToInches(2.2f)},
        {"XMargin1", CmToInches(4.8f)},
        {"YMargin1", CmToInches(16.3f)},
        {"XMargin2", 0.0},
        {"YMargin2", 0.0},
        {"XPrinterMargin", 0.2},
        {"YPrinterMargin", 0.5},
    };
    for (const Entry &e : table) {
        if (name == QLatin1String(e.name)) {
            *value = e.value;
            return true;
        }
    }
    return false;
}

QString labelGroup(const QString &name)
{
    if (name == QLatin1String("XPrinterMargin") || name == QLatin1String("YPrinterMargin"))
        return PreferencesGroup;
    return RoundLabelGroup;
}

} // namespace

QString SettingsFilePath()
{
    return openStore()->fileName();
}

QString PreferenceName(int index)
{
    static const char *const names[] = {
        "CDDBFolder", "FileOpenDir", "FileSaveDir", "ImageOpenDir", "DefaultUdm",
        "NewInstall", "ArtistBeforeTitle", "PrintCuttingGuides", "PrintSeparationLines", "PrintPortrait",
    };
    if (index < 0 || index >= int(std::size(names)))
        return {};
    return QLatin1String(names[index]);
}

QString ReadPreference(int index)
{
    const QString name = PreferenceName(index);
    if (name.isEmpty())
        return {};
    const QVariant v = readValue(PreferencesGroup, name);
    if (!v.isValid())
        return PreferenceDefault(index);
    return toStringValue(v, name);
}

QString PreferenceDefault(int index)
{
    QString def;
    switch (index) {
    case prCDDBFolder: def = QString(); break;
    case prFileOpenDir:
    case prFileSaveDir:
    case prImageOpenDir: def = homeFolder(); break;
    case prDefaultUdm: def = QStringLiteral("Inches"); break;
    case prNewInstall: def = QStringLiteral("True"); break;
    case prArtistBeforeTitle: def = QStringLiteral("True"); break;
    case prPrintCuttingGuides: def = QStringLiteral("0"); break;
    case prPrintSeparationLines: def = QStringLiteral("1"); break;
    case prPrintPortrait: def = QStringLiteral("0"); break;
    default: return {};
    }
    WritePreference(index, def);
    return def;
}

void WritePreference(int index, const QString &value)
{
    const QString name = PreferenceName(index);
    if (name.isEmpty())
        return;
    writeValue(PreferencesGroup, name, value);
}

double ReadLabelSetting(const QString &name)
{
    const QVariant v = readValue(labelGroup(name), name);
    if (v.isValid())
        return toDoubleValue(v, name);
    double def = 0;
    if (!labelDefault(name, &def))
        return 0;
    WriteLabelSetting(name, def);
    return def;
}

void WriteLabelSetting(const QString &name, double value)
{
    writeValue(labelGroup(name), name, value);
}

QString ReadRegString(const QString &rootPath, const QString &subKey, const QString &name, const QString &def)
{
    const QVariant v = readValue(groupOf(rootPath, subKey), name);
    return v.isValid() ? toStringValue(v, name) : def;
}

int ReadRegInteger(const QString &rootPath, const QString &subKey, const QString &name, int def)
{
    const QVariant v = readValue(groupOf(rootPath, subKey), name);
    return v.isValid() ? toIntValue(v, name) : def;
}

bool ReadRegBool(const QString &rootPath, const QString &subKey, const QString &name, bool def)
{
    const QVariant v = readValue(groupOf(rootPath, subKey), name);
    return v.isValid() ? toBoolValue(v, name) : def;
}

void WriteRegString(const QString &rootPath, const QString &subKey, const QString &name, const QString &value)
{
    writeValue(groupOf(rootPath, subKey), name, value);
}

void WriteRegInteger(const QString &rootPath, const QString &subKey, const QString &name, int value)
{
    writeValue(groupOf(rootPath, subKey), name, value);
}

void WriteRegBool(const QString &rootPath, const QString &subKey, const QString &name, bool value)
{
    writeValue(groupOf(rootPath, subKey), name, value);
}

void RegisterFileType(const QString &ext, const QString &programPath, int iconIndex, const QString &description)
{
    Q_UNUSED(iconIndex);
    XdgFileTypes::Register(ext, programPath, description);
}

void AssociateFileTypes()
{
    const QString program = QCoreApplication::applicationFilePath();
    RegisterFileType(QStringLiteral("tvk"), program, 2, QStringLiteral("Tarvik file"));
    RegisterFileType(QStringLiteral("tvt"), program, 1, QStringLiteral("Tarvik template"));
}

void FirstRunSetup()
{
    if (ReadPreference(prNewInstall) == QLatin1String("True")) {
        WritePreference(prNewInstall, QStringLiteral("False"));
        AssociateFileTypes();
    }
}

} // namespace TVKRegistry
