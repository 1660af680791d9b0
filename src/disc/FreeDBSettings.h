#pragma once
// The CDDB window's settings (key "FreeDB") and the checks its boxes pass
// before every network action.

#include <QString>

struct TFreeDBSettings {
    QString UserName;  // "UserName": the e-mail address sent in the hello line
    QString LocalCopy; // "LocalCopy": the client's local CDDB folder; empty switches the local lookup off
    QString Server;    // "Server"
    int Port = 0;      // "Port"
    bool AutoSave = true; // "AutoSave": save a local copy of what is read
};

TFreeDBSettings ReadFreeDBSettings();
void WriteFreeDBSettings(const TFreeDBSettings &settings);

// The server box's text for a host and port: host, a blank, the port.
QString ServerText(const QString &host, int port);
// The host is the text before its first blank, the port the decimal number
// after it up to the next blank (further words, such as those of a server
// list line, are ignored). Without a blank the whole text is read as the
// port. False when the port is no number from 1 to 65535.
bool ParseServerText(const QString &text, QString &host, int &port);
// "Unable to decode the port number from the string" with the text.
QString PortMessage(const QString &text);

// What the CDDB window's boxes hold.
struct TFreeDBBoxes {
    QString UserMail;
    QString LocalCopy;
    bool SaveLocal = false;
    QString ServerText;
};

// The checks in order: an e-mail address (9100; one word, it goes into the
// hello line as it stands), a local folder when saving is on (9110) that
// exists (9105), and a server text with a port. On success Message is empty
// and Settings hold what to use and store.
struct TFreeDBCheck {
    QString Message;
    TFreeDBSettings Settings;
};
TFreeDBCheck ValidateSettings(const TFreeDBBoxes &boxes);
