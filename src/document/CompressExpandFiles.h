#pragma once
// Whole-file compression helpers: one file in, one zlib stream (level 1)
// out, and back. They stream through fixed-size buffers, so any file size
// costs the same memory. Saving and opening documents do not use them: those
// work on the record in memory (DocumentFile.h) and never pass through a
// shared temporary file.

#include <QString>

// Compresses the whole of `source` into `target` (created or overwritten).
// Nothing happens when either path is empty or `source` does not exist.
// Throws ETarvikError with the system's reason when a file cannot be opened,
// read or written.
void CompressFile(const QString &source, const QString &target);

// Expands the zlib stream in `source` into `target`, 4096 bytes at a time,
// until the stream ends. Nothing happens when either path is empty or
// `source` does not exist. Throws ETarvikError "error" for data that is not
// a zlib stream (or a damaged or cut one), and the system's reason when a
// file cannot be opened, read or written.
void ExpandFile(const QString &source, const QString &target);
