#include "TTarvikApplication.h"

#include "ExceptionLog.h"

#include "MessageBoxes.h"

#include <exception>

TTarvikApplication::TTarvikApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool TTarvikApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ApplicationEvents1Exception(QString::fromUtf8(e.what()));
    } catch (...) {
        ApplicationEvents1Exception(QStringLiteral("Unknown error"));
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
