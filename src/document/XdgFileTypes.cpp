#include "XdgFileTypes.h"

#include "ShippedData.h"
#include "TarvikError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <functional>

namespace XdgFileTypes {

namespace {

struct TMimeType {
    QString type;
    QString comment;
    QStringList globs;
};

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString configHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString readText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void writeFile(const QString &path, const QByteArray &content)
{
    QSaveFile f(path);
    const bool ok = QDir().mkpath(QFileInfo(path).absolutePath()) && f.open(QIODevice::WriteOnly)
                    && f.write(content) == content.size() && f.commit();
    if (!ok)
        throw ETarvikError(QStringLiteral("Failed to set data for '%1'").arg(path));
}

// The types of a package's text; a damaged package counts as empty.
QList<TMimeType> parsePackage(const QString &text)
{
    QList<TMimeType> types;
    QXmlStreamReader xml(text);
    TMimeType *current = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("mime-type")) {
                types.append({xml.attributes().value(QLatin1String("type")).toString(), {}, {}});
                current = &types.last();
            } else if (current && xml.name() == QLatin1String("comment")
                       && xml.attributes().value(QLatin1String("xml:lang")).isEmpty()) {
                current->comment = xml.readElementText();
            } else if (current && xml.name() == QLatin1String("glob")) {
                current->globs.append(xml.attributes().value(QLatin1String("pattern")).toString());
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("mime-type")) {
            current = nullptr;
        }
    }
    if (xml.hasError())
        return {};
    return types;
}

QByteArray packageXml(const QList<TMimeType> &types)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("mime-info"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    for (const TMimeType &t : types) {
        xml.writeStartElement(QStringLiteral("mime-type"));
        xml.writeAttribute(QStringLiteral("type"), t.type);
        xml.writeTextElement(QStringLiteral("comment"), t.comment);
        for (const QString &g : t.globs) {
            xml.writeEmptyElement(QStringLiteral("glob"));
            xml.writeAttribute(QStringLiteral("pattern"), g);
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

// The value of `key` in desktop entry text, or a null string.
QString desktopValue(const QString &text, const QString &key)
{
    const QString prefix = key + QLatin1Char('=');
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return {};
}

// MimeType entries of an existing desktop entry, in their order.
QStringList desktopMimeTypes(const QString &path)
{
    return desktopValue(readText(path), QStringLiteral("MimeType")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QByteArray desktopEntry(const QString &exec, const QStringList &mimeTypes)
{
    QString s;
    s += QLatin1String("[Desktop Entry]\n");
    s += QLatin1String("Type=Application\n");
    s += QLatin1String("Name=Tarvik\n");
    s += QLatin1String("Comment=Design and print CD covers and disc labels\n");
    s += QLatin1String("Exec=") + exec + QLatin1Char('\n');
    s += QLatin1String("Icon=tarvik\n");
    s += QLatin1String("Terminal=false\n");
    s += QLatin1String("Categories=Graphics;Office;\n");
    s += QLatin1String("MimeType=") + mimeTypes.join(QLatin1Char(';')) + QLatin1String(";\n");
    return s.toUtf8();
}

// Removes a per-user file this registration wrote, when its content is
// exactly what `rewrite` makes of it; true when it was removed. The
// installed file itself (a program installed into ~/.local) is never taken.
bool removeIfUnchanged(const QString &path, const QString &installedPath,
                       const std::function<QByteArray(const QString &)> &rewrite)
{
    if (QFileInfo(path).canonicalFilePath() == QFileInfo(installedPath).canonicalFilePath())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = f.readAll();
    f.close();
    return content == rewrite(QString::fromUtf8(content)) && QFile::remove(path);
}

void runIfInstalled(const QString &program, const QString &folder)
{
    const QString exe = QStandardPaths::findExecutable(program);
    if (exe.isEmpty())
        return;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(exe, {folder});
    if (p.waitForStarted(5000) && !p.waitForFinished(30000))
        p.kill(); // a refresh that hangs must not hang the program
    p.waitForFinished(1000);
}

} // namespace

QString MimeTypeOfExtension(const QString &ext)
{
    const QString e = ext.toLower();
    if (e == QLatin1String("tvk"))
        return QStringLiteral("application/x-tarvik");
    if (e == QLatin1String("tvt"))
        return QStringLiteral("application/x-tarvik-template");
    return QStringLiteral("application/x-tarvik-") + e;
}

QString DesktopExec(const QString &programPath)
{
    // Inside the quotes `"`, `` ` ``, `$` and `\` take a backslash; the value
    // as a whole escapes its backslashes once more and doubles `%`.
    QString quoted;
    for (const QChar c : programPath) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('%'), QLatin1String("%%"));
    return QLatin1Char('"') + quoted + QLatin1String("\" %f");
}

QString SetDefaultApplication(const QString &mimeAppsList, const QString &mimeType, const QString &desktopFile)
{
    QStringList lines = mimeAppsList.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QString entry = mimeType + QLatin1Char('=') + desktopFile;

    qsizetype section = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed() == QLatin1String("[Default Applications]")) {
            section = i;
            break;
        }
    }
    if (section < 0) {
        if (!lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(QStringLiteral("[Default Applications]"));
        lines.append(entry);
        return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    qsizetype lastEntry = section;
    for (qsizetype i = section + 1; i < lines.size(); ++i) {
        const QString t = lines[i].trimmed();
        if (t.startsWith(QLatin1Char('[')))
            break;
        if (!t.isEmpty())
            lastEntry = i;
        if (t.section(QLatin1Char('='), 0, 0).trimmed() == mimeType) {
            lines[i] = entry;
            return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
        }
    }
    lines.insert(lastEntry + 1, entry);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString InstalledDesktopEntry(const QString &programPath)
{
    return ShippedData::InstalledShareFolder(QFileInfo(programPath).absolutePath()) + QLatin1String("/applications/")
           + DesktopFileName;
}

namespace {

QString installedPackage(const QString &programPath)
{
    return ShippedData::InstalledShareFolder(QFileInfo(programPath).absolutePath())
           + QLatin1String("/mime/packages/tarvik.xml");
}

} // namespace

void Register(const QString &extension, const QString &programPath, const QString &description)
{
    QString ext = extension.toLower();
    while (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    const QString type = MimeTypeOfExtension(ext);
    const QString data = dataHome();
    const QString packagePath = data + QLatin1String("/mime/packages/tarvik.xml");
    const QString desktopPath = data + QLatin1String("/applications/") + DesktopFileName;

    bool packageChanged = false;
    bool entryChanged = false;
    if (QFileInfo::exists(InstalledDesktopEntry(programPath))) {
        packageChanged = removeIfUnchanged(packagePath, installedPackage(programPath), [](const QString &text) {
            return packageXml(parsePackage(text));
        });
        entryChanged = removeIfUnchanged(desktopPath, InstalledDesktopEntry(programPath), [](const QString &text) {
            return desktopEntry(desktopValue(text, QStringLiteral("Exec")),
                                desktopValue(text, QStringLiteral("MimeType")).split(QLatin1Char(';'), Qt::SkipEmptyParts));
        });
    } else {
        QList<TMimeType> types = parsePackage(readText(packagePath));
        const TMimeType mine{type, description, {QStringLiteral("*.") + ext}};
        bool replaced = false;
        for (TMimeType &t : types) {
            if (t.type == type) {
                t = mine;
                replaced = true;
            }
        }
        if (!replaced)
            types.append(mine);
        writeFile(packagePath, packageXml(types));

        QStringList mimeTypes = desktopMimeTypes(desktopPath);
        if (!mimeTypes.contains(type))
            mimeTypes.append(type);
        writeFile(desktopPath, desktopEntry(DesktopExec(programPath), mimeTypes));
        packageChanged = entryChanged = true;
    }

    const QString mimeApps = configHome() + QLatin1String("/mimeapps.list");
    writeFile(mimeApps, SetDefaultApplication(readText(mimeApps), type, DesktopFileName).toUtf8());

    if (packageChanged)
        runIfInstalled(QStringLiteral("update-mime-database"), data + QLatin1String("/mime"));
    if (entryChanged)
        runIfInstalled(QStringLiteral("update-desktop-database"), data + QLatin1String("/applications"));
}

} // namespace XdgFileTypes
