#pragma once

// The floor the thumbnail benchmarks measure against: libjpeg-turbo alone
// decoding a JPEG at 1/8 of its size on one thread.

#include <QByteArray>

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace bench_detail {
struct JumpError {
    jpeg_error_mgr pub;
    jmp_buf jump;
};
} // namespace bench_detail

// Decodes `bytes` at 1/8 into `out` (rows of packed samples); false on a
// broken JPEG.
inline bool DecodeEighth(const QByteArray& bytes, std::vector<uint8_t>& out) {
    jpeg_decompress_struct cinfo;
    bench_detail::JumpError err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = [](j_common_ptr info) {
        longjmp(reinterpret_cast<bench_detail::JumpError*>(info->err)->jump, 1);
    };
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = 1;
    cinfo.scale_denom = 8;
    jpeg_start_decompress(&cinfo);
    const size_t stride = size_t(cinfo.output_width) * cinfo.output_components;
    out.resize(stride * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}
