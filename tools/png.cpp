#include "png.h"

#include <cairo.h>

namespace didiv {

bool scrivi_png(const Superficie& s, const std::filesystem::path& file, int zoom) {
    const int w = s.ScaleWidth() * zoom, h = s.ScaleHeight() * zoom;
    cairo_surface_t* png = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_surface_flush(png);
    unsigned char* d = cairo_image_surface_get_data(png);
    const int stride = cairo_image_surface_get_stride(png);
    for (int y = 0; y < h; ++y) {
        auto* r = reinterpret_cast<uint32_t*>(d + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) r[x] = s.riga(y / zoom)[x / zoom];
    }
    cairo_surface_mark_dirty(png);
    const bool ok = cairo_surface_write_to_png(png, file.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(png);
    return ok;
}

}  // namespace didiv
