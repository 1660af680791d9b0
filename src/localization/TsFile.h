#pragma once
// The Qt Linguist source of a language module: a .ts file holding one
// message per id of the English table, with the context "Tarvik", the
// English text as source and the decimal id as disambiguation (the
// <comment> of a .ts message), so translators work in Qt Linguist with the
// English text in front of them. lrelease compiles it into strings.qm.

#include <QMap>
#include <QString>

class QIODevice;

struct TTsMessage
{
    QString Source;      // the English text the translation was made from
    QString Translation; // empty: not translated
    bool Finished = false;
};

// Translations by id.
using TTsTranslations = QMap<int, TTsMessage>;

// Writes every id of the English table in ascending order, each with its
// translation from `translations` (empty and unfinished when it has none).
// Id 1 is the table's version, which a module must carry unchanged: it is
// written finished with the table's version unless `translations` gives it.
// `language` is the .ts language code, such as "it"; empty leaves it out.
void WriteTsFile(QIODevice *out, const QString &language, const TTsTranslations &translations = {});

// The messages of context "Tarvik" whose disambiguation is a decimal id.
// False, with `error` set and no translations, when the file is not a
// readable .ts file.
bool ReadTsFile(QIODevice *in, TTsTranslations *translations, QString *error = nullptr);

// The translations of an older .ts that still apply to the English table:
// ids the table no longer has are dropped, and a translation made from an
// English text that has changed since is kept but marked unfinished, so
// Qt Linguist shows it for review.
TTsTranslations CarryOverTranslations(const TTsTranslations &old);
