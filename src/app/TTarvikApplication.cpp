#include "TTarvikApplication.h"

#include "ExceptionLog.h"

#include "MessageBoxes.h"
#include "uResource.h"

#include <QIcon>

#include <exception>

TTarvikApplication::TTarvikApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Renvald"));
    setApplicationName(QStringLiteral("Tarvik"));
    setApplicationVersion(QStringLiteral("1.14"));
    setDesktopFileName(QStringLiteral("tarvik"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tarvik.svg")));
    // No display name: the platform would append it to every window title
    // ("Tarvik - jazz.tvk — Tarvik"). The windows name the program
    // themselves, and applicationDisplayName() still answers "Tarvik".
}

bool TTarvikApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ApplicationEvents1Exception(QString::fromUtf8(e.what()));
    } catch (...) {
        ApplicationEvents1Exception(Str(9530));
    }
    return false;
}

void TTarvikApplication::LogError(const QString &message)
{
    ExceptionLog::AppendLogLine(ExceptionLog::LogFilePath(),
                                ExceptionLog::FormatLogLine(QDateTime::currentDateTime(), QLocale(), message));
}

void TTarvikApplication::ApplicationEvents1Exception(const QString &message)
{
    LogError(message);
    MessageBoxes::ShowError(activeWindow(), message);
}
