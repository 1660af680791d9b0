#include "TsFile.h"

#include "EnglishStrings.h"

#include <QIODevice>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString Context = QStringLiteral("Tarvik");

// One <message>; kept when its disambiguation is an id and it has a
// translation.
void readMessage(QXmlStreamReader &xml, TTsTranslations *translations)
{
    TTsMessage message;
    QString comment;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            message.Source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.Finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
            message.Translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else {
            xml.skipCurrentElement();
        }
    }
    bool isId = false;
    const int id = comment.toInt(&isId, 10);
    if (isId && !message.Translation.isEmpty())
        translations->insert(id, message);
}

} // namespace

void WriteTsFile(QIODevice *out, const QString &language, const TTsTranslations &translations)
{
    QXmlStreamWriter xml(out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    if (!language.isEmpty())
        xml.writeAttribute(QStringLiteral("language"), language);
    xml.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
    xml.writeStartElement(QStringLiteral("context"));
    xml.writeTextElement(QStringLiteral("name"), Context);
    for (int id : EnglishStringIds()) {
        TTsMessage message = translations.value(id);
        if (id == 1 && !translations.contains(id))
            message = {EnglishString(1), EnglishString(1), true};
        xml.writeStartElement(QStringLiteral("message"));
        xml.writeTextElement(QStringLiteral("source"), EnglishString(id));
        xml.writeTextElement(QStringLiteral("comment"), QString::number(id));
        xml.writeStartElement(QStringLiteral("translation"));
        if (!message.Finished)
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
        xml.writeCharacters(message.Translation);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
}

bool ReadTsFile(QIODevice *in, TTsTranslations *translations, QString *error)
{
    translations->clear();
    QXmlStreamReader xml(in);
    if (xml.readNextStartElement() && xml.name() != QLatin1String("TS"))
        xml.raiseError(QStringLiteral("not a Qt Linguist file"));
    while (!xml.hasError() && xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("context")) {
            xml.skipCurrentElement();
            continue;
        }
        QString context;
        while (xml.readNextStartElement()) {
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message") && context == Context) {
                readMessage(xml, translations);
            } else {
                xml.skipCurrentElement();
            }
        }
    }
    if (xml.hasError()) {
        translations->clear();
        if (error)
            *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

TTsTranslations CarryOverTranslations(const TTsTranslations &old)
{
    TTsTranslations kept;
    for (auto it = old.begin(); it != old.end(); ++it) {
        const QString english = EnglishString(it.key());
        if (english.isEmpty())
            continue;
        TTsMessage message = it.value();
        if (message.Source != english) {
            message.Source = english;
            message.Finished = false;
        }
        kept.insert(it.key(), message);
    }
    return kept;
}
