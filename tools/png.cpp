#include "png.h"

namespace didiv {

cairo_surface_t* immagine_cairo(const Superficie& s, int sx, int sy, int w, int h) {
    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_surface_flush(img);
    unsigned char* d = cairo_image_surface_get_data(img);
    const int stride = cairo_image_surface_get_stride(img);
    for (int y = 0; y < h; ++y) {
        auto* r = reinterpret_cast<uint32_t*>(d + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) r[x] = static_cast<uint32_t>(s.Point(sx + x, sy + y)) & 0xFFFFFFu;
    }
    cairo_surface_mark_dirty(img);
    return img;
}

bool scrivi_png(const Superficie& s, const std::filesystem::path& file, int zoom) {
    const int w = s.ScaleWidth(), h = s.ScaleHeight();
    cairo_surface_t* img = immagine_cairo(s, 0, 0, w, h);
    cairo_surface_t* png = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w * zoom, h * zoom);
    cairo_t* cr = cairo_create(png);
    cairo_scale(cr, zoom, zoom);
    cairo_set_source_surface(cr, img, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(png, file.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(png);
    cairo_surface_destroy(img);
    return ok;
}

}  // namespace didiv
