#include "TVKRegistry.h"

#include "SafeFiles.h"
#include "VelMeasureRoutines.h"
#include "XdgFileTypes.h"
#include "uResource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

namespace TVKRegistry {

namespace {

const QString PreferencesGroup = QStringLiteral("Preferences");
const QString RoundLabelGroup = QStringLiteral("Preferences/RoundLabel");

// ---- problems, for one message ------------------------------------------

struct TProblems {
    QString File;            // the settings file they concern
    QString NotKept;         // the sentence about a file that cannot be used or written
    bool NotKeptTold = false; // noted since the last successful write
    QStringList Replaced;    // one line per value replaced
    std::function<void(const QString &)> Reporter;
};

TProblems &Problems()
{
    static TProblems problems;
    // Another settings file (a test's, or a changed configuration folder)
    // starts afresh.
    const QString file = SettingsFilePath();
    if (problems.File != file) {
        problems.File = file;
        problems.NotKept.clear();
        problems.NotKeptTold = false;
        problems.Replaced.clear();
    }
    return problems;
}

void Tell()
{
    // A reporter that shows a message runs the event loop, where more may
    // be noted: that waits for the next message.
    static bool telling = false;
    if (telling || !Problems().Reporter)
        return;
    const QString text = TakeSettingsReport();
    if (text.isEmpty())
        return;
    telling = true;
    Problems().Reporter(text);
    telling = false;
}

void NoteNotKept(const QString &sentence)
{
    TProblems &p = Problems();
    if (p.NotKeptTold)
        return;
    p.NotKeptTold = true;
    p.NotKept = sentence;
    Tell();
}

void NoteReplaced(const QString &line)
{
    TProblems &p = Problems();
    if (!p.Replaced.contains(line))
        p.Replaced << line;
    Tell();
}

QString InvalidTypeText(const QString &name)
{
    return QStringLiteral("Invalid data type for '%1'").arg(name);
}

// ---- the store ----------------------------------------------------------

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

// Reads one value; an invalid QVariant when absent or when the store cannot
// be used.
QVariant readValue(const QString &group, const QString &name)
{
    auto s = OpenStore();
    if (!s)
        return {};
    s->beginGroup(group);
    return s->value(name);
}

void writeValue(const QString &group, const QString &name, const QVariant &value)
{
    auto s = OpenStore();
    if (!s)
        return;
    s->beginGroup(group);
    s->setValue(name, value);
    s->endGroup();
    SyncStore(*s);
}

std::optional<QString> toStringValue(const QVariant &v)
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
        return std::nullopt;
    }
}

std::optional<int> toIntValue(const QVariant &v)
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
        return std::nullopt;
    return r;
}

std::optional<bool> toBoolValue(const QVariant &v)
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
    const std::optional<int> i = toIntValue(v);
    if (!i)
        return std::nullopt;
    return *i != 0;
}

std::optional<double> toDoubleValue(const QVariant &v)
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
        return std::nullopt;
    return r;
}

// The value read as T, or the default when it is of another type (noted).
template <typename T>
T orDefault(const std::optional<T> &value, const QString &name, const T &def)
{
    if (value)
        return *value;
    NoteReplaced(Str(9750).arg(InvalidTypeText(name)));
    return def;
}

QString homeFolder()
{
    return QDir::toNativeSeparators(QDir::homePath() + QLatin1Char('/'));
}

struct TLabelEntry {
    const char *name;
    double value;
    double low;
    double high;
};

const TLabelEntry *labelEntry(const QString &name)
{
    using VelMeasureRoutines::CmToInches;
    static const double sheet = MaxSheetInches;
    static const TLabelEntry table[] = {
        {"RoundLabel", CmToInches(11.5f), CmToInches(1.0f), CmToInches(30.0f)},
        {"InnerCircle", CmToInches(4.5f), 0.0, CmToInches(30.0f)},
        {"NumberPerPage", 2.0, 1.0, 3.0},
        {"XMargin0", CmToInches(4.8f), 0.0, sheet},
        {"YMargin0", CmToInches(2.2f), 0.0, sheet},
        {"XMargin1", CmToInches(4.8f), 0.0, sheet},
        {"YMargin1", CmToInches(16.3f), 0.0, sheet},
        {"XMargin2", 0.0, 0.0, sheet},
        {"YMargin2", 0.0, 0.0, sheet},
        {"XPrinterMargin", 0.2, 0.0, sheet},
        {"YPrinterMargin", 0.5, 0.0, sheet},
    };
    for (const TLabelEntry &e : table)
        if (name == QLatin1String(e.name))
            return &e;
    return nullptr;
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
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Renvald/Tarvik.conf");
}

QString UnusableSettingsFileReason(const QString &path)
{
    const SafeFiles::TFileInfo f = SafeFiles::Inspect(path);
    switch (f.Kind) {
    case SafeFiles::TFileKind::Missing:
        // QSaveFile would make the file a link leads to, wherever it is
        return f.IsLink ? Str(9705) : QString();
    case SafeFiles::TFileKind::Regular:
        // writes replace the file a link leads to, which must stay beside it
        if (f.IsLink
            && QFileInfo(QFileInfo(path).canonicalFilePath()).absolutePath()
                   != QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath())
            return Str(9710);
        if (f.Size > MaxSettingsFileSize)
            return Str(9715).arg(MaxSettingsFileSize);
        return {};
    case SafeFiles::TFileKind::Directory:
        return Str(9720);
    default:
        return Str(9725);
    }
}

std::unique_ptr<QSettings> OpenStore()
{
    const QString path = SettingsFilePath();
    const QString unusable = UnusableSettingsFileReason(path);
    if (!unusable.isEmpty()) {
        NoteNotKept(Str(9700).arg(QDir::toNativeSeparators(path), unusable));
        return nullptr;
    }
    // One file by its path: the store is the user's own, and no
    // organisation-wide or system file may answer for it.
    auto s = std::make_unique<QSettings>(path, QSettings::IniFormat);
    s->setFallbacksEnabled(false);
    return s;
}

bool SyncStore(QSettings &store)
{
    store.sync();
    // only AccessError means the write failed: a file with a format error
    // is rewritten whole, and its status stays FormatError
    if (store.status() == QSettings::AccessError) {
        const QString file = QDir::toNativeSeparators(store.fileName());
        const QFileInfo folder(QFileInfo(store.fileName()).absolutePath());
        const QString why = !folder.exists() || folder.isWritable()
            ? Str(9735)
            : Str(9740).arg(QDir::toNativeSeparators(folder.filePath()));
        NoteNotKept(Str(9730).arg(file, why));
        return false;
    }
    Problems().NotKeptTold = false;
    return true;
}

QString TakeSettingsReport()
{
    TProblems &p = Problems();
    QStringList parts;
    if (!p.NotKept.isEmpty())
        parts << p.NotKept;
    if (!p.Replaced.isEmpty())
        parts << Str(9745).arg(QDir::toNativeSeparators(p.File), p.Replaced.join(QLatin1Char('\n')));
    p.NotKept.clear();
    p.Replaced.clear();
    return parts.join(QStringLiteral("\n\n"));
}

void SetSettingsReporter(std::function<void(const QString &)> reporter)
{
    Problems().Reporter = std::move(reporter);
    Tell();
}

void ForgetSettingsProblems()
{
    TProblems &p = Problems();
    p.NotKept.clear();
    p.NotKeptTold = false;
    p.Replaced.clear();
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

namespace {

QString defaultPreference(int index)
{
    switch (index) {
    case prFileOpenDir:
    case prFileSaveDir:
    case prImageOpenDir: return homeFolder();
    case prDefaultUdm: return QStringLiteral("Inches");
    case prNewInstall: return QStringLiteral("True");
    case prArtistBeforeTitle: return QStringLiteral("True");
    case prPrintCuttingGuides: return QStringLiteral("0");
    case prPrintSeparationLines: return QStringLiteral("1");
    case prPrintPortrait: return QStringLiteral("0");
    default: return {};
    }
}

} // namespace

QString ReadPreference(int index)
{
    const QString name = PreferenceName(index);
    if (name.isEmpty())
        return {};
    const QVariant v = readValue(PreferencesGroup, name);
    if (!v.isValid())
        return PreferenceDefault(index);
    // a value of another type stays in the file as it is
    return orDefault(toStringValue(v), name, defaultPreference(index));
}

QString PreferenceDefault(int index)
{
    if (PreferenceName(index).isEmpty())
        return {};
    const QString def = defaultPreference(index);
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
    const TLabelEntry *entry = labelEntry(name);
    const QVariant v = readValue(labelGroup(name), name);
    if (!v.isValid()) {
        if (!entry)
            return 0;
        WriteLabelSetting(name, entry->value);
        return entry->value;
    }
    const double value = orDefault(toDoubleValue(v), name, entry ? entry->value : 0.0);
    if (!entry || (value >= entry->low && value <= entry->high))
        return value;
    // A length far outside its range would overflow the geometry computed
    // from it; the nearest sane length takes its place.
    const double clamped = std::clamp(value, entry->low, entry->high);
    const QString unit = name == QLatin1String("NumberPerPage") ? QString() : QLatin1Char(' ') + Str(6130);
    NoteReplaced(Str(9755).arg(name, QString::number(value), QString::number(entry->low),
                               QString::number(entry->high), unit, QString::number(clamped)));
    return clamped;
}

void WriteLabelSetting(const QString &name, double value)
{
    writeValue(labelGroup(name), name, value);
}

QString ReadRegString(const QString &rootPath, const QString &subKey, const QString &name, const QString &def)
{
    const QVariant v = readValue(groupOf(rootPath, subKey), name);
    return v.isValid() ? orDefault(toStringValue(v), name, def) : def;
}

int ReadRegInteger(const QString &rootPath, const QString &subKey, const QString &name, int def)
{
    const QVariant v = readValue(groupOf(rootPath, subKey), name);
    return v.isValid() ? orDefault(toIntValue(v), name, def) : def;
}

bool ReadRegBool(const QString &rootPath, const QString &subKey, const QString &name, bool def)
{
    const QVariant v = readValue(groupOf(rootPath, subKey), name);
    return v.isValid() ? orDefault(toBoolValue(v), name, def) : def;
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
