#pragma once
// Document files: one zlib stream (made at level 1, so the file begins with
// 0x78 0x01) of the uncompressed document record, nothing before or after it.

#include <QByteArray>
#include <QByteArrayView>

// The whole record as one zlib stream at compression level 1.
QByteArray CompressDocument(QByteArrayView record);

// The record inside a document file: the first TDocumentRecord::Size bytes
// of the expanded stream, or all of them when the file holds the older,
// shorter form. Expansion stops once the record is complete, so a small file
// that would expand to gigabytes costs no more than a real document; bytes
// after the record are neither expanded nor checked.
// Throws ETarvikError "error" for data that is not a zlib stream, a damaged
// or cut stream that ends before the record does, and a stream that holds
// fewer than TDocumentRecord::OlderSize bytes.
QByteArray ExpandDocument(QByteArrayView file);
