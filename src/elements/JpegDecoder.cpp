#include "JpegDecoder.h"

#include "PictureLimits.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <csetjmp>
#include <memory>

#include <jpeglib.h>

namespace {

struct TErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<TErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void SilentMessage(j_common_ptr, int) {}

// Everything the decoding touches between setjmp and a possible longjmp
// lives here, on the heap, so nothing local is left half-changed.
struct TDecodeState {
    jpeg_decompress_struct cinfo{};
    TErrorManager err{};
    bool created = false;
    QImage image;
    ~TDecodeState()
    {
        if (created)
            jpeg_destroy_decompress(&cinfo);
    }
};

bool LooksLikeJpeg(const uchar *data, qint64 size)
{
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

} // namespace

namespace {

TJpegResult Fail(QString *error, TJpegResult r, const QString &why)
{
    if (error)
        *error = why;
    return r;
}

// The libjpeg part. Only `st` (on the heap) and the unchanged arguments are
// used after a longjmp back to the setjmp below.
TJpegResult DecodeMapped(TDecodeState *st, const uchar *data, qint64 size, const TPictureTarget &target,
                         QString *error)
{
    jpeg_decompress_struct &cinfo = st->cinfo;
    cinfo.err = jpeg_std_error(&st->err.pub);
    st->err.pub.error_exit = ErrorExit;
    st->err.pub.emit_message = SilentMessage;
    if (setjmp(st->err.jump)) {
        st->image = QImage();
        return Fail(error, TJpegResult::Failed, QString::fromLocal8Bit(st->err.message));
    }
    jpeg_create_decompress(&cinfo);
    st->created = true;
    // Progressive pictures keep all coefficients in memory; a header that
    // claims an absurd size then fails here instead of taking the machine.
    cinfo.mem->max_memory_to_use = long(std::min<qint64>(MaxDecoderBytes, 0x7fffffff));
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);

    if (cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK)
        return Fail(error, TJpegResult::Unsupported, QStringLiteral("CMYK JPEG"));

    const QSize full(int(cinfo.image_width), int(cinfo.image_height));
    QString refused;
    if (!PictureSizeAllowed(full, &refused))
        return Fail(error, TJpegResult::Failed, refused);
    // Every 8 x 8 block takes a few bits even in a flat picture; a file far
    // too small for the size its header claims is cut off or made up, and
    // decoding it would only paint grey for a long time.
    const qint64 blocks = ((qint64(full.width()) + 7) / 8) * ((qint64(full.height()) + 7) / 8);
    if (size * 8 * 8 < blocks)
        return Fail(error, TJpegResult::Failed, QStringLiteral("The file is too short for its picture"));
    QSize want = target ? target(full) : full;
    if (!want.isValid() || want.isEmpty())
        want = full;
    want = want.boundedTo(full);

    // The smallest n/8 that still covers the wanted size in both directions.
    unsigned num = 8;
    for (unsigned n = 1; n <= 8; ++n) {
        const qint64 w = (qint64(full.width()) * n + 7) / 8;
        const qint64 h = (qint64(full.height()) * n + 7) / 8;
        if (w >= want.width() && h >= want.height()) {
            num = n;
            break;
        }
    }
    cinfo.scale_num = num;
    cinfo.scale_denom = 8;
    if (num < 8) {
        // A reduced picture is smoothed afterwards; the decoder's fastest
        // transform and plain upsampling lose nothing visible there.
        cinfo.dct_method = JDCT_IFAST;
        cinfo.do_fancy_upsampling = FALSE;
    }
    cinfo.out_color_space = JCS_EXT_BGRX; // QImage::Format_RGB32 on little-endian
    jpeg_calc_output_dimensions(&cinfo);
    const qint64 bytes = qint64(cinfo.output_width) * cinfo.output_height * 4;
    if (bytes > MaxPictureBytes)
        return Fail(error, TJpegResult::Failed, QStringLiteral("The picture is too large"));

    jpeg_start_decompress(&cinfo);
    st->image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    if (st->image.isNull()) {
        jpeg_abort_decompress(&cinfo);
        return Fail(error, TJpegResult::Failed, QStringLiteral("Out of memory"));
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = st->image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    if (st->image.size() != want)
        st->image = st->image.scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return TJpegResult::Ok;
}

} // namespace

TJpegResult DecodeJpeg(const QString &fileName, const TPictureTarget &target, QImage *image,
                       QString *error)
{
    *image = QImage();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(error, TJpegResult::Failed, file.errorString());
    qint64 size = file.size();
    if (size <= 0)
        return Fail(error, TJpegResult::Failed, QStringLiteral("The file is empty"));
    const uchar *data = file.map(0, size);
    QByteArray copy;
    if (!data) {
        copy = file.readAll();
        data = reinterpret_cast<const uchar *>(copy.constData());
        size = copy.size();
    }
    if (!LooksLikeJpeg(data, size))
        return Fail(error, TJpegResult::NotJpeg, QStringLiteral("Not a JPEG file"));

    auto st = std::make_unique<TDecodeState>();
    const TJpegResult r = DecodeMapped(st.get(), data, size, target, error);
    if (r == TJpegResult::Ok)
        *image = std::move(st->image);
    return r;
}
