// Printing through a real print queue, the way a user's printer is reached:
// the CUPS scheduler with a cups-pdf queue (made by cups-pdf-queue.sh, or
// the test is skipped saying why). The jobs that arrive are PDF files; their
// sheets must have the printer's paper size and the job's orientation, all
// covers with portrait on must come as two jobs, and an aborted job must
// never arrive.

#include "PrintTestSupport.h"
#include "PrinterJob.h"
#include "Printing.h"
#include "TestSupport.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace PrintTest;

namespace {

const QString Queue = QStringLiteral("TarvikTest");

struct TSheet {
    QSizeF Points; // as the page shows, turned by its rotation
};

// The sheets of a PDF file as pdfinfo reads them.
QList<TSheet> Sheets(const QString &pdf)
{
    QProcess info;
    info.setStandardErrorFile(QProcess::nullDevice());
    info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                           QStringLiteral("99"), pdf});
    info.waitForFinished(30000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    QList<TSheet> sheets;
    static const QRegularExpression size(QStringLiteral("Page\\s+\\d+ size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    static const QRegularExpression rot(QStringLiteral("Page\\s+\\d+ rot:\\s+(\\d+)"));
    auto sizes = size.globalMatch(out);
    auto rots = rot.globalMatch(out);
    while (sizes.hasNext()) {
        const auto m = sizes.next();
        QSizeF s(m.captured(1).toDouble(), m.captured(2).toDouble());
        if (rots.hasNext() && rots.next().captured(1).toInt() % 180 == 90)
            s.transpose();
        sheets.append({s});
    }
    return sheets;
}

// The box around everything printed on each sheet, at 30 pixels per inch.
QList<QRect> PrintedBoxes(const QString &pdf, const QString &scratch)
{
    QProcess render;
    // cups-pdf's fonts make poppler complain about every glyph
    render.setStandardErrorFile(QProcess::nullDevice());
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"), pdf, scratch});
    render.waitForFinished(30000);
    QList<QRect> boxes;
    const QFileInfo base(scratch);
    QFileInfoList pages = QDir(base.path()).entryInfoList({base.fileName() + QStringLiteral("-*.png")}, QDir::Files,
                                                          QDir::Name);
    for (const QFileInfo &page : pages) {
        boxes << Bounds(QImage(page.filePath()), IsMarked);
        QFile::remove(page.filePath());
    }
    return boxes;
}

QString Describe(const QList<TSheet> &sheets)
{
    QStringList d;
    for (const TSheet &s : sheets)
        d << QStringLiteral("%1 x %2").arg(s.Points.width()).arg(s.Points.height());
    return d.join(QStringLiteral(", "));
}

bool Near(QSizeF a, QSizeF b)
{
    return qAbs(a.width() - b.width()) < 2 && qAbs(a.height() - b.height()) < 2;
}

} // namespace

class TestCupsPrint : public QObject
{
    Q_OBJECT

    QString FOutput; // where cups-pdf puts the jobs
    QString FToken;  // in the titles of this run's jobs
    QTemporaryDir FDir;

    // The files of this run whose title holds `tag`, oldest job first.
    QStringList Arrived(const QString &tag) const
    {
        QFileInfoList files = QDir(FOutput).entryInfoList({QStringLiteral("*%1-%2*").arg(FToken, tag)}, QDir::Files);
        std::sort(files.begin(), files.end(), [](const QFileInfo &a, const QFileInfo &b) {
            static const QRegularExpression job(QStringLiteral("job_(\\d+)"));
            return job.match(a.fileName()).captured(1).toInt() < job.match(b.fileName()).captured(1).toInt();
        });
        QStringList paths;
        for (const QFileInfo &f : files)
            paths << f.filePath();
        return paths;
    }

    QStringList WaitFor(const QString &tag, int count)
    {
        QStringList files;
        if (!QTest::qWaitFor([&] {
                files = Arrived(tag);
                return files.size() >= count;
            }, 60000))
            return files;
        // let cups-pdf finish writing the last one
        QTest::qWait(500);
        return Arrived(tag);
    }

    TCoverDocument Document(const QString &tag)
    {
        TCoverDocument doc = EmptyDocument();
        doc.FilePath = FDir.filePath(QStringLiteral("%1-%2.tvk").arg(FToken, tag));
        doc.Settings.Colors[ciFront] = Red;
        doc.Record.Texts[0] = Text(QStringLiteral("Front"), TSurfaceCode::Front, 1, 1);
        doc.Record.Texts[1] = Text(QStringLiteral("Back"), TSurfaceCode::Back, 1, 1, 90);
        return doc;
    }

private slots:
    void initTestCase()
    {
        QProcess setup;
        setup.start(QStringLiteral(TARVIK_TEST_DATA "/cups-pdf-queue.sh"), {});
        QVERIFY(setup.waitForFinished(60000));
        if (setup.exitCode() == 77)
            QSKIP(qPrintable(QStringLiteral("no CUPS queue to print to: ")
                             + QString::fromUtf8(setup.readAllStandardError()).trimmed()));
        QCOMPARE(setup.exitCode(), 0);
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed: the arriving jobs cannot be read");
        FOutput = QString::fromUtf8(setup.readAllStandardOutput()).trimmed();
        FToken = QStringLiteral("tarvik-cups-%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    }

    void cleanupTestCase()
    {
        if (FToken.isEmpty())
            return;
        for (const QFileInfo &f : QDir(FOutput).entryInfoList({FToken + QLatin1Char('*')}, QDir::Files))
            QFile::remove(f.filePath());
    }

    void allCoversInPortraitComeAsTwoJobs()
    {
        TPrinterJob job;
        job.Printer().setPrinterName(Queue);
        QVERIFY(job.Printer().isValid());
        const QSizeF paper = job.Printer().pageLayout().pageSize().size(QPageSize::Point);
        TCoverPrintOptions options;
        options.Portrait = true;
        const TCoverDocument doc = Document(QStringLiteral("all"));
        QCOMPARE(TCoverPrinter(job, doc, options).PrintCover(pkAll).Status, TPrintOutcome::Printed);

        const QStringList files = WaitFor(QStringLiteral("all"), 2);
        QCOMPARE(files.size(), 2);
        const QList<TSheet> first = Sheets(files[0]), second = Sheets(files[1]);
        QCOMPARE(first.size(), 1);
        QCOMPARE(second.size(), 1);
        // Sheets of the printer's paper. The first job is landscape: the
        // front and inside covers (24.4 x 12.1 cm) run along the sheet's
        // long edge; the second, upright, holds the back cover (15.05 x
        // 11.8 cm) across the sheet.
        QVERIFY2(Near(first[0].Points, paper), qPrintable(Describe(first)));
        QVERIFY2(Near(second[0].Points, paper), qPrintable(Describe(second)));
        const QRect inside = PrintedBoxes(files[0], FDir.filePath(QStringLiteral("first"))).value(0);
        const QRect back = PrintedBoxes(files[1], FDir.filePath(QStringLiteral("second"))).value(0);
        QVERIFY2(inside.height() > inside.width() * 3 / 2, qPrintable(QStringLiteral("%1 x %2").arg(inside.width()).arg(inside.height())));
        QVERIFY2(back.width() > back.height() * 6 / 5, qPrintable(QStringLiteral("%1 x %2").arg(back.width()).arg(back.height())));
    }

    void allCoversInLandscapeComeAsOneJobOfTwoSheets()
    {
        TPrinterJob job;
        job.Printer().setPrinterName(Queue);
        const QSizeF paper = job.Printer().pageLayout().pageSize().size(QPageSize::Point);
        const TCoverDocument doc = Document(QStringLiteral("landscape"));
        QCOMPARE(TCoverPrinter(job, doc, TCoverPrintOptions()).PrintCover(pkAll).Status, TPrintOutcome::Printed);
        const QStringList files = WaitFor(QStringLiteral("landscape"), 1);
        QCOMPARE(files.size(), 1);
        const QList<TSheet> sheets = Sheets(files[0]);
        QCOMPARE(sheets.size(), 2);
        for (const TSheet &s : sheets)
            QVERIFY2(Near(s.Points, paper), qPrintable(Describe(sheets)));
        // both landscape: the layouts run along the sheets' long edges
        const QList<QRect> boxes = PrintedBoxes(files[0], FDir.filePath(QStringLiteral("landscape")));
        QCOMPARE(boxes.size(), 2);
        QVERIFY(boxes[0].height() > boxes[0].width() * 3 / 2);
        QVERIFY(boxes[1].height() > boxes[1].width());
    }

    void abortedJobNeverArrives()
    {
        TPrinterJob job;
        job.Printer().setPrinterName(Queue);
        int steps = 0;
        job.BetweenSteps = [&] {
            if (++steps == 2)
                job.AbortJob();
        };
        const TCoverDocument doc = Document(QStringLiteral("aborted"));
        QCOMPARE(TCoverPrinter(job, doc, TCoverPrintOptions()).PrintCover(pkAll).Status, TPrintOutcome::Aborted);
        // a job printed after it arrives, so the queue has passed the aborted one
        job.BetweenSteps = {};
        const TCoverDocument after = Document(QStringLiteral("after"));
        QCOMPARE(TCoverPrinter(job, after, TCoverPrintOptions()).PrintCover(pkFront).Status, TPrintOutcome::Printed);
        QCOMPARE(WaitFor(QStringLiteral("after"), 1).size(), 1);
        QVERIFY(Arrived(QStringLiteral("aborted")).isEmpty());
    }
};

TARVIK_TEST_MAIN(TestCupsPrint)
#include "test_cups_print.moc"
