#include "ui/dialogs/JpegPicture.h"

#include <csetjmp>
#include <cstdio>

// jpeglib.h needs FILE and size_t declared before it and has no C++ guard of its own.
extern "C" {
#include <jpeglib.h>
}

namespace quorvel {
namespace {

// Larger pictures are refused rather than allocated: the program only shows small ones.
constexpr JDIMENSION MaxSide = 8192;

// libjpeg's default error handler prints and calls exit(); this one jumps back instead.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// Everything the decoding frame touches after setjmp lives here, outside that frame, so
// its values are well defined after a longjmp.
struct Session {
    jpeg_decompress_struct info;
    ErrorManager errors;
    bool created;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

// Warnings (level -1) mean damaged data that libjpeg would paper over with grey; they are
// treated as errors. Trace messages (level >= 0) are ignored.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0)
        JumpOnError(info);
}

// Only plain C objects live in this frame, so a longjmp back into it skips no destructor.
bool DecodeInto(Session* session, const QByteArray* data, QImage* image) {
    jpeg_decompress_struct* info = &session->info;
    info->err = jpeg_std_error(&session->errors.pub);
    session->errors.pub.error_exit = JumpOnError;
    session->errors.pub.emit_message = OnMessage;
    if (setjmp(session->errors.jump)) {
        if (session->created)
            jpeg_destroy_decompress(info);
        session->created = false;
        return false;
    }
    jpeg_create_decompress(info);
    session->created = true;
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(data->constData()),
                 static_cast<unsigned long>(data->size()));
    jpeg_read_header(info, TRUE);
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    if (info->output_width == 0 || info->output_height == 0 || info->output_width > MaxSide ||
        info->output_height > MaxSide || info->output_components != 3) {
        jpeg_destroy_decompress(info);
        session->created = false;
        return false;
    }
    *image = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(info);
        session->created = false;
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    session->created = false;
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty())
        return {};
    Session session{};
    QImage image;
    if (!DecodeInto(&session, &data, &image))
        return {};
    return image;
}

} // namespace quorvel
