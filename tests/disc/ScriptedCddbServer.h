#pragma once
// A CDDB server on 127.0.0.1 that answers from a script: a greeting, then a
// reply per command (looked up by the command's beginning; an empty reply
// is silence). It records what it received and can send its replies one
// byte at a time, stay silent from the start, or close the connection after
// a reply.

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

class ScriptedCddbServer : public QObject {
public:
    QByteArray Greeting = "201 scripted CDDBP server v1.5PL0 ready at Thu Dec 10 12:00:00 2026\r\n";
    QHash<QString, QByteArray> Replies{
        {QStringLiteral("cddb hello"), "200 Hello and welcome user@example.org running Tarvik 1.14\r\n"},
        {QStringLiteral("proto"), "201 OK, CDDB protocol level now: 6\r\n"},
        {QStringLiteral("quit"), "230 scripted Closing connection.  Goodbye.\r\n"},
    };
    QSet<QString> CloseAfter{QStringLiteral("quit")}; // commands after whose reply the connection closes
    bool Drip = false;                                 // one byte per write
    int DripMs = 1;                                    // between two bytes
    bool SilentGreeting = false;                       // accepts, then says nothing at all
    QStringList Received;
    int Connections = 0;

    ScriptedCddbServer()
    {
        QObject::connect(&FServer, &QTcpServer::newConnection, this, [this] { Accept(); });
        if (!FServer.listen(QHostAddress::LocalHost, 0))
            qFatal("cannot listen");
    }
    quint16 Port() const { return FServer.serverPort(); }

private:
    void Accept()
    {
        QTcpSocket *socket = FServer.nextPendingConnection();
        ++Connections;
        FSocket = socket;
        QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Read(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (SilentGreeting)
            return;
        if (Greeting.isEmpty())
            socket->disconnectFromHost();
        else
            Send(Greeting, false);
    }

    void Read(QTcpSocket *socket)
    {
        FBuffer += socket->readAll();
        qsizetype lf;
        while ((lf = FBuffer.indexOf('\n')) >= 0) {
            const QString command = QString::fromUtf8(FBuffer.left(lf)).trimmed();
            FBuffer.remove(0, lf + 1);
            Received << command;
            QString key;
            for (auto it = Replies.cbegin(); it != Replies.cend(); ++it)
                if (command.startsWith(it.key()) && it.key().size() > key.size())
                    key = it.key();
            Send(Replies.value(key), CloseAfter.contains(key));
        }
    }

    void Send(const QByteArray &bytes, bool closeAfter)
    {
        FOut += bytes;
        FCloseAfterOut = FCloseAfterOut || closeAfter;
        Flush();
    }

    void Flush()
    {
        if (!FSocket)
            return;
        if (!Drip) {
            FSocket->write(FOut);
            FOut.clear();
        } else if (!FOut.isEmpty()) {
            FSocket->write(FOut.left(1));
            FSocket->flush();
            FOut.remove(0, 1);
            QTimer::singleShot(DripMs, this, [this] { Flush(); });
            return;
        }
        if (FCloseAfterOut) {
            FCloseAfterOut = false;
            FSocket->disconnectFromHost();
        }
    }

    QTcpServer FServer;
    QPointer<QTcpSocket> FSocket;
    QByteArray FBuffer;
    QByteArray FOut;
    bool FCloseAfterOut = false;
};
