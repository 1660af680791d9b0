#pragma once
// A language module is a file anyone can put in the per-user data folder, so
// its bytes are untrusted. QResource reads a registered binary resource
// without checking where its offsets point; this check walks the whole
// resource first, bounded by its size, so that registering it afterwards can
// read nothing beyond its end and cannot be made to allocate without limit.

#include <QByteArrayView>
#include <QString>

// Largest unpacked size accepted for one file inside a resource.
constexpr qint64 MaxResourceEntrySize = 16 * 1024 * 1024;

// Empty when `data` is a sound Qt binary resource (the output of
// `rcc --binary`, format versions 1 to 3); otherwise what is wrong with it,
// in a few words for a message.
QString CheckResourceData(QByteArrayView data);
