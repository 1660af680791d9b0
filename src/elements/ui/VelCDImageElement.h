#pragma once
// TVelCDImageElement, the image element: a picture shown on a surface panel,
// scaled to the element's bounds. It keeps its position and size in inches
// and centimetres next to its pixel bounds, follows the zoom, and records
// the surface it is fitted to, its stacking rank and the file it came from.

#include "CDDataTypes.h"

#include <QImage>
#include <QWidget>

// The picture kind a file name gives: the extension upper-cased and cut to
// four characters (".JPEG" -> ".JPE"); an unknown extension keeps `current`.
TVelImageType ImageTypeOfFileName(const QString &fileName, TVelImageType current);

class TVelCDImageElement : public QWidget
{
    Q_OBJECT
public:
    explicit TVelCDImageElement(QWidget *parent = nullptr);

    int Angle() const { return FAngle; }
    void SetAngle(int a) { FAngle = a; }
    float zoom() const { return Fzoom; }
    void Setzoom(float z);
    int ArrayIndex() const { return FArrayIndex; }
    void SetArrayIndex(int i) { FArrayIndex = i; }
    int Order() const { return FOrder; }
    void SetOrder(int o) { FOrder = o; }

    // Physical position and size. Reading them first takes over a change of
    // the pixel bounds not seen yet (the position alone for the position,
    // everything for the size; see SyncBounds).
    float XPosCm() const;
    float YPosCm() const;
    float XPosInches() const;
    float YPosInches() const;
    float WidthCm() const;
    float HeightCm() const;
    float WidthInches() const;
    float HeightInches() const;
    void SetXPosCm(float v);
    void SetYPosCm(float v);
    void SetWidthCm(float v);
    void SetHeightCm(float v);
    void SetXPosInches(float v);
    void SetYPosInches(float v);
    void SetWidthInches(float v);
    void SetHeightInches(float v);

    QString ImageFileName() const { return FImageFileName; }
    void SetImageFileName(const QString &name);
    TVelImageType ImageType() const { return FImageType; }
    void SetImageType(TVelImageType t) { FImageType = t; }
    TFitStyle FitStyle() const { return FFitStyle; }
    void SetFitStyle(TFitStyle f);
    // Keeps the width-to-height ratio when the element is sized (fit
    // "none"), and, when fitted to a whole surface, draws the picture cut to
    // the surface's shape instead of squeezed.
    bool MaintainAspectRatio() const { return FMaintainAspectRatio; }
    void SetMaintainAspectRatio(bool on);

    // A picture whose file exists but cannot be read: the element keeps
    // everything it holds (file, place, size, fit, order), so the document
    // keeps it too, and shows a grey box with the file name.
    bool Placeholder() const { return FPlaceholder; }
    void SetPlaceholder(bool on);

    // The picture and how it is shown.
    const QImage &Picture() const { return FPicture; }
    void SetPicture(const QImage &picture);
    void ClearPicture();
    bool Stretch() const { return FStretch; }
    void SetStretch(bool on);
    // While on, the element takes the picture's pixel size.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool on);

    // Takes over a change of the pixel bounds made from outside (the handle,
    // an arrow key, alignment, a fit): the physical values follow, the
    // aspect ratio is kept when asked for, and OnChangingPos / OnResizing are
    // raised. Runs on every paint, on every move of a shown element and
    // before the physical values are read, so no change is lost when no
    // paint comes.
    void SyncBounds();

signals:
    void OnChangingPos(QWidget *sender);
    void OnResizing(QWidget *sender);
    void OnFitting(QWidget *sender);
    void OnMouseDown(QWidget *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void SyncMove();
    bool SyncPosition();
    bool SyncSize();
    void MoveToInches();
    void SizeToInches();

    int FAngle = 0;
    float Fzoom = 1.0f;
    int FArrayIndex = 0;
    int FOrder = 0;
    float FXPosCm = 0, FYPosCm = 0, FXPosInches = 0, FYPosInches = 0;
    float FWidthCm = 0, FHeightCm = 0, FWidthInches = 0, FHeightInches = 0;
    QString FImageFileName;
    TVelImageType FImageType = itNone;
    TFitStyle FFitStyle = fsNone;
    bool FMaintainAspectRatio = false;

    QImage FPicture;
    bool FPlaceholder = false;
    bool FStretch = false;
    bool FAutoSize = false;

    int LastLeft = 0, LastTop = 0, LastWidth = 0, LastHeight = 0;
    float AspectWidth = 0, AspectHeight = 0;
    bool FSyncing = false;
};
