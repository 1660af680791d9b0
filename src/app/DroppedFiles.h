#pragma once
// What a file dropped on the main window is taken for, by its extension.

#include <QString>

namespace DroppedFiles {

enum class TDropKind {
    Stop,     // an empty path ends the processing of the whole drop
    Picture,  // inserted as an image on the current surface
    Document, // opened as the document
    Unknown,  // reported, then the next file
};

TDropKind Classify(const QString &path);

// The picture extensions the drop accepts besides the classic ones: every
// format the installed image plugins read.
bool IsReadablePictureExtension(const QString &upperExtension);

} // namespace DroppedFiles
