#include "LabelSheetPresets.h"

#include "TVKRegistry.h"
#include "uPrintRoundLabel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A template file is a few hundred kilobytes; anything far larger is not one.
constexpr qint64 MaxTemplateFileSize = 8 * 1024 * 1024;
// No real sheet has more labels in a row or a column.
constexpr int MaxLayoutCount = 1000;

// A length with its unit, in inches; none for a malformed one.
std::optional<double> Length(QStringView text)
{
    text = text.trimmed();
    static const struct {
        const char *Unit;
        double PerInch;
    } units[] = {{"pt", 72.0}, {"in", 1.0}, {"mm", 25.4}, {"cm", 2.54}, {"pc", 6.0}};
    double perInch = 72.0; // a bare number is in points
    for (const auto &u : units) {
        if (text.endsWith(QLatin1String(u.Unit))) {
            text.chop(2);
            perInch = u.PerInch;
            break;
        }
    }
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value / perInch;
}

struct TLayout {
    int Nx = 0, Ny = 0;
    double X0 = 0, Y0 = 0, Dx = 0, Dy = 0;
};

struct TTemplate {
    QString Brand, Part, Equiv, Description, Paper;
    bool HasCd = false;
    bool Bad = false;
    double Radius = 0, Hole = 0, Width = 0, Height = 0; // Width/Height 0: not clipped
    QList<TLayout> Layouts;
};

std::optional<double> LengthAttr(const QXmlStreamAttributes &a, const char *name, bool required, bool *bad)
{
    if (!a.hasAttribute(QLatin1String(name))) {
        if (required)
            *bad = true;
        return std::nullopt;
    }
    const std::optional<double> v = Length(a.value(QLatin1String(name)));
    if (!v)
        *bad = true;
    return v;
}

void ReadLayout(const QXmlStreamAttributes &a, TTemplate &t)
{
    TLayout l;
    bool ok1 = false, ok2 = false;
    l.Nx = a.value(QLatin1String("nx")).toInt(&ok1);
    l.Ny = a.value(QLatin1String("ny")).toInt(&ok2);
    if (!ok1 || !ok2 || l.Nx < 1 || l.Ny < 1 || l.Nx > MaxLayoutCount || l.Ny > MaxLayoutCount) {
        t.Bad = true;
        return;
    }
    l.X0 = LengthAttr(a, "x0", true, &t.Bad).value_or(0);
    l.Y0 = LengthAttr(a, "y0", true, &t.Bad).value_or(0);
    l.Dx = LengthAttr(a, "dx", false, &t.Bad).value_or(0);
    l.Dy = LengthAttr(a, "dy", false, &t.Bad).value_or(0);
    t.Layouts << l;
}

std::optional<TLabelSheetPreset> Preset(const TTemplate &t)
{
    if (!t.HasCd || t.Bad || t.Layouts.isEmpty())
        return std::nullopt;
    TLabelSheetPreset p;
    p.Name = (t.Brand + QLatin1Char(' ') + t.Part).simplified();
    p.Description = t.Description.simplified();
    p.Paper = t.Paper;
    const double D = 2 * t.Radius, d = 2 * t.Hole;
    const double cm = 1 / 2.54;
    if (!(D >= MinLabelDiameterCm * cm && D <= MaxLabelDiameterCm * cm) || !(d >= 0 && d < D))
        return std::nullopt;
    p.OuterDiameter = float(D);
    p.InnerDiameter = float(d);
    // A clipped label (a business-card disc) is a w x h box around the disc.
    const double inX = t.Width > 0 ? (t.Width - D) / 2 : 0;
    const double inY = t.Height > 0 ? (t.Height - D) / 2 : 0;
    for (const TLayout &l : t.Layouts) {
        for (int iy = 0; iy < l.Ny && p.LabelsPerPage < MaxLabelsPerPage; ++iy) {
            for (int ix = 0; ix < l.Nx && p.LabelsPerPage < MaxLabelsPerPage; ++ix) {
                const double x = l.X0 + ix * l.Dx + inX, y = l.Y0 + iy * l.Dy + inY;
                if (!(x >= 0 && x <= TVKRegistry::MaxSheetInches && y >= 0 && y <= TVKRegistry::MaxSheetInches))
                    return std::nullopt;
                p.XMargin[size_t(p.LabelsPerPage)] = float(x);
                p.YMargin[size_t(p.LabelsPerPage)] = float(y);
                ++p.LabelsPerPage;
            }
        }
    }
    return p;
}

// The templates of one file, in file order; empty with *error for a file
// to skip.
QList<TTemplate> ReadTemplates(QIODevice &file, QString *error)
{
    QList<TTemplate> out;
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("Glabels-templates")) {
        if (error)
            *error = xml.hasError() ? xml.errorString() : QStringLiteral("not a label template file");
        return {};
    }
    TTemplate *current = nullptr;
    bool inCd = false;
    int depth = 1;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const QStringView name = xml.name();
            const QXmlStreamAttributes a = xml.attributes();
            if (depth == 2 && name == QLatin1String("Template")) {
                out.append(TTemplate());
                current = &out.last();
                current->Brand = a.value(QLatin1String("brand")).toString();
                current->Part = a.value(QLatin1String("part")).toString();
                // Files of the older format name a template in one piece.
                if (current->Brand.isEmpty() && current->Part.isEmpty())
                    current->Part = a.value(QLatin1String("name")).toString();
                current->Equiv = a.value(QLatin1String("equiv")).toString();
                current->Paper = a.value(QLatin1String("size")).toString();
                current->Description = a.hasAttribute(QLatin1String("_description"))
                    ? a.value(QLatin1String("_description")).toString()
                    : a.value(QLatin1String("description")).toString();
            } else if (current && depth == 3 && name == QLatin1String("Label-cd") && !current->HasCd) {
                current->HasCd = true;
                inCd = true;
                current->Radius = LengthAttr(a, "radius", true, &current->Bad).value_or(0);
                current->Hole = LengthAttr(a, "hole", true, &current->Bad).value_or(0);
                current->Width = LengthAttr(a, "w", false, &current->Bad).value_or(0);
                current->Height = LengthAttr(a, "h", false, &current->Bad).value_or(0);
            } else if (current && inCd && depth == 4 && name == QLatin1String("Layout")) {
                ReadLayout(a, *current);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (depth == 3)
                inCd = false;
            if (depth == 2)
                current = nullptr;
            --depth;
        }
    }
    if (xml.hasError()) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return {};
    }
    return out;
}

QList<TTemplate> ReadTemplateFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxTemplateFileSize)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ReadTemplates(file, nullptr);
}

// The presets of `templates`, equivalents resolved among them.
QList<TLabelSheetPreset> Presets(const QList<TTemplate> &templates)
{
    QHash<QString, const TTemplate *> byPart; // brand + '\n' + part
    for (const TTemplate &t : templates)
        if (t.Equiv.isEmpty())
            byPart.insert(t.Brand + QLatin1Char('\n') + t.Part, &t);
    QList<TLabelSheetPreset> out;
    for (const TTemplate &t : templates) {
        const TTemplate *sheet = &t;
        if (!t.Equiv.isEmpty()) {
            sheet = byPart.value(t.Brand + QLatin1Char('\n') + t.Equiv);
            if (!sheet)
                continue;
        }
        std::optional<TLabelSheetPreset> p = Preset(*sheet);
        if (!p)
            continue;
        if (sheet != &t) {
            p->Name = (t.Brand + QLatin1Char(' ') + t.Part).simplified();
            if (!t.Description.isEmpty())
                p->Description = t.Description.simplified();
        }
        out << *p;
    }
    return out;
}

} // namespace

std::array<float, 3> TLabelSheetPreset::XMarginFor(float diameter) const
{
    std::array<float, 3> m = XMargin;
    for (float &x : m)
        x = std::max(0.0f, x + (OuterDiameter - diameter) / 2);
    return m;
}

std::array<float, 3> TLabelSheetPreset::YMarginFor(float diameter) const
{
    std::array<float, 3> m = YMargin;
    for (float &y : m)
        y = std::max(0.0f, y + (OuterDiameter - diameter) / 2);
    return m;
}

QList<TLabelSheetPreset> ReadLabelTemplates(QIODevice &file, QString *error)
{
    return Presets(ReadTemplates(file, error));
}

QList<TLabelSheetPreset> ReadLabelSheetPresets(const QStringList &files)
{
    QList<TTemplate> templates;
    for (const QString &path : files)
        templates << ReadTemplateFile(path);
    QList<TLabelSheetPreset> presets = Presets(templates);
    std::stable_sort(presets.begin(), presets.end(), [](const TLabelSheetPreset &a, const TLabelSheetPreset &b) {
        return QString::localeAwareCompare(a.Name, b.Name) < 0;
    });
    // The same sheet installed twice (both designers' data) is listed once.
    presets.erase(std::unique(presets.begin(), presets.end(),
                              [](const TLabelSheetPreset &a, const TLabelSheetPreset &b) { return a.Name == b.Name; }),
                  presets.end());
    return presets;
}

QStringList LabelTemplateFiles()
{
    QStringList files;
    for (const char *folder : {"libglabels-3.0/templates", "glabels-qt/templates"}) {
        const QStringList dirs = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QLatin1String(folder),
                                                           QStandardPaths::LocateDirectory);
        for (const QString &dir : dirs) {
            const QFileInfoList entries =
                QDir(dir).entryInfoList({QStringLiteral("*.xml")}, QDir::Files | QDir::Readable, QDir::Name);
            for (const QFileInfo &f : entries)
                files << f.filePath();
        }
    }
    return files;
}
