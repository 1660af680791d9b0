#pragma once
// TVelRotateLabel, the text element: one line of text on a surface panel,
// drawn at the view's zoom at 0, 90, 180, 270 or 360 degrees, with an
// optional relief and a transparent or solid background. It keeps its
// position in inches and centimetres next to its pixel position, and its
// point size at 100 % (RealFontSize) next to the zoomed font it draws with.

#include "CDDataTypes.h"

#include <QWidget>

class QPainter;

// The point size of a new text, and of a stored one that has no size.
constexpr int DefaultTextFontSize = 12;

class TVelRotateLabel : public QWidget
{
    Q_OBJECT
public:
    explicit TVelRotateLabel(QWidget *parent = nullptr);

    int Angle() const { return FAngle; }
    void SetAngle(int a);
    TTextStyle TextStyle() const { return FTextStyle; }
    void SetTextStyle(TTextStyle s);
    float zoom() const { return Fzoom; }
    void Setzoom(float z);
    // Reads the font first: a size set on the font directly counts from then on.
    int RealFontSize() const;
    void SetRealFontSize(int n);
    int ArrayIndex() const { return FArrayIndex; }
    void SetArrayIndex(int i) { FArrayIndex = i; }

    // The physical position. Reading it first takes over a pixel move that
    // has not been seen yet (see SyncPosition).
    float XPosCm() const;
    float YPosCm() const;
    float XPosInches() const;
    float YPosInches() const;
    void SetXPosCm(float v);
    void SetYPosCm(float v);
    void SetXPosInches(float v);
    void SetYPosInches(float v);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString &text);
    TColor Color() const { return FColor; }
    void SetColor(TColor c);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor c);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool t);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool on);
    Qt::Alignment Alignment() const { return FAlignment; }
    void SetAlignment(Qt::Alignment a);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool on);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool on);
    // The zoomed point size of the drawing font (Font.Size).
    int FontSize() const { return font().pointSize(); }
    void SetFontSize(int points);

    // Takes over a change of the pixel position made from outside (the
    // handle, an arrow key, alignment): the inch and centimetre values follow
    // and OnChangingPos is raised once. Runs on every move of a shown
    // element, on every paint, and before the position is read, so a move of
    // an element on a surface that is not shown is never lost.
    void SyncPosition();

    // The bounding box of the caption drawn at the current angle as one line
    // (the size AutoSize gives at any angle but 0).
    QSize RotatedBoxSize() const;

signals:
    void OnChangingPos(QWidget *sender);
    void OnMouseDown(QWidget *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void DrawStyledText(QPainter &p, const QRect &rect, int flags);
    void DrawText(QPainter &p, const QRect &rect, int flags, const QString &text);
    void TextOutRotated(QPainter &p, const QRect &rect, const QString &text, int angle);
    QRect PlaceRotatedText(QRect rect, int angle, const QString &text);
    int DrawFlags() const;
    void ApplyFontSize(int points);
    void FollowFontSize();
    void UpdateAutoSize();
    void MoveToInches();
    int PixelX() const;
    int PixelY() const;

    int FAngle = 0;
    TTextStyle FTextStyle = tsNone;
    float Fzoom = 1.0f;
    int FRealFontSize = DefaultTextFontSize;
    int FArrayIndex = 0;
    float FXPosCm = 0, FYPosCm = 0, FXPosInches = 0, FYPosInches = 0;
    QString FCaption;
    TColor FColor = clWhite;
    TColor FFontColor = clBlack;
    bool FTransparent = false;
    bool FAutoSize = false;
    Qt::Alignment FAlignment = Qt::AlignLeft;
    bool FWordWrap = false;
    bool FShowAccelChar = true;

    int LastLeft = 0;
    int LastTop = 0;
    int LastFontSize = 0;
    bool FSyncing = false;
};
