#pragma once
// The document's records: elements, the whole document, the clipboard block,
// the settings record and the enumerations they use.
//
// Records that leave the process (document files, undo snapshots, the
// clipboard) are fixed-size little-endian byte blocks. They are packed and
// unpacked field by field at fixed offsets; the C++ structs below are the
// in-memory form only and are never copied as bytes. Unpacking accepts any
// bytes: every field gets a defined, safe value (see the packing section).

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>

// Colours are 0x00BBGGRR, red in the low byte.
using TColor = std::int32_t;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clBlack = 0;

enum class TSurfaceCode : std::uint8_t {
    Front = 0,
    Inside = 1,
    Back = 3,
    RoundLabel = 6,
};
// Any byte that names no surface means the front cover.
TSurfaceCode SurfaceCodeFromByte(std::uint8_t b);

enum TFitStyle : std::uint8_t {
    fsNone = 0,
    fsFront,
    fsInside,
    fsFrontInside,
    fsBack,
    fsAllBack,
    fsRoundLabel,
};
TFitStyle FitStyleFromByte(std::uint8_t b); // unknown -> fsNone

enum TVelImageType : std::uint8_t {
    itNone = 0,
    itBmp,
    itWmf,
    itEmf,
    itJpg,
};
TVelImageType ImageTypeFromByte(std::uint8_t b); // unknown -> itNone

enum TTextStyle : std::uint8_t {
    tsNone = 0,
    tsRaised,
    tsRecessed,
};

// Font style bits of records and text styles.
enum : std::uint8_t {
    fbBold = 1,
    fbItalic = 2,
    fbUnderline = 4,
    fbStrikeout = 8,
};

constexpr int TextSlotCount = 101;
constexpr int ImageSlotCount = 51;

struct TTextElementRecord {
    static constexpr int Size = 364;
    QString Text;             // up to 255 characters; empty marks an empty slot
    float XPosCm = 0, YPosCm = 0, XPosInches = 0, YPosInches = 0;
    std::int32_t RealFontSize = 0;
    QString FontName;         // up to 50 characters
    std::int32_t FontSize = 0;
    std::uint8_t FontStyle = 0;
    TColor FontColor = 0;
    std::int32_t Angle = 0;
    bool Transparent = false;
    TColor BackColor = 0;
    TSurfaceCode SurfaceIndex = TSurfaceCode::Front;
    std::int32_t ArrayIndex = 0;
    float SavedZoom = 0;

    bool isUsed() const { return !Text.isEmpty(); }
    bool operator==(const TTextElementRecord &) const = default;
};

struct TImageElementRecord {
    static constexpr int Size = 312;
    float XPosCm = 0, YPosCm = 0, XPosInches = 0, YPosInches = 0;
    QString ImageFileName;    // full path (the record holds 255 bytes of it); empty marks an empty slot
    TVelImageType ImageType = itNone;
    float WidthCm = 0, HeightCm = 0, WidthInches = 0, HeightInches = 0;
    std::int32_t Angle = 0;
    TFitStyle FitStyle = fsNone;
    TSurfaceCode SurfaceIndex = TSurfaceCode::Front;
    std::int32_t ArrayIndex = 0;
    std::int32_t Order = 0;
    float SavedZoom = 0;

    bool isUsed() const { return !ImageFileName.isEmpty(); }
    bool operator==(const TImageElementRecord &) const = default;
};

struct TDocumentRecord {
    static constexpr int Size = 52976;
    static constexpr int OlderSize = 52944; // documents written before colours were stored
    static constexpr int ImagesOffset = 36764;
    static constexpr int FormatVersionOffset = 52676;
    static constexpr int ReservedOffset = 52687;
    static constexpr int ColorsOffset = 52944;

    std::array<TTextElementRecord, TextSlotCount> Texts;
    std::array<TImageElementRecord, ImageSlotCount> Images;
    QString FormatVersion = QStringLiteral("1.1");
    QString Reserved;
    std::array<TColor, 8> Colors{};

    bool operator==(const TDocumentRecord &) const = default;
};

// The clipboard block of copied elements: at most 72 elements, an image only
// at positions 0-50, a text at positions 0-100.
struct TTarvikData {
    static constexpr int Size = 52760;
    static constexpr int MaxElements = 72;
    static constexpr int ImageRecordsOffset = 84;
    static constexpr int TextRecordsOffset = 15996;

    std::int32_t Count = 0;
    std::int32_t TextCount = 0;
    std::int32_t ImageCount = 0;
    std::array<std::uint8_t, MaxElements> Kinds{}; // 0 text, 1 image
    std::array<TImageElementRecord, ImageSlotCount> Images;
    std::array<TTextElementRecord, TextSlotCount> Texts;
};

struct TTextStyleRecord {
    QString Name;            // empty: the style does not exist
    QString FontName;
    std::int32_t FontSize = 0;
    TColor FontColor = 0;
    std::uint8_t FontStyle = 0;
    std::int32_t Angle = 0;
    bool Transparent = false;
    TColor BackColor = 0;
    float X = -1;            // inches; -1 keeps the element's position
    float Y = -1;
    bool operator==(const TTextStyleRecord &) const = default;
};

// Indices into TCoverSettings::Colors.
enum TColorIndex {
    ciFront = 0,
    ciInside,
    ciBack,
    ciLeftSpine,
    ciRightSpine,
    ciRoundLabel,
    ciLines,
    ciSpare,
};

struct TCoverSettings {
    std::array<TTextStyleRecord, 11> Styles;
    float FrontWidth = 0, FrontHeight = 0;
    float InsideWidth = 0, InsideHeight = 0;
    float BackWidth = 0, BackHeight = 0;
    float LeftSpineWidth = 0, RightSpineWidth = 0;
    std::array<TColor, 8> Colors{};
    std::int32_t LabelsPerPage = 2;
    std::array<float, 3> LabelXMargin{};
    std::array<float, 3> LabelYMargin{};
    float OuterDiameter = 0, InnerDiameter = 0;

    // The fixed surface sizes (centimetres / 2.54, in 32-bit floats), six white
    // surfaces with black lines and a white spare colour, and the label values'
    // defaults until the settings are read. Styles stay empty here: the text
    // styles come from DefaultStyles (ResetStyles / LoadStyles).
    static TCoverSettings Defaults();
};

// --- ShortStrings -------------------------------------------------------
// Record strings are single-byte text of a Windows code page (1252 unless the
// language module says otherwise). Characters the code page cannot hold
// become '?'.
int CurrentCodePage();
void SetCurrentCodePage(int codePage);
int CodePageOfCharset(int charset); // character-set number -> Windows code page

// maxBytes >= 0 cuts the result after the last whole character that fits
// (a double-byte character is never split).
QByteArray EncodeCodePage(const QString &text, int codePage, int maxBytes = -1);
// Bytes the code page does not define, and a double-byte character cut at the
// end, become '?'.
QString DecodeCodePage(QByteArrayView bytes, int codePage);

// --- Packing ------------------------------------------------------------
// Unpacking never reads past the input (missing bytes count as zero, and a
// string cut by the end of the input ends there) and
// sanitises every field:
// - a ShortString's length byte above the field's capacity is cut to it;
// - NaN and infinite floats become 0, finite ones are clamped to
//   +-MaxRecordFloat, so inches * pixels-per-inch * zoom always fits an int;
// - an unknown surface code means the front cover, an unknown fit style
//   fsNone, an unknown image type itNone; font style keeps its four bits;
//   any non-zero Transparent byte means transparent.
constexpr float MaxRecordFloat = 100000.0f;
float SaneRecordFloat(float v);

QByteArray PackTextRecord(const TTextElementRecord &r, int codePage = CurrentCodePage());
TTextElementRecord UnpackTextRecord(QByteArrayView bytes, int codePage = CurrentCodePage());
QByteArray PackImageRecord(const TImageElementRecord &r, int codePage = CurrentCodePage());
TImageElementRecord UnpackImageRecord(QByteArrayView bytes, int codePage = CurrentCodePage());

// Always TDocumentRecord::Size bytes.
QByteArray PackDocumentRecord(const TDocumentRecord &r, int codePage = CurrentCodePage());
// Accepts the current and the older form. The older form (fewer than Size
// bytes) has no colours: *hasColors is false and Colors are those of a new
// document (six white surfaces, black lines, white spare). Input shorter than
// OlderSize fills what it holds and leaves the rest empty; callers that read
// files treat it as an error (ExpandDocument does).
TDocumentRecord UnpackDocumentRecord(QByteArrayView bytes, bool *hasColors = nullptr,
                                     int codePage = CurrentCodePage());

QByteArray PackTarvikData(const TTarvikData &d, int codePage = CurrentCodePage());
// A shorter block fills what it holds, the rest stays zero. Count is clamped
// to 0..MaxElements (the text and image counts likewise); an image kind at a
// position without an image record (51 and above) becomes 0xFF, a kind that
// names nothing, so a paste loop can index the records by position safely.
TTarvikData UnpackTarvikData(QByteArrayView bytes, int codePage = CurrentCodePage());

// Empties every slot (length bytes to zero) as a new document has it.
void ClearDocumentRecord(TDocumentRecord &r);

// Colours of a new document and of documents of the older form: six white
// surfaces, black lines and a white spare colour.
std::array<TColor, 8> DefaultDocumentColors();
