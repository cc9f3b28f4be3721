#include "app/JpegDecoder.h"

#include <QImageReader>

#include <csetjmp>
#include <cstdio>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// Everything a decode touches lives here, outside the frame that calls setjmp, so that a jump
// back from libjpeg skips no destructor and finds every value where it was left.
struct Session
{
    jpeg_decompress_struct info;
    ErrorManager error;
    QImage image;
    std::vector<JSAMPLE> row;
    bool tooLarge = false;
};

[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    auto *error = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->message);
    std::longjmp(error->jump, 1);
}

// A file that ends early would otherwise be shown with its missing part grey; it is an error
// here. Other warnings (stray bytes between markers and the like) are counted and ignored.
void emitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    if (cinfo->err->msg_code == JWRN_JPEG_EOF)
        errorExit(cinfo);
    ++cinfo->err->num_warnings;
}

void outputMessage(j_common_ptr) {}

// The most memory a picture may take, as for pictures read by Qt.
qint64 memoryLimit()
{
    return qint64(QImageReader::allocationLimit()) * 1024 * 1024;
}

// Refuses pictures too large to hold before libjpeg sets up its own buffers for them.
bool fitsLimit(Session &s)
{
    const qint64 pixels = qint64(s.info.image_width) * qint64(s.info.image_height);
    s.tooLarge = pixels <= 0 || (memoryLimit() > 0 && pixels * 3 > memoryLimit());
    return !s.tooLarge;
}

// Makes the picture and the row buffer once the output size is known.
bool allocate(Session &s)
{
    s.image = QImage(int(s.info.output_width), int(s.info.output_height), QImage::Format_RGB888);
    if (s.image.isNull()) {
        s.tooLarge = true;
        return false;
    }
    s.row.resize(size_t(s.info.output_width) * size_t(s.info.output_components));
    return true;
}

// Turns one decoded row of 1 or 4 components into RGB.
void expandRow(const Session &s, uchar *out)
{
    const JSAMPLE *in = s.row.data();
    const JDIMENSION width = s.info.output_width;
    if (s.info.output_components == 1) {
        for (JDIMENSION x = 0; x < width; ++x, out += 3)
            out[0] = out[1] = out[2] = in[x];
        return;
    }
    // Photoshop and most other writers store CMYK inverted and say so with an Adobe marker.
    const bool inverted = s.info.saw_Adobe_marker;
    for (JDIMENSION x = 0; x < width; ++x, in += 4, out += 3) {
        const int c = inverted ? in[0] : 255 - in[0];
        const int m = inverted ? in[1] : 255 - in[1];
        const int y = inverted ? in[2] : 255 - in[2];
        const int k = inverted ? in[3] : 255 - in[3];
        out[0] = uchar((c * k + 127) / 255);
        out[1] = uchar((m * k + 127) / 255);
        out[2] = uchar((y * k + 127) / 255);
    }
}

// Runs libjpeg from header to end. Any libjpeg error jumps back to the setjmp below; this
// function keeps nothing of its own that the jump could leave behind.
bool run(Session &s, const QByteArray &data)
{
    if (setjmp(s.error.jump))
        return false;

    jpeg_create_decompress(&s.info);
    // libjpeg's own buffers (a progressive picture's coefficients) stay within bounds too.
    if (memoryLimit() > 0)
        s.info.mem->max_memory_to_use = long(memoryLimit() * 2);
    jpeg_mem_src(&s.info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&s.info, TRUE);
    if (!fitsLimit(s))
        return false;
    switch (s.info.jpeg_color_space) {
    case JCS_GRAYSCALE:
        s.info.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        s.info.out_color_space = JCS_CMYK;
        break;
    default:
        s.info.out_color_space = JCS_RGB;
        break;
    }
    jpeg_start_decompress(&s.info);
    if (!allocate(s))
        return false;

    const bool direct = s.info.output_components == 3;
    while (s.info.output_scanline < s.info.output_height) {
        uchar *line = s.image.scanLine(int(s.info.output_scanline));
        JSAMPROW target = direct ? line : s.row.data();
        if (jpeg_read_scanlines(&s.info, &target, 1) != 1)
            ERREXIT(&s.info, JERR_INPUT_EOF);
        if (!direct)
            expandRow(s, line);
    }
    jpeg_finish_decompress(&s.info);
    return true;
}

} // namespace

bool JpegDecoder::decode(const QByteArray &data)
{
    m_image = QImage();
    m_error.clear();
    if (data.isEmpty()) {
        m_error = QStringLiteral("The file is empty");
        return false;
    }

    Session s{};
    s.info.err = jpeg_std_error(&s.error.pub);
    s.error.pub.error_exit = errorExit;
    s.error.pub.emit_message = emitMessage;
    s.error.pub.output_message = outputMessage;

    const bool ok = run(s, data);
    jpeg_destroy_decompress(&s.info);
    if (!ok) {
        m_error =
            s.tooLarge ? QStringLiteral("The picture is too large to load") : QString::fromLatin1(s.error.message);
        return false;
    }
    m_image = s.image;
    return true;
}
