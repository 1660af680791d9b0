#pragma once
// Document files: one zlib stream (made at level 1, so the file begins with
// 0x78 0x01) of the document's content, nothing before or after it. The
// content is the uncompressed record, and in files of this program the
// UTF-8 extension block after it (DocumentExtension).

#include <QByteArray>
#include <QByteArrayView>

// How much of what follows the record is expanded at most: room for the
// largest extension block.
constexpr qsizetype MaxTrailingBytes = qsizetype(512) << 10;

// The content as one zlib stream at compression level 1.
QByteArray CompressDocument(QByteArrayView content);

// The record inside a document file: the first TDocumentRecord::Size bytes
// of the expanded stream, or all of them when the file holds the older,
// shorter form. With `trailing`, what the stream holds after a whole record
// goes there, up to MaxTrailingBytes (empty for the older form and for a
// stream that ends with the record). Expansion stops there, so a small file
// that would expand to gigabytes costs no more than a real document; bytes
// beyond are neither expanded nor checked.
// Throws ETarvikError "error" for data that is not a zlib stream, a stream
// damaged within what is expanded (or whose checksum does not match when it
// ends there), a stream cut before the record ends, and a stream that holds
// fewer than TDocumentRecord::OlderSize bytes. A stream cut after the record
// gives the record and what came of the rest.
QByteArray ExpandDocument(QByteArrayView file, QByteArray *trailing = nullptr);
