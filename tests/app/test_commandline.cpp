// The program's command line: what it understands, and the real program
// exporting covers to PDF without a window, with the print options of the
// settings, and failing with a message and a non-zero exit.

#include "CommandLine.h"
#include "DocumentFile.h"
#include "TVKRegistry.h"
#include "TestSupport.h"
#include "uPrintRoundLabel.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

using CommandLine::TAction;

namespace {

struct TRun {
    int Exit = -1;
    QString Out, Err;
};

TRun Tarvik(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(TARVIK_BINARY), arguments);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

QString PdfInfo(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("9"), pdf});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("paper");
        const int open = int(TAction::OpenWindow), help = int(TAction::ShowHelp), version = int(TAction::ShowVersion),
                  pdf = int(TAction::ExportPdf), wrong = int(TAction::UsageError);
        QTest::newRow("nothing") << QStringList() << open << int(pkAll) << "";
        QTest::newRow("a document") << QStringList{"a.tvk"} << open << int(pkAll) << "";
        QTest::newRow("help") << QStringList{"--help"} << help << int(pkAll) << "";
        QTest::newRow("version") << QStringList{"-v"} << version << int(pkAll) << "";
        QTest::newRow("export, all by default") << QStringList{"--export-pdf", "o.pdf", "a.tvk"} << pdf << int(pkAll) << "";
        QTest::newRow("kind and paper") << QStringList{"--export-pdf", "o.pdf", "--kind", "front-back", "--paper", "LETTER", "a.tvk"}
                                        << pdf << int(pkFrontAndBack) << "letter";
        QTest::newRow("front-inside") << QStringList{"--export-pdf=o.pdf", "--kind=front-inside", "a.tvk"} << pdf
                                      << int(pkFrontInside) << "";
        QTest::newRow("the label") << QStringList{"--export-pdf", "o.pdf", "--kind", "label", "a.tvk"} << pdf
                                   << int(pkAll) << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << wrong << int(pkAll) << "";
        QTest::newRow("unknown kind") << QStringList{"--export-pdf", "o.pdf", "--kind", "sleeve", "a.tvk"} << wrong
                                      << int(pkAll) << "";
        QTest::newRow("unknown paper") << QStringList{"--export-pdf", "o.pdf", "--paper", "a3", "a.tvk"} << wrong
                                       << int(pkAll) << "";
        QTest::newRow("kind without export") << QStringList{"--kind", "back", "a.tvk"} << wrong << int(pkAll) << "";
        QTest::newRow("export without document") << QStringList{"--export-pdf", "o.pdf"} << wrong << int(pkAll) << "";
        QTest::newRow("export of two documents") << QStringList{"--export-pdf", "o.pdf", "a.tvk", "b.tvk"} << wrong
                                                 << int(pkAll) << "";
    }

    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, action);
        QFETCH(int, kind);
        QFETCH(QString, paper);
        const CommandLine::TCommandLine cl = CommandLine::Parse(QStringList{QStringLiteral("tarvik")} + arguments);
        QCOMPARE(int(cl.Action), action);
        if (cl.Action == TAction::UsageError) {
            QVERIFY(!cl.Error.isEmpty());
            return;
        }
        QCOMPARE(int(cl.Kind), kind);
        QCOMPARE(cl.Label, arguments.contains(QStringLiteral("label")));
        QCOMPARE(cl.Paper, paper);
        if (cl.Action == TAction::OpenWindow)
            QCOMPARE(cl.Documents, arguments);
    }

    void exportsWithTheStoredOptions()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        // A picture stored under a folder that is gone, now beside the document.
        QImage picture(40, 40, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir.filePath(QStringLiteral("red.png"))));
        TDocumentRecord record;
        ClearDocumentRecord(record);
        record.Images[0].ImageFileName = QStringLiteral("/gone/red.png");
        record.Images[0].WidthInches = record.Images[0].HeightInches = 1;
        record.Images[1].ImageFileName = dir.filePath(QStringLiteral("missing.png"));
        record.Images[1].WidthInches = record.Images[1].HeightInches = 1;
        record.Texts[0].Text = QStringLiteral("Title");
        record.Texts[0].FontName = QStringLiteral("Arial");
        record.Texts[0].RealFontSize = 20;
        record.Colors = DefaultDocumentColors();
        const QString doc = dir.filePath(QStringLiteral("cover.tvk"));
        QVERIFY(WriteDocumentFile(doc, record).Ok);

        // Portrait on, as the print dialog left it: the front cover on an
        // upright Letter sheet.
        TVKRegistry::WritePreference(TVKRegistry::prPrintPortrait, QStringLiteral("1"));
        const QString pdf = dir.filePath(QStringLiteral("cover.pdf"));
        const TRun run = Tarvik({QStringLiteral("--export-pdf"), pdf, QStringLiteral("--kind"), QStringLiteral("front"),
                                 QStringLiteral("--paper"), QStringLiteral("letter"), doc});
        QCOMPARE(run.Exit, 0);
        QVERIFY2(run.Err.contains(QStringLiteral("missing.png")), qPrintable(run.Err));
        QVERIFY(!run.Err.contains(QStringLiteral("red.png")));
        const QString info = PdfInfo(pdf);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page\\s+1 size:\\s+612 x 792 pts"))), qPrintable(info));

        TVKRegistry::WritePreference(TVKRegistry::prPrintPortrait, QStringLiteral("0"));
        QCOMPARE(Tarvik({QStringLiteral("--export-pdf"), pdf, QStringLiteral("--paper"), QStringLiteral("a4"), doc}).Exit, 0);
        QVERIFY(PdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    }

    void exportsTheLabelSheet()
    {
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (pdftoppm.isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        TDocumentRecord record;
        ClearDocumentRecord(record);
        record.Colors = DefaultDocumentColors();
        record.Colors[ciRoundLabel] = 0x0000FF; // red
        const QString doc = dir.filePath(QStringLiteral("label.tvk"));
        QVERIFY(WriteDocumentFile(doc, record).Ok);
        const QString pdf = dir.filePath(QStringLiteral("label.pdf"));
        auto discs = [&] {
            const QString base = dir.filePath(QStringLiteral("label"));
            QProcess::execute(pdftoppm, {"-r", "50", "-png", "-singlefile", pdf, base});
            const QImage page(base + QStringLiteral(".png"));
            // the top of each disc, by the red pixels down the middle column
            QList<int> tops;
            bool inside = false;
            for (int y = 0; y < page.height(); ++y) {
                const QRgb c = page.pixel(page.width() / 2, y);
                const bool red = qRed(c) > 200 && qGreen(c) < 60;
                if (red && !inside)
                    tops << y;
                inside = red;
            }
            return tops;
        };

        // Never printed from the dialog: every position of the sheet, here
        // the two of the defaults at 2.2 and 16.3 cm; the holes part each
        // disc in two runs.
        QCOMPARE(Tarvik({"--export-pdf", pdf, "--kind", "label", "--paper", "a4", doc}).Exit, 0);
        QList<int> tops = discs();
        QCOMPARE(tops.size(), 4);
        QVERIFY(qAbs(tops[0] - 2.2 / 2.54 * 50) <= 1.5 && qAbs(tops[2] - 16.3 / 2.54 * 50) <= 1.5);

        // The positions last printed: the lower one alone.
        WritePrintedLabels({false, true, false});
        QCOMPARE(Tarvik({"--export-pdf", pdf, "--kind", "label", "--paper", "a4", doc}).Exit, 0);
        tops = discs();
        QCOMPARE(tops.size(), 2);
        QVERIFY(qAbs(tops[0] - 16.3 / 2.54 * 50) <= 1.5);
    }

    // A label diameter no sheet can hold is replaced, and with no window the
    // one settings message goes to standard error; the export goes on.
    void settingsProblemsAreToldOnStandardError()
    {
        TDocumentRecord record;
        ClearDocumentRecord(record);
        record.Colors = DefaultDocumentColors();
        const QString doc = dir.filePath(QStringLiteral("settings.tvk"));
        QVERIFY(WriteDocumentFile(doc, record).Ok);
        {
            QSettings settings;
            settings.setValue(QStringLiteral("Preferences/RoundLabel/RoundLabel"), QStringLiteral("1e9"));
        }
        const TRun run = Tarvik({"--export-pdf", dir.filePath(QStringLiteral("settings.pdf")), "--kind", "label",
                                 "--paper", "a4", doc});
        QCOMPARE(run.Exit, 0);
        QVERIFY2(run.Err.contains(QStringLiteral("Tarvik.conf")) && run.Err.contains(QStringLiteral("RoundLabel")),
                 qPrintable(run.Err));
        QSettings().remove(QStringLiteral("Preferences/RoundLabel/RoundLabel"));
    }

    void failuresSayWhyAndExitNonZero()
    {
        const QString garbage = dir.filePath(QStringLiteral("garbage.tvk"));
        {
            QFile f(garbage);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a document at all");
        }
        const QString out = dir.filePath(QStringLiteral("out.pdf"));
        TRun run = Tarvik({QStringLiteral("--export-pdf"), out, garbage});
        QCOMPARE(run.Exit, 1);
        QVERIFY2(run.Err.contains(QStringLiteral("is not a Tarvik document")), qPrintable(run.Err));
        QVERIFY(!QFile::exists(out));

        run = Tarvik({QStringLiteral("--export-pdf"), out, dir.filePath(QStringLiteral("nothing.tvk"))});
        QCOMPARE(run.Exit, 1);
        QVERIFY2(run.Err.contains(QStringLiteral("does not exist")), qPrintable(run.Err));

        TDocumentRecord record;
        ClearDocumentRecord(record);
        const QString doc = dir.filePath(QStringLiteral("empty.tvk"));
        QVERIFY(WriteDocumentFile(doc, record).Ok);
        const QString unwritable = garbage + QStringLiteral("/out.pdf");
        run = Tarvik({QStringLiteral("--export-pdf"), unwritable, doc});
        QCOMPARE(run.Exit, 1);
        QVERIFY2(run.Err.contains(unwritable), qPrintable(run.Err));
    }

    void helpVersionAndWrongOptions()
    {
        TRun run = Tarvik({QStringLiteral("--help")});
        QCOMPARE(run.Exit, 0);
        QVERIFY(run.Out.contains(QStringLiteral("--export-pdf")));
        QVERIFY(run.Out.contains(QStringLiteral("front-inside")));

        run = Tarvik({QStringLiteral("--version")});
        QCOMPARE(run.Exit, 0);
        QCOMPARE(run.Out.trimmed(), QStringLiteral("tarvik 1.14"));

        run = Tarvik({QStringLiteral("--bogus")});
        QCOMPARE(run.Exit, 2);
        QVERIFY(run.Err.contains(QStringLiteral("bogus")));
        QVERIFY(run.Err.contains(QStringLiteral("--export-pdf"))); // the help follows
    }
};

TARVIK_TEST_MAIN(TestCommandLine)
#include "test_commandline.moc"
