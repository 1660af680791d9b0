// Renders an SVG icon as PNG files for the hicolor icon theme:
//   tarvik_render_icon ICON.svg OUTPUT-FOLDER NAME SIZE...
// writes OUTPUT-FOLDER/SIZExSIZE/NAME.png for each size. Used by the build,
// so the installed PNG icons always match their one SVG source.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 5) {
        err << "Usage: tarvik_render_icon ICON.svg OUTPUT-FOLDER NAME SIZE...\n";
        return 2;
    }
    for (const QString &sizeText : args.mid(4)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size <= 0) {
            err << "Not an icon size: " << sizeText << '\n';
            return 2;
        }
        QImageReader reader(args[1]);
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        const QString folder = QStringLiteral("%1/%2x%2").arg(args[2]).arg(size);
        const QString out = folder + QLatin1Char('/') + args[3] + QStringLiteral(".png");
        if (image.isNull() || image.size() != QSize(size, size)) {
            err << "Cannot render " << args[1] << ": " << reader.errorString()
                << " (the Qt SVG image plugin, package libqt6svg6, reads SVG files)\n";
            return 1;
        }
        if (!QDir().mkpath(folder) || !image.save(out, "PNG")) {
            err << "Cannot write " << out << '\n';
            return 1;
        }
    }
    return 0;
}
