#include "ClipboardBlock.h"

#include "DocumentExtension.h"

#include <QMimeData>
#include <QStringList>

#include <algorithm>

namespace ClipboardBlock {

QString MimeType()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"CF_TarvikData\"");
}

QString ExtensionMimeType()
{
    return QStringLiteral("application/x-tarvik-strings");
}

bool FitsBlock(bool isImage, int position)
{
    return position >= 0 && position < (isImage ? ImageSlotCount : TTarvikData::MaxElements);
}

std::optional<TTarvikData> BlockOfSelection(const std::vector<TCopiedElement> &elements)
{
    TTarvikData d;
    for (size_t i = 0; i < elements.size(); ++i) {
        const TCopiedElement &e = elements[i];
        const int position = static_cast<int>(i);
        if (!FitsBlock(e.IsImage, position))
            return std::nullopt;
        if (e.IsImage) {
            d.Kinds[position] = 1;
            d.Images[position] = e.Image;
            ++d.ImageCount;
        } else {
            d.Kinds[position] = 0;
            d.Texts[position] = e.Text;
            ++d.TextCount;
        }
    }
    d.Count = static_cast<std::int32_t>(elements.size());
    return d;
}

QString PlainText(const TTarvikData &data)
{
    QStringList lines;
    for (const TPasteItem &item : PasteItems(data))
        if (!item.IsImage)
            lines << data.Texts[item.Position].Text;
    return lines.join(QLatin1Char('\n'));
}

void WriteMimeData(QMimeData &mime, const TTarvikData &data, int codePage)
{
    mime.setData(MimeType(), PackTarvikData(data, codePage));
    mime.setData(ExtensionMimeType(), DocumentExtension::PackExtensionBlock(data.Texts, data.Images, codePage));
    const QString text = PlainText(data);
    if (!text.isEmpty())
        mime.setText(text);
}

TReadResult ReadBlock(QByteArrayView block, QByteArrayView extension, int codePage)
{
    TReadResult r;
    if (block.size() < TTarvikData::Size) {
        r.Status = TReadResult::ShortBlock;
        return r;
    }
    r.Status = TReadResult::Ok;
    r.Data = UnpackTarvikData(block.first(TTarvikData::Size), codePage);
    if (!extension.isEmpty())
        DocumentExtension::ApplyExtensionBlock(r.Data.Texts, r.Data.Images, extension, codePage);
    return r;
}

TReadResult ReadMimeData(const QMimeData *mime, int codePage)
{
    if (!mime || !mime->hasFormat(MimeType()))
        return {};
    const QByteArray block = mime->data(MimeType());
    const QByteArray extension = mime->data(ExtensionMimeType());
    return ReadBlock(block, extension, codePage);
}

std::vector<TPasteItem> PasteItems(const TTarvikData &data)
{
    std::vector<TPasteItem> items;
    const int count = std::clamp<int>(data.Count, 0, TTarvikData::MaxElements);
    for (int i = 0; i < count; ++i) {
        if (data.Kinds[i] == 0 && data.Texts[i].isUsed())
            items.push_back({false, i});
        else if (data.Kinds[i] == 1 && i < ImageSlotCount && data.Images[i].isUsed())
            items.push_back({true, i});
    }
    return items;
}

} // namespace ClipboardBlock
