#include "DiscID.h"

#include <QStringList>

int CddbSum(int n)
{
    int sum = 0;
    while (n > 0) {
        sum += n % 10;
        n /= 10;
    }
    return sum;
}

static int Seconds(int minute, int second)
{
    return minute * 60 + second;
}

QString ComputeDiscID(const TCDToc &toc)
{
    if (toc.NumTracks == 0)
        return {};
    int n = 0;
    for (int i = 0; i < toc.NumTracks; ++i)
        n += CddbSum(Seconds(toc.TocTracks[i].Minute, toc.TocTracks[i].Second));
    const int t = Seconds(toc.LeadOut.Minute, toc.LeadOut.Second)
                  - Seconds(toc.TocTracks[0].Minute, toc.TocTracks[0].Second);
    const std::uint32_t id = (std::uint32_t(n % 255) << 24) | (std::uint32_t(t) << 8) | toc.NumTracks;
    if (id == 0 || id == 0xFFFFFFFFu)
        return {};
    return QStringLiteral("%1").arg(id, 8, 16, QLatin1Char('0'));
}

QString BuildDiscIdQuery(const TCDToc &toc, const QString &discId)
{
    QStringList parts{discId, QString::number(toc.NumTracks)};
    for (int i = 0; i < toc.NumTracks; ++i) {
        const TTocEntry &e = toc.TocTracks[i];
        parts << QString::number(e.Minute * 4500 + e.Second * 75 + e.Frame);
    }
    parts << QString::number(Seconds(toc.LeadOut.Minute, toc.LeadOut.Second));
    return parts.join(QLatin1Char(' '));
}
