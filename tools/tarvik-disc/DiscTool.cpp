#include "DiscTool.h"

#include "CDDBFreeDB.h"
#include "CDDBParser.h"
#include "CDDevice.h"
#include "DiscID.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

namespace DiscTool {

namespace {

const char *const UsageText =
    "Usage:\n"
    "  tarvik-disc drives\n"
    "  tarvik-disc toc DRIVE-OR-IMAGE\n"
    "  tarvik-disc id DRIVE-OR-IMAGE\n"
    "  tarvik-disc lookup DRIVE-OR-IMAGE [--server HOST:PORT] [--user EMAIL] [--local FOLDER] [--save] [--choose N]\n"
    "                    [--timeout SECONDS]\n"
    "\n"
    "DRIVE-OR-IMAGE is a CD device (such as /dev/sr0) or a disc image: a cue sheet or a cdrdao toc file.\n"
    "drives lists the CD drives, toc the tracks of a disc, id its CDDB disc identifier and query;\n"
    "lookup looks in the local CDDB folder first, then asks the server.\n"
    "\n"
    "Options:\n"
    "  --server HOST:PORT  CDDB server (default gnudb.gnudb.org:8880)\n"
    "  --user EMAIL        e-mail address sent to the server\n"
    "  --local FOLDER      local CDDB folder, looked in before the server\n"
    "  --save              write the entry found into the local folder\n"
    "  --choose N          when the server offers several discs they are listed and the first\n"
    "                      is taken; take match N instead\n"
    "  --timeout SECONDS   longest wait for the connection and for each reply (default 15 and\n"
    "                      20 seconds); the whole exchange may take three times as long (default 60)\n"
    "  -h, --help          show this help\n"
    "  -v, --version       show the version\n";

QString Msf(int m, int s, int f)
{
    return QStringLiteral("%1:%2:%3")
        .arg(m, 2, 10, QLatin1Char('0'))
        .arg(s, 2, 10, QLatin1Char('0'))
        .arg(f, 2, 10, QLatin1Char('0'));
}

bool ReadDisc(const QString &source, TCDToc &toc, QTextStream &err)
{
    QString notADisc;
    toc = ReadToc(source, &notADisc);
    if (toc.NumTracks > 0)
        return true;
    if (!notADisc.isEmpty()) {
        err << QStringLiteral("%1 is not a valid disc: %2\n").arg(source, ShownText(notADisc));
        return false;
    }
    err << (QFileInfo::exists(source) ? QStringLiteral("No disc found in %1: no readable table of contents\n").arg(source)
                                      : QStringLiteral("No such drive or disc image: %1\n").arg(source));
    return false;
}

int Toc(const QString &source, QTextStream &out, QTextStream &err)
{
    TCDToc toc;
    if (!ReadDisc(source, toc, err))
        return Failed;
    for (int i = 0; i < toc.NumTracks; ++i) {
        const TTocEntry &e = toc.TocTracks[i];
        out << QStringLiteral("Track %1  %2  %3\n")
                   .arg(i + 1, 2, 10, QLatin1Char('0'))
                   .arg(Msf(e.Minute, e.Second, e.Frame), e.IsAudio ? QStringLiteral("audio") : QStringLiteral("data"));
    }
    out << QStringLiteral("Lead-out  %1\n").arg(Msf(toc.LeadOut.Minute, toc.LeadOut.Second, toc.LeadOut.Frame));
    return Ok;
}

int Id(const QString &source, QTextStream &out, QTextStream &err)
{
    TCDToc toc;
    if (!ReadDisc(source, toc, err))
        return Failed;
    const QString id = ComputeDiscID(toc);
    out << id << '\n' << BuildDiscIdQuery(toc, id) << '\n';
    return Ok;
}

void PrintDisc(const TCDDBDisc &disc, QTextStream &out)
{
    out << "Artist: " << disc.Artist << '\n'
        << "Title: " << disc.Title << '\n'
        << "Year: " << disc.Year << '\n'
        << "Genre: " << disc.Genre << '\n'
        << "Category: " << ShownText(disc.Category) << '\n'
        << "Disc ID: " << disc.DiscID << '\n';
    for (int i = 0; i < disc.TrackCount; ++i)
        out << QStringLiteral("%1. ").arg(i + 1, 2, 10, QLatin1Char('0')) << disc.TrackTitles[i] << '\n';
}

int Lookup(const QString &source, const QCommandLineParser &parser, QTextStream &out, QTextStream &err)
{
    TCDDBFreeDB client;
    client.SilentMode = true;
    client.ClientName = QStringLiteral("Tarvik");
    client.ClientVersion = QStringLiteral("1.14");

    if (parser.isSet(QStringLiteral("server"))) {
        const QString server = parser.value(QStringLiteral("server"));
        const qsizetype colon = server.lastIndexOf(QLatin1Char(':'));
        bool ok = true;
        const int port = colon < 0 ? TCDDBFreeDB::DefaultPort : server.mid(colon + 1).toInt(&ok);
        const QString host = colon < 0 ? server : server.left(colon);
        if (host.isEmpty() || !ok || port < 1 || port > 65535) {
            err << "Invalid server \"" << server << "\": expected HOST:PORT\n";
            return Usage;
        }
        client.CDDBServerName = host;
        client.CDDBServerPort = port;
    }
    client.UserName = parser.isSet(QStringLiteral("user"))
                          ? parser.value(QStringLiteral("user"))
                          : qEnvironmentVariable("USER", QStringLiteral("tarvik")) + QStringLiteral("@localhost");
    client.LocalCDDB = parser.value(QStringLiteral("local"));
    const bool save = parser.isSet(QStringLiteral("save"));
    if (save && client.LocalCDDB.isEmpty()) {
        err << "--save needs --local FOLDER\n";
        return Usage;
    }
    if (parser.isSet(QStringLiteral("timeout"))) {
        bool ok = false;
        const double seconds = parser.value(QStringLiteral("timeout")).toDouble(&ok);
        if (!ok || !(seconds > 0) || seconds > 3600) {
            err << "--timeout needs a number of seconds (up to 3600)\n";
            return Usage;
        }
        const int ms = qMax(1, int(seconds * 1000));
        client.ConnectTimeout = client.ReplyTimeout = ms;
        client.ExchangeTimeout = 3 * ms;
    }
    int choose = 1;
    if (parser.isSet(QStringLiteral("choose"))) {
        bool ok = false;
        choose = parser.value(QStringLiteral("choose")).toInt(&ok);
        if (!ok || choose < 1) {
            err << "--choose needs a match number from 1\n";
            return Usage;
        }
    }

    TCDToc toc;
    if (!ReadDisc(source, toc, err))
        return Failed;
    client.SelectCDDrive(client.AddDiscImage(source));

    bool read = false;
    bool notFound = false;
    bool badChoice = false;
    QObject::connect(&client, &TCDDBFreeDB::OnReadDiscInfo, &client, [&] { read = true; });
    QObject::connect(&client, &TCDDBFreeDB::OnDiscNotFound, &client, [&] { notFound = true; });
    QObject::connect(&client, &TCDDBFreeDB::OnMultipleDiscsFound, &client, [&] {
        const QList<tDiscResult> &matches = client.Matches();
        out << "Multiple matches:\n";
        for (int i = 0; i < matches.size(); ++i)
            out << QStringLiteral("  %1. %2 %3 %4\n").arg(i + 1).arg(ShownText(matches[i].Category),
                                                                       ShownText(matches[i].DiscID), matches[i].DiscTitle);
        if (choose > matches.size()) {
            badChoice = true;
            client.CancelMatches();
            return;
        }
        out << "Taking match " << choose << "\n\n";
        client.ChooseMatch(choose - 1);
    });

    client.QueryDisc();
    out.flush();
    if (!client.ErrorText().isEmpty()) {
        err << client.ErrorText().replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
        return Failed;
    }
    if (badChoice) {
        err << "There is no match " << choose << '\n';
        return Usage;
    }
    if (notFound || !read) {
        err << "Disc not found: " << client.DiscID() << '\n';
        return Failed;
    }
    PrintDisc(client.CDDBDisc(), out);
    if (save && !client.LocalHit()) {
        if (!client.SaveLocalCopy()) {
            err << client.ErrorText() << '\n';
            return Failed;
        }
        out << "Saved: " << client.CDDBDisc().FileName << '\n';
    }
    return Ok;
}

} // namespace

int Run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Disc information for Tarvik"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("server"), QStringLiteral("CDDB server"), QStringLiteral("HOST:PORT")},
        {QStringLiteral("user"), QStringLiteral("E-mail address sent to the server"), QStringLiteral("EMAIL")},
        {QStringLiteral("local"), QStringLiteral("Local CDDB folder"), QStringLiteral("FOLDER")},
        {QStringLiteral("save"), QStringLiteral("Save the entry found in the local folder")},
        {QStringLiteral("choose"), QStringLiteral("Match to take when several are offered"), QStringLiteral("N")},
        {QStringLiteral("timeout"), QStringLiteral("Longest wait for the server"), QStringLiteral("SECONDS")},
    });
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n\n" << UsageText;
        return Usage;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        out << UsageText;
        return Ok;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << "tarvik-disc " << TARVIK_VERSION << '\n';
        return Ok;
    }
    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const bool needsSource = command == QLatin1String("toc") || command == QLatin1String("id")
                             || command == QLatin1String("lookup");
    if (command == QLatin1String("drives") && args.size() == 1) {
        TCDDrives drives;
        const bool inquired = EnumerateCDDrives(drives);
        for (const QString &line : ListCDDrives(drives))
            out << line << '\n';
        if (!inquired)
            err << "Some drives did not answer their inquiry\n";
        return Ok;
    }
    if (!needsSource || args.size() != 2) {
        err << UsageText;
        return Usage;
    }
    if (command == QLatin1String("toc"))
        return Toc(args[1], out, err);
    if (command == QLatin1String("id"))
        return Id(args[1], out, err);
    return Lookup(args[1], parser, out, err);
}

} // namespace DiscTool
