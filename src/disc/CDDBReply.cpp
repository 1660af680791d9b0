#include "CDDBReply.h"

#include "CDDBParser.h"
#include "uResource.h"

#include <QRegularExpression>

bool TReplyFramer::Feed(QByteArrayView bytes, QList<TCDDBReplyLines> &replies, QString &error)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        const qsizetype end = lf < 0 ? bytes.size() : lf;
        FLine.append(bytes.sliced(start, end - start));
        if (FLine.size() > MaxLineLength) {
            error = Str(9840).arg(MaxLineLength).arg(ReplyExcerpt(FLine));
            Reset();
            return false;
        }
        if (lf < 0)
            break;
        start = lf + 1;

        const QByteArray line = FLine;
        FLine.clear();
        if (FLines.isEmpty() && ReplyStatusCode(line) < 0) {
            error = Str(9845).arg(ReplyExcerpt(line));
            Reset();
            return false;
        }
        FLines.append(line);
        FReplySize += line.size() + 1;
        if (FReplySize > MaxReplySize) {
            error = Str(9850).arg(MaxReplySize).arg(ReplyExcerpt(FLines.first()));
            Reset();
            return false;
        }
        const bool hasList = FLines.first().at(1) == '1';
        const bool terminator = FLines.size() > 1 && (line == ".\r" || line == ".");
        if (!hasList || terminator) {
            replies.append(FLines);
            FLines.clear();
            FReplySize = 0;
        }
    }
    return true;
}

void TReplyFramer::Reset()
{
    FLine.clear();
    FLines.clear();
    FReplySize = 0;
}

int ReplyStatusCode(QByteArrayView line)
{
    if (line.size() < 3)
        return -1;
    int code = 0;
    for (int i = 0; i < 3; ++i) {
        const char c = line[i];
        if (c < '0' || c > '9')
            return -1;
        code = code * 10 + (c - '0');
    }
    return code;
}

QStringList DecodeReply(const TCDDBReplyLines &reply)
{
    QStringList lines;
    lines.reserve(reply.size());
    for (const QByteArray &line : reply)
        lines << DecodeEntryLine(line);
    return lines;
}

bool ParseMatchLine(const QString &line, tDiscResult &match)
{
    QString text = line;
    while (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    const qsizetype first = text.indexOf(QLatin1Char(' '));
    if (first <= 0)
        return false;
    const qsizetype second = text.indexOf(QLatin1Char(' '), first + 1);
    match = tDiscResult{};
    match.Category = text.left(first);
    match.DiscID = second < 0 ? text.mid(first + 1) : text.mid(first + 1, second - first - 1);
    match.DiscTitle = second < 0 ? QString() : ShownText(text.mid(second + 1));
    SplitDiscTitle(match.DiscTitle, match.Artist, match.Title);
    return !match.DiscID.isEmpty();
}

QString ReplyExcerpt(QByteArrayView line)
{
    constexpr int Shown = 80;
    QString text;
    for (qsizetype i = 0; i < qMin<qsizetype>(line.size(), Shown); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        text += (c < 0x20 || c == 0x7F) ? QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0')) : QString(QChar(c));
    }
    if (line.size() > Shown)
        text += QStringLiteral("...");
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QStringList ServerListOfSites(const QStringList &lines)
{
    // A host name or an IPv4 address: letters, digits, dots and dashes.
    static const QRegularExpression hostName(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?")));
    const auto isPort = [](const QString &word) {
        bool ok = false;
        const int port = word.toInt(&ok, 10);
        return ok && port >= 1 && port <= 65535 && !word.startsWith(QLatin1Char('+'));
    };
    QStringList servers;
    for (const QString &line : lines) {
        QStringList words = ShownText(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() < 2 || !hostName.match(words[0]).hasMatch())
            continue;
        if (words.size() >= 4 && !isPort(words[1]) && isPort(words[2])) {
            // host protocol port address ...
            if (words[1].compare(QLatin1String("cddbp"), Qt::CaseInsensitive) != 0)
                continue;
            words.remove(3); // the address: "-" for cddbp
            words.remove(1);
        } else if (!isPort(words[1])) {
            continue;
        }
        servers << words.join(QLatin1Char(' '));
    }
    return servers;
}
