#pragma once
// The application object: the program's name, organisation and version for
// the settings and the desktop, and the error handler. Every exception that
// reaches the event loop is written to the log and shown in the error box;
// the program goes on.

#include <QApplication>

class TTarvikApplication : public QApplication
{
    Q_OBJECT
public:
    TTarvikApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Logs and shows one error; used by notify and by anyone who catches an
    // error that must reach the user the same way.
    static void ApplicationEvents1Exception(const QString &message);
    // Writes the log line only; the caller tells the user in its own words.
    static void LogError(const QString &message);
};
