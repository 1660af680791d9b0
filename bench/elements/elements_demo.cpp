// Renders text elements at 0, 90, 180 and 270 degrees with relief and solid
// or transparent backgrounds, and the selection handle holding one and two
// elements, into PNG files to look at.
//
// Run: build/bench/elements/elements_demo [folder]   (default: the current one)

#include "VelCDImageElement.h"
#include "TVelStretchHandle.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QApplication>
#include <QDir>
#include <QPainter>

#include <cstdio>

namespace {

TVelRotateLabel *Text(QWidget *panel, const QString &caption, int angle, TTextStyle style, bool solid,
                      float x, float y)
{
    auto *e = new TVelRotateLabel(panel);
    e->SetCaption(caption);
    e->SetRealFontSize(16);
    e->SetAngle(angle);
    e->SetTextStyle(style);
    e->SetTransparent(!solid);
    e->SetColor(0x80FFFF);    // light yellow
    e->SetFontColor(0x800000); // navy
    e->SetAutoSize(true);
    e->SetXPosInches(x);
    e->SetYPosInches(y);
    e->show();
    return e;
}

void Save(QWidget *w, const QString &path)
{
    w->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    VelMeasureRoutines::SetScreenPPI(96);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    QWidget panel;
    panel.resize(569, 446); // the back cover at 100 %
    panel.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, QColor(200, 220, 240));
    panel.setPalette(pal);

    // A picture behind some of the texts, so transparency shows.
    auto *img = new TVelCDImageElement(&panel);
    QImage pic(300, 120, QImage::Format_RGB32);
    {
        QPainter p(&pic);
        QLinearGradient g(0, 0, 300, 0);
        g.setColorAt(0, Qt::darkGreen);
        g.setColorAt(1, Qt::darkMagenta);
        p.fillRect(pic.rect(), g);
    }
    img->SetPicture(pic);
    img->SetStretch(true);
    img->SetXPosInches(2.6f);
    img->SetYPosInches(3.2f);
    img->SetWidthInches(2.9f);
    img->SetHeightInches(1.2f);
    img->show();

    const struct {
        int angle;
        TTextStyle style;
        bool solid;
        float x, y;
        const char *caption;
    } texts[] = {
        {0, tsNone, true, 0.2f, 0.2f, "0 solid &Accel"},
        {360, tsNone, false, 0.2f, 0.6f, "360 transparent &Accel"},
        {0, tsRaised, false, 0.2f, 1.0f, "0 raised"},
        {0, tsRecessed, true, 0.2f, 1.4f, "0 recessed solid"},
        {90, tsNone, true, 3.0f, 0.2f, "90 solid"},
        {90, tsRaised, false, 3.5f, 0.2f, "90 raised"},
        {180, tsNone, true, 0.2f, 2.0f, "180 solid"},
        {180, tsRecessed, false, 0.2f, 2.5f, "180 recessed"},
        {270, tsNone, true, 4.2f, 0.2f, "270 solid"},
        {270, tsRaised, true, 4.7f, 0.2f, "270 raised solid"},
        {0, tsRaised, false, 2.8f, 3.4f, "raised on a picture"},
        {90, tsRecessed, false, 5.3f, 2.9f, "recessed"},
    };
    QList<TVelRotateLabel *> labels;
    for (const auto &t : texts)
        labels << Text(&panel, QString::fromUtf8(t.caption), t.angle, t.style, t.solid, t.x, t.y);

    panel.show();
    QApplication::processEvents();
    Save(&panel, folder + "/texts.png");

    TVelStretchHandle handle(&panel);
    handle.AttachControl(labels[4]);
    QApplication::processEvents();
    Save(&panel, folder + "/handle-one.png");

    handle.AttachControl(labels[6]);
    QApplication::processEvents();
    Save(&panel, folder + "/handle-two.png");

    handle.DetachAll();
    handle.AttachControl(img);
    QApplication::processEvents();
    Save(&panel, folder + "/handle-image.png");
    return 0;
}
