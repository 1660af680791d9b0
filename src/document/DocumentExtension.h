#pragma once
// The UTF-8 extension block: the texts, font names and picture paths of the
// used slots, whole. The record keeps its single-byte strings in a code page
// (a character the code page lacks becomes '?', a path is cut at 255 bytes)
// so that everything that reads the record reads it as before; the block
// travels after the record, where readers of the record do not look (inside
// a document's compressed stream; beside the clipboard's fixed block), and
// this program takes the full strings back from it.
//
// Layout, numbers little-endian:
//    0   4  "TVKu"
//    4   2  version, 1
//    6   4  payload length n
//   10   4  CRC-32 of the payload
//   14   n  payload: the code page (2 bytes) the record's strings were
//           written in, then entries of kind (1 byte: 1 text slot, 2 image
//           slot), slot (1 byte), data length m (2 bytes) and m data bytes:
//             text:  text, font name
//             image: picture path
//           each string a length (2 bytes) and that many bytes of UTF-8.
// A reader skips entries of a kind it does not know.
//
// The block is read as hostile input: every length is checked against what
// is there and against the bounds below before anything is taken.

#include "CDDataTypes.h"

#include <QByteArray>
#include <QByteArrayView>

#include <array>

namespace DocumentExtension {

// The largest block, header included: far above what 101 texts and 51
// paths at their bounds need (about 340 KB).
constexpr qsizetype MaxBlockBytes = qsizetype(512) << 10;
// A text and a font name hold at most as many UTF-16 units as an element
// holds; a path at most the bytes of the longest path the system opens.
constexpr int MaxTextChars = 255;
constexpr int MaxFontNameChars = 50;
constexpr int MaxPathBytes = 4096;

using TTexts = std::array<TTextElementRecord, TextSlotCount>;
using TImages = std::array<TImageElementRecord, ImageSlotCount>;

// The block for every used slot (a text slot with a text, an image slot
// with a path); the strings cut to the bounds above. `codePage` is the one
// the record's strings are written in.
QByteArray PackExtensionBlock(const TTexts &texts, const TImages &images, int codePage = CurrentCodePage());

// Takes the full strings back into the records read from the same place.
// A slot takes its entry only when the entry is whole, within the bounds,
// valid UTF-8, and matches the slot: the slot is used and its record
// strings are the code-page form of the entry's (the block's code page
// written, `codePage` read). Everything else is ignored: no block, another
// version, a damaged or cut block (a slot then keeps its record strings),
// an entry that does not match. Returns how many slots took an entry.
int ApplyExtensionBlock(TTexts &texts, TImages &images, QByteArrayView block, int codePage = CurrentCodePage());

} // namespace DocumentExtension
