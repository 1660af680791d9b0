#include "FreeDBSettings.h"

#include "TVKRegistry.h"
#include "uResource.h"

#include <QFileInfo>

using namespace TVKRegistry;

TFreeDBSettings ReadFreeDBSettings()
{
    TFreeDBSettings s;
    s.UserName = ReadRegString(QString(), FreeDBKey, QStringLiteral("UserName"), QString());
    s.LocalCopy = ReadRegString(QString(), FreeDBKey, QStringLiteral("LocalCopy"), QString());
    s.Server = ReadRegString(QString(), FreeDBKey, QStringLiteral("Server"), DefaultCDDBServer);
    s.Port = ReadRegInteger(QString(), FreeDBKey, QStringLiteral("Port"), DefaultCDDBPort);
    s.AutoSave = ReadRegBool(QString(), FreeDBKey, QStringLiteral("AutoSave"), DefaultCDDBAutoSave);
    return s;
}

void WriteFreeDBSettings(const TFreeDBSettings &s)
{
    WriteRegString(QString(), FreeDBKey, QStringLiteral("UserName"), s.UserName);
    WriteRegString(QString(), FreeDBKey, QStringLiteral("LocalCopy"), s.LocalCopy);
    WriteRegString(QString(), FreeDBKey, QStringLiteral("Server"), s.Server);
    WriteRegInteger(QString(), FreeDBKey, QStringLiteral("Port"), s.Port);
    WriteRegBool(QString(), FreeDBKey, QStringLiteral("AutoSave"), s.AutoSave);
}

QString ServerText(const QString &host, int port)
{
    return host + QLatin1Char(' ') + QString::number(port);
}

bool ParseServerText(const QString &text, QString &host, int &port)
{
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QString hostPart = blank < 0 ? QString() : text.left(blank);
    QString portPart = blank < 0 ? text : text.mid(blank + 1);
    if (const qsizetype next = portPart.indexOf(QLatin1Char(' ')); next >= 0)
        portPart.truncate(next);
    bool ok = false;
    const int number = portPart.toInt(&ok, 10);
    // A port outside 1-65535 would be cut to another port when connecting.
    if (!ok || number < 1 || number > 65535)
        return false;
    host = hostPart;
    port = number;
    return true;
}

QString PortMessage(const QString &text)
{
    return QStringLiteral("Unable to decode the port number from the string\r") + text;
}

TFreeDBCheck ValidateSettings(const TFreeDBBoxes &boxes)
{
    TFreeDBCheck check;
    // The address is the first word of the hello line: a blank would shift
    // the words after it, a line end would start another command.
    bool oneWord = !boxes.UserMail.isEmpty();
    for (const QChar c : boxes.UserMail)
        oneWord = oneWord && !c.isSpace() && c.isPrint();
    if (!oneWord) {
        check.Message = Str(9100);
        return check;
    }
    if (boxes.SaveLocal && boxes.LocalCopy.isEmpty()) {
        check.Message = Str(9110);
        return check;
    }
    if (boxes.SaveLocal && !QFileInfo(boxes.LocalCopy).isDir()) {
        check.Message = Str(9105);
        return check;
    }
    QString host;
    int port = 0;
    if (!ParseServerText(boxes.ServerText, host, port)) {
        check.Message = PortMessage(boxes.ServerText);
        return check;
    }
    check.Settings.UserName = boxes.UserMail;
    check.Settings.LocalCopy = boxes.LocalCopy;
    check.Settings.Server = host;
    check.Settings.Port = port;
    check.Settings.AutoSave = boxes.SaveLocal;
    return check;
}
