// Elements to records and back with real panels, fonts and picture files:
// the setter order (inch values govern), the font fallback, the surfaces,
// the failure path of images, and pictures held no larger than needed.

#include "ElementRecords.h"
#include "TestSupport.h"
#include "VelCDImageElement.h"
#include "VelMeasureRoutines.h"
#include "VelRotateLabel.h"

#include <QFontDatabase>

class TestElementRecords : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    std::map<TSurfaceCode, std::unique_ptr<QWidget>> panels;
    TElementContext ctx;

    TTextElementRecord SampleText() const
    {
        TTextElementRecord r;
        r.Text = QString(255, u'x');
        r.XPosCm = 2.54f * 1.5f;
        r.YPosCm = 2.54f * 0.25f;
        r.XPosInches = 1.5f;
        r.YPosInches = 0.25f;
        r.RealFontSize = 14;
        r.FontName = QStringLiteral("Liberation Serif");
        r.FontSize = 13;
        r.FontStyle = fbBold | fbItalic | fbUnderline;
        r.FontColor = 0x123456;
        r.Angle = 360;
        r.Transparent = true;
        r.BackColor = 0x00FF00;
        r.SurfaceIndex = TSurfaceCode::Back;
        r.ArrayIndex = 9;
        r.SavedZoom = 0.9f;
        return r;
    }

    TImageElementRecord SampleImage(const QString &file) const
    {
        TImageElementRecord r;
        r.XPosInches = 0.5f;
        r.YPosInches = 1.0f;
        r.XPosCm = 1.27f;
        r.YPosCm = 2.54f;
        r.WidthInches = 2.0f;
        r.HeightInches = 1.5f;
        r.WidthCm = 5.08f;
        r.HeightCm = 3.81f;
        r.ImageFileName = file;
        r.ImageType = itJpg;
        r.Angle = 90;
        r.FitStyle = fsNone;
        r.SurfaceIndex = TSurfaceCode::Inside;
        r.ArrayIndex = 7;
        r.Order = 5;
        r.SavedZoom = 1.0f;
        return r;
    }

private slots:
    void initTestCase()
    {
        VelMeasureRoutines::SetScreenPPI(96);
        for (TSurfaceCode c : {TSurfaceCode::Front, TSurfaceCode::Inside, TSurfaceCode::Back, TSurfaceCode::RoundLabel})
            panels[c] = std::make_unique<QWidget>();
        ctx.SurfacePanel = [this](TSurfaceCode c) { return panels.at(c).get(); };
        ctx.SurfaceCodeOf = [this](const QWidget *w) {
            for (auto &[code, p] : panels)
                if (p.get() == w)
                    return code;
            return TSurfaceCode::Front;
        };
        QImage big(1600, 1200, QImage::Format_RGB32);
        big.fill(Qt::darkCyan);
        QVERIFY(big.save(dir.filePath("photo.jpg")));
    }
    void init() { ctx.Zoom = 1.0f; ctx.FindImage = nullptr; ctx.FontAvailable = nullptr; }

    void textRoundTrip_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::newRow("zoom 1") << 1.0f;
        QTest::newRow("zoom 0.9") << 0.9f;
    }
    void textRoundTrip()
    {
        QFETCH(float, zoom);
        QVERIFY2(QFontDatabase::families().contains("Liberation Serif"), "fonts-liberation is needed");
        ctx.Zoom = zoom;
        const TTextElementRecord in = SampleText();
        std::unique_ptr<TVelRotateLabel> e(CreateTextFromRecord(in, 4, ctx));
        QVERIFY(e);
        QCOMPARE(e->parentWidget(), panels[TSurfaceCode::Back].get());
        QVERIFY(!e->isHidden());
        QVERIFY(e->AutoSize());
        QCOMPARE(e->ArrayIndex(), 4);
        QCOMPARE(e->Angle(), 360);
        QCOMPARE(e->zoom(), zoom);
        QCOMPARE(e->FontSize(), VelMeasureRoutines::RoundEven(double(zoom) * 14));
        QCOMPARE(e->x(), VelMeasureRoutines::InchesToScreenPixels(1.5f, zoom));

        TTextElementRecord out;
        QVERIFY(TextToRecord(e.get(), out, ctx));
        TTextElementRecord expected = in;
        expected.ArrayIndex = 4;
        expected.SavedZoom = zoom;
        expected.FontSize = e->FontSize();
        QCOMPARE(out, expected);
        QCOMPARE(out.Text.size(), 255);
    }

    void displayedFontSize_data()
    {
        QTest::addColumn<int>("realSize");
        QTest::addColumn<int>("savedSize");
        QTest::addColumn<float>("zoom");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("real");
        QTest::newRow("default size at 100 %") << 12 << 12 << 1.0f << 12 << 12;
        QTest::newRow("saved at another zoom") << 13 << 26 << 2.05f << 27 << 13;
        QTest::newRow("no RealFontSize") << 0 << 18 << 1.0f << 18 << 18;
        QTest::newRow("absurd RealFontSize") << 2000000000 << 12 << 1.0f << 4000 << 2000000000;
    }
    void displayedFontSize()
    {
        QFETCH(int, realSize);
        QFETCH(int, savedSize);
        QFETCH(float, zoom);
        QFETCH(int, shown);
        QFETCH(int, real);
        ctx.Zoom = zoom;
        TTextElementRecord in = SampleText();
        in.RealFontSize = realSize;
        in.FontSize = savedSize;
        std::unique_ptr<TVelRotateLabel> e(CreateTextFromRecord(in, 0, ctx));
        QCOMPARE(e->FontSize(), shown);
        QCOMPARE(e->RealFontSize(), real);
    }

    void inchValuesGovern()
    {
        TTextElementRecord in = SampleText();
        in.XPosCm = 9.0f; // disagrees with 1.5 inches
        in.YPosCm = 0.0f;
        std::unique_ptr<TVelRotateLabel> t(CreateTextFromRecord(in, 0, ctx));
        QCOMPARE(t->XPosInches(), 1.5f);
        QCOMPARE(t->XPosCm(), 1.5f * 2.54f);
        QCOMPARE(t->YPosCm(), 0.25f * 2.54f);

        TImageElementRecord img = SampleImage(dir.filePath("photo.jpg"));
        img.WidthCm = 1.0f;
        std::unique_ptr<TVelCDImageElement> i(CreateImageFromRecord(img, 0, ctx));
        QVERIFY(i);
        QCOMPARE(i->WidthInches(), 2.0f);
        QCOMPARE(i->WidthCm(), 2.0f * 2.54f);
    }

    void fontFallback_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("customCheck");
        QTest::addColumn<QString>("used");
        QTest::newRow("installed") << "Liberation Sans" << false << "Liberation Sans";
        QTest::newRow("missing") << "No Such Font 42" << false << "Arial";
        QTest::newRow("case differs") << "liberation sans" << false << "Arial";
        QTest::newRow("printer lacks it") << "Liberation Sans" << true << "Arial";
        QTest::newRow("empty name") << "" << false << "Arial";
    }
    void fontFallback()
    {
        QFETCH(QString, name);
        QFETCH(bool, customCheck);
        QFETCH(QString, used);
        if (customCheck)
            ctx.FontAvailable = [](const QString &f) { return f == u"Arial"; };
        TTextElementRecord in = SampleText();
        in.FontName = name;
        std::unique_ptr<TVelRotateLabel> e(CreateTextFromRecord(in, 0, ctx));
        QCOMPARE(e->font().family(), used);
    }

    void hiddenElementsGiveNoRecord()
    {
        std::unique_ptr<TVelRotateLabel> e(CreateTextFromRecord(SampleText(), 0, ctx));
        e->hide();
        TTextElementRecord out;
        out.Text = QStringLiteral("untouched");
        QVERIFY(!TextToRecord(e.get(), out, ctx));
        QVERIFY(!TextToRecord(nullptr, out, ctx));
        QCOMPARE(out.Text, QStringLiteral("untouched"));
    }

    void imageRoundTrip()
    {
        const QString file = dir.filePath("photo.jpg");
        const TImageElementRecord in = SampleImage(file);
        std::unique_ptr<TVelCDImageElement> e(CreateImageFromRecord(in, 3, ctx));
        QVERIFY(e);
        QCOMPARE(e->parentWidget(), panels[TSurfaceCode::Inside].get());
        QVERIFY(e->Stretch());
        QVERIFY(!e->AutoSize());
        QCOMPARE(e->ArrayIndex(), 7); // the record's own; pasting changes it
        QCOMPARE(e->geometry(), QRect(48, 96, 192, 144));
        TImageElementRecord out;
        QVERIFY(ImageToRecord(e.get(), out, ctx));
        QCOMPARE(out, in);
    }

    void pictureHeldOnlyAsLargeAsShown()
    {
        // 2 x 1.5 inches show as 394 x 296 pixels at the highest zoom; the
        // 1600 x 1200 picture is held at no more than that.
        std::unique_ptr<TVelCDImageElement> e(CreateImageFromRecord(SampleImage(dir.filePath("photo.jpg")), 0, ctx));
        QVERIFY(e);
        const QSize held = e->Picture().size();
        QVERIFY2(held.width() >= 394 && held.width() <= 396 && held.height() >= 296 && held.height() <= 297,
                 qPrintable(QStringLiteral("%1x%2").arg(held.width()).arg(held.height())));

        // A small picture stays as it is.
        QImage small(100, 80, QImage::Format_RGB32);
        small.fill(Qt::red);
        QVERIFY(small.save(dir.filePath("small.png")));
        std::unique_ptr<TVelCDImageElement> s(CreateImageFromRecord(SampleImage(dir.filePath("small.png")), 0, ctx));
        QCOMPARE(s->Picture().size(), QSize(100, 80));
    }

    void imageFailurePath_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("found");
        QTest::newRow("FindImage finds nothing") << "photo.jpg" << false;
        QTest::newRow("file gone, no FindImage") << "gone.jpg" << true;
        QTest::newRow("empty name") << "" << true;
    }
    void imageFailurePath()
    {
        QFETCH(QString, stored);
        QFETCH(bool, found);
        QFile broken(dir.filePath("broken.jpg"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture at all");
        broken.close();
        if (!found)
            ctx.FindImage = [](const QString &) { return QString(); };
        const QString path = stored.isEmpty() ? QString() : dir.filePath(stored);
        const int before = panels[TSurfaceCode::Inside]->children().size();
        QCOMPARE(CreateImageFromRecord(SampleImage(path), 0, ctx), nullptr);
        QCOMPARE(panels[TSurfaceCode::Inside]->children().size(), before);
    }

    // A picture that is there but cannot be read keeps its element, grey
    // with the file name, holding the record as it was.
    void unreadablePictureKeepsItsElement()
    {
        QFile broken(dir.filePath("broken.jpg"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture at all");
        broken.close();
        const TImageElementRecord in = SampleImage(broken.fileName());
        std::unique_ptr<TVelCDImageElement> e(CreateImageFromRecord(in, 0, ctx));
        QVERIFY(e);
        QVERIFY(e->Placeholder());
        QVERIFY(e->Picture().isNull());
        QCOMPARE(e->parentWidget(), panels[in.SurfaceIndex].get());
        TImageElementRecord out;
        QVERIFY(ImageToRecord(e.get(), out, ctx));
        out.SavedZoom = in.SavedZoom;
        QVERIFY(out == in);
        const QImage shot = e->grab().toImage();
        QCOMPARE(shot.pixelColor(2, 2), QColor(192, 192, 192));
    }

    void findImageGivesTheFileUsed()
    {
        const QString moved = dir.filePath("photo.jpg");
        QStringList asked;
        ctx.FindImage = [&](const QString &stored) {
            asked << stored;
            return moved;
        };
        std::unique_ptr<TVelCDImageElement> e(CreateImageFromRecord(SampleImage("/old/place/photo.jpg"), 0, ctx));
        QVERIFY(e);
        QCOMPARE(asked, QStringList{"/old/place/photo.jpg"});
        QCOMPARE(e->ImageFileName(), moved);
    }
};

TARVIK_TEST_MAIN(TestElementRecords)
#include "test_ElementRecords.moc"
