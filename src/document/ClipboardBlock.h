#pragma once
// Copied elements on the clipboard, without any window: the selection's
// records in the 52760-byte block (TTarvikData) under the program's private
// format, the records' strings whole beside it (the UTF-8 extension block of
// documents), and the copied texts as plain text for other programs.
//
// A block on the clipboard may come from any program: it is read exactly as
// a document file's records are (UnpackTarvikData sanitises every field),
// and only positions whose kind is 0 or 1 and whose record is used paste
// anything.

#include "CDDataTypes.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

class QMimeData;

namespace ClipboardBlock {

// The private format: "CF_TarvikData", the name every running copy of the
// program registers on Windows.
QString MimeType();
// The block's strings in full (DocumentExtension) beside it; a program
// that knows only the block ignores it.
QString ExtensionMimeType();

// One selected element, as its record.
struct TCopiedElement {
    bool IsImage = false;
    TTextElementRecord Text;   // when !IsImage
    TImageElementRecord Image; // when IsImage
};

// Whether an element of this kind at selection position `position` has a
// record in the block: any element only below MaxElements, an image only
// below ImageSlotCount.
bool FitsBlock(bool isImage, int position);

// The container of a selection in selection order: Count, the two counts,
// Kinds, and each element's record at its position; the others stay zero.
// Empty when an element does not fit the block (FitsBlock): such a
// selection cannot be described, so nothing of it is copied.
std::optional<TTarvikData> BlockOfSelection(const std::vector<TCopiedElement> &elements);

// The texts of the block in position order, one a line (images have none).
QString PlainText(const TTarvikData &data);

// Puts the block, its extension block and, when it holds texts, PlainText
// into `mime`.
void WriteMimeData(QMimeData &mime, const TTarvikData &data, int codePage = CurrentCodePage());

struct TReadResult {
    enum TStatus {
        Ok,         // Data holds the block
        NoBlock,    // the clipboard has no private format
        ShortBlock, // the private format with fewer than TTarvikData::Size bytes
    };
    TStatus Status = NoBlock;
    TTarvikData Data; // all zero unless Ok
};

// The block on the clipboard, sanitised, its strings completed from the
// extension block where that matches. A block longer than the whole (a
// system may round blocks up) counts with its first TTarvikData::Size bytes.
TReadResult ReadMimeData(const QMimeData *mime, int codePage = CurrentCodePage());
TReadResult ReadBlock(QByteArrayView block, QByteArrayView extension, int codePage = CurrentCodePage());

// What a paste builds, in position order: each position below Count whose
// kind is 0 (a text) or 1 (an image) and whose record is used (a text, a
// picture path). Kinds that name nothing and empty records build nothing.
struct TPasteItem {
    bool IsImage = false;
    int Position = 0;
};
std::vector<TPasteItem> PasteItems(const TTarvikData &data);

} // namespace ClipboardBlock
