#include "LanguageModule.h"

#include "EnglishStrings.h"
#include "ResourceFileCheck.h"
#include "TranslationFileCheck.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QResource>

#include <atomic>

namespace {

// A module's texts were read into a buffer of 256 characters; keep the cut,
// but never split a character made of two UTF-16 units.
QString cutToBuffer(QString text)
{
    constexpr qsizetype MaxLength = 255;
    if (text.size() > MaxLength)
        text.truncate(text.at(MaxLength - 1).isHighSurrogate() ? MaxLength - 1 : MaxLength);
    return text;
}

// The unpacked contents of a file inside a registered resource; empty when
// there is no such file.
QByteArray resourceFile(const QString &path)
{
    const QResource entry(path);
    if (!entry.isValid() || entry.uncompressedSize() > MaxResourceEntrySize)
        return {};
    return entry.uncompressedData();
}

QString nextResourceRoot()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("/tarvik-language/%1").arg(++counter);
}

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

bool readBounded(const QString &path, QByteArray *data, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists())
        return fail(error, QStringLiteral("the file does not exist"));
    if (!info.isFile())
        return fail(error, QStringLiteral("it is not a file"));
    if (info.size() > TLanguageModule::MaxFileSize)
        return fail(error, QStringLiteral("the file is too large"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    // bounded even if the file grows after the size was looked at
    *data = file.read(TLanguageModule::MaxFileSize + 1);
    if (data->size() > TLanguageModule::MaxFileSize)
        return fail(error, QStringLiteral("the file is too large"));
    return true;
}

} // namespace

std::unique_ptr<TLanguageModule> TLanguageModule::Load(const QString &path, QString *error)
{
    std::unique_ptr<TLanguageModule> module(new TLanguageModule);
    module->FFilePath = path;
    if (!readBounded(path, &module->FFileData, error))
        return nullptr;
    if (const QString problem = CheckResourceData(module->FFileData); !problem.isEmpty()) {
        fail(error, problem);
        return nullptr;
    }

    // The checked bytes themselves are registered (not the file again), so
    // what QResource reads is what was checked.
    module->FResourceRoot = nextResourceRoot();
    module->FRegistered = QResource::registerResource(
        reinterpret_cast<const uchar *>(module->FFileData.constData()), module->FResourceRoot);
    if (!module->FRegistered) {
        fail(error, QStringLiteral("it is not a resource file"));
        return nullptr;
    }

    const QString folder = QLatin1Char(':') + module->FResourceRoot + QStringLiteral("/TarvikLan/");
    module->FStrings = resourceFile(folder + QStringLiteral("strings.qm"));
    if (module->FStrings.isEmpty()) {
        fail(error, QStringLiteral("it holds no strings.qm"));
        return nullptr;
    }
    if (const QString problem = CheckTranslationData(module->FStrings); !problem.isEmpty()) {
        fail(error, problem);
        return nullptr;
    }
    if (!module->FTranslator.load(reinterpret_cast<const uchar *>(module->FStrings.constData()),
                                  int(module->FStrings.size()))) {
        fail(error, QStringLiteral("its strings.qm is not a translation file"));
        return nullptr;
    }
    module->FFlag = resourceFile(folder + QStringLiteral("flag.png"));
    return module;
}

TLanguageModule::~TLanguageModule()
{
    if (FRegistered)
        QResource::unregisterResource(reinterpret_cast<const uchar *>(FFileData.constData()), FResourceRoot);
}

QString TLanguageModule::Text(int id) const
{
    const QByteArray source = EnglishString(id).toUtf8();
    if (source.isEmpty())
        return {};
    return cutToBuffer(FTranslator.translate("Tarvik", source.constData(), QByteArray::number(id).constData()));
}

QImage TLanguageModule::Flag() const
{
    if (FFlag.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(FFlag);
    QImageReader reader(&buffer, "png");
    // a flag is a small picture; a huge one is not decoded at all
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > 1024 || size.height() > 1024)
        return {};
    return reader.read();
}
