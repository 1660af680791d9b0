#pragma once
// The compiled texts of a language module (strings.qm) come from a file
// anyone can place, and QTranslator looks texts up in them without checking
// where their offsets point. This check walks everything a lookup can reach,
// bounded by the data's size, so that QTranslator may read the data safely.

#include <QByteArrayView>
#include <QString>

// Empty when `qm` is a sound compiled translation (the output of lrelease)
// that refers to no other file; otherwise what is wrong with it, in a few
// words for a message.
QString CheckTranslationData(QByteArrayView qm);
