#include "tela.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "png.h"

namespace didiv::gen {

uint32_t sfuma(uint32_t rgb, double f) {
    auto c = [&](int sh) {
        double v = ((rgb >> sh) & 0xFF) * f;
        return static_cast<uint32_t>(std::clamp(v, 0.0, 255.0) + 0.5) << sh;
    };
    return c(16) | c(8) | c(0);
}

void colore(cairo_t* cr, uint32_t rgb, double alfa) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                          (rgb & 0xFF) / 255.0, alfa);
}

void ellisse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void dipingi_superficie(cairo_t* cr, const Superficie& s, int sx, int sy, int w, int h) {
    cairo_surface_t* img = immagine_cairo(s, sx, sy, w, h);
    cairo_save(cr);
    cairo_set_source_surface(cr, img, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_surface_destroy(img);
}

std::pair<int, int> testo(cairo_t* cr, const std::string& utf8, const std::string& font, double x,
                          double y, uint32_t rgb, Allinea a, int larghezza_a_capo) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* desc = pango_font_description_from_string(font.c_str());
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    if (larghezza_a_capo > 0) {
        pango_layout_set_width(layout, larghezza_a_capo * PANGO_SCALE);
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
        pango_layout_set_alignment(layout, a == Allinea::centro ? PANGO_ALIGN_CENTER
                                           : a == Allinea::destra ? PANGO_ALIGN_RIGHT
                                                                  : PANGO_ALIGN_LEFT);
    }
    pango_layout_set_text(layout, utf8.c_str(), -1);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    double x0 = x;
    if (larghezza_a_capo <= 0) {
        if (a == Allinea::centro) x0 = x - w / 2.0;
        if (a == Allinea::destra) x0 = x - w;
    }
    cairo_save(cr);
    colore(cr, rgb);
    cairo_move_to(cr, x0, y);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
    g_object_unref(layout);
    return {w, h};
}

Tela::Tela(int w, int h)
    : w_(w), h_(h), s_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)), cr_(cairo_create(s_)) {}

Tela::~Tela() {
    cairo_destroy(cr_);
    cairo_surface_destroy(s_);
}

Superficie Tela::opaca() const {
    cairo_surface_flush(s_);
    const unsigned char* d = cairo_image_surface_get_data(s_);
    const int stride = cairo_image_surface_get_stride(s_);
    Superficie out(w_, h_);
    for (int y = 0; y < h_; ++y) {
        const uint32_t* r = reinterpret_cast<const uint32_t*>(d + static_cast<size_t>(y) * stride);
        // Premultiplied over black is the colour channels as they stand.
        for (int x = 0; x < w_; ++x) out.riga(y)[x] = r[x] & 0xFFFFFFu;
    }
    return out;
}

std::pair<Superficie, Superficie> Tela::coppia() const {
    cairo_surface_flush(s_);
    const unsigned char* d = cairo_image_surface_get_data(s_);
    const int stride = cairo_image_surface_get_stride(s_);
    Superficie maschera(w_, h_, RGB(255, 255, 255)), immagine(w_, h_);
    for (int y = 0; y < h_; ++y) {
        const uint32_t* r = reinterpret_cast<const uint32_t*>(d + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w_; ++x) {
            const uint32_t p = r[x];
            const uint32_t a = p >> 24;
            if (a < 128) continue;
            // Unpremultiply so the cut edge keeps its true colour.
            auto ch = [&](int sh) { return std::min<uint32_t>(255, (((p >> sh) & 0xFF) * 255 + a / 2) / a); };
            maschera.riga(y)[x] = 0;
            immagine.riga(y)[x] = ch(16) << 16 | ch(8) << 8 | ch(0);
        }
    }
    return {std::move(maschera), std::move(immagine)};
}

void Tela::specchia_orizzontale() {
    cairo_surface_flush(s_);
    unsigned char* d = cairo_image_surface_get_data(s_);
    const int stride = cairo_image_surface_get_stride(s_);
    for (int y = 0; y < h_; ++y) {
        uint32_t* r = reinterpret_cast<uint32_t*>(d + static_cast<size_t>(y) * stride);
        std::reverse(r, r + w_);
    }
    cairo_surface_mark_dirty(s_);
}

}  // namespace didiv::gen
