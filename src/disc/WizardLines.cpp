#include "WizardLines.h"

QStringList TrackLinesOfText(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString body = text;
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (body.endsWith(QLatin1Char('\n')))
        body.chop(1);
    return body.split(QLatin1Char('\n'));
}

QString TextOfTrackLines(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n'));
}
