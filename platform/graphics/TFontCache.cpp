#include "platform/graphics/TFontCache.h"

#include <algorithm>
#include <cairo-ft.h>
#include <cairo.h>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <strings.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TFont.h"

char32_t NextCodePoint(std::string_view s, size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos++]);
    if (b0 < 0x80) return b0;
    int extra = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) { extra = 1; cp = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { extra = 2; cp = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { extra = 3; cp = b0 & 0x07; }
    else return 0xFFFD;
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    return cp;
}

namespace {

int Scale(long fontUnits, int em, int upem, bool up = false) {
    const double v = static_cast<double>(fontUnits) * em / upem;
    return static_cast<int>(up ? std::ceil(v - 1e-9) : std::lround(v));
}

// Faces stay alive as long as cairo holds the font face, which may outlive our reference.
const cairo_user_data_key_t kFaceKey{};
void DoneFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

}  // namespace

TFontFace::TFontFace(FT_Library library, const std::string& file, int faceIndex, int height, bool bold) : file_(file) {
    if (FT_New_Face(library, file.c_str(), faceIndex, &face_) != 0)
        throw EOutOfResources("Cannot open font file " + file);
    cairoFace_ = cairo_ft_font_face_create_for_ft_face(face_, FT_LOAD_DEFAULT);
    if (cairo_font_face_set_user_data(cairoFace_, &kFaceKey, face_, DoneFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(cairoFace_);
        FT_Done_Face(face_);
        throw EOutOfResources("Cannot create font face " + file);
    }
    family_ = face_->family_name ? face_->family_name : "";
    if (bold && !(face_->style_flags & FT_STYLE_FLAG_BOLD)) {
        cairo_ft_font_face_set_synthesize(cairoFace_, CAIRO_FT_SYNTHESIZE_BOLD);
        emboldened_ = true;
    }

    const int upem = face_->units_per_EM ? face_->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    long ascentUnits = os2 && os2->usWinAscent ? os2->usWinAscent : face_->ascender;
    long descentUnits = os2 && os2->usWinDescent ? os2->usWinDescent : -face_->descender;
    if (height == 0) height = -11;
    // Heights beyond what a page can show are capped, so a wild value draws big instead of failing.
    height = std::clamp(height, -MaxPixelHeight, MaxPixelHeight);
    int em = height < 0 ? -height : std::max(1, Scale(height, upem, static_cast<int>(ascentUnits + descentUnits)));
    pixelSize_ = em;

    cairo_matrix_t fontMatrix;
    cairo_matrix_t ctm;
    cairo_matrix_init_scale(&fontMatrix, em, em);
    cairo_matrix_init_identity(&ctm);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_DEFAULT);
    scaled_ = cairo_scaled_font_create(cairoFace_, &fontMatrix, &ctm, options);
    cairo_font_options_destroy(options);
    if (cairo_scaled_font_status(scaled_) != CAIRO_STATUS_SUCCESS) {
        cairo_scaled_font_destroy(scaled_);
        cairo_font_face_destroy(cairoFace_);
        throw EOutOfResources("Cannot scale font " + file);
    }

    metrics_.tmAscent = Scale(ascentUnits, em, upem);
    metrics_.tmDescent = Scale(descentUnits, em, upem);
    metrics_.tmHeight = metrics_.tmAscent + metrics_.tmDescent;
    metrics_.tmInternalLeading = std::max(0, metrics_.tmHeight - em);
    metrics_.tmMaxCharWidth = Scale(face_->max_advance_width, em, upem, true);
    underlinePos_ = std::max(1, Scale(-face_->underline_position, em, upem));
    underlineThickness_ = std::max(1, Scale(face_->underline_thickness, em, upem));
    const int w = GlyphOf(U'W').advance;
    const int i = GlyphOf(U'i').advance;
    metrics_.FixedPitch = w == i;
    metrics_.tmAveCharWidth = os2 && os2->xAvgCharWidth > 0 ? Scale(os2->xAvgCharWidth, em, upem) : GlyphOf(U'x').advance;
    if (metrics_.FixedPitch) metrics_.tmAveCharWidth = w;
}

TFontFace::~TFontFace() {
    cairo_scaled_font_destroy(scaled_);
    cairo_font_face_destroy(cairoFace_);
}

TFontFace::Glyph TFontFace::Load(char32_t cp) {
    Glyph g;
    FT_Face face = cairo_ft_scaled_font_lock_face(scaled_);
    if (!face) return g;
    g.index = FT_Get_Char_Index(face, cp);
    if (FT_Load_Glyph(face, g.index, FT_LOAD_DEFAULT) == 0) {
        g.advance = static_cast<int>((face->glyph->advance.x + 32) >> 6);
        if (emboldened_ && g.advance > 0) ++g.advance;
    }
    cairo_ft_scaled_font_unlock_face(scaled_);
    return g;
}

const TFontFace::Glyph& TFontFace::GlyphOf(char32_t cp) {
    if (cp < 128) {
        if (!asciiLoaded_[cp]) {
            ascii_[cp] = Load(cp);
            asciiLoaded_[cp] = true;
        }
        return ascii_[cp];
    }
    auto it = others_.find(cp);
    if (it == others_.end()) it = others_.emplace(cp, Load(cp)).first;
    return it->second;
}

int TFontFace::TextWidth(std::string_view s) {
    int width = 0;
    for (size_t pos = 0; pos < s.size();) width += GlyphOf(NextCodePoint(s, pos)).advance;
    return width;
}

TFontCache& TFontCache::Instance() {
    // Never destroyed: cairo's own caches may hold our faces until the process ends.
    static TFontCache* cache = new TFontCache;
    return *cache;
}

TFontCache::TFontCache() {
    if (FT_Init_FreeType(&library_) != 0) throw EOutOfResources("Cannot start FreeType");
}

TFontCache::~TFontCache() = default;

std::string TFontCache::Substitute(const std::string& name) {
    static const struct {
        const char* from;
        const char* to;
    } table[] = {
        {"MS Sans Serif", "Liberation Sans"},  {"Tahoma", "Liberation Sans"},   {"Arial", "Liberation Sans"},
        {"Verdana", "Liberation Sans"},        {"Courier New", "Liberation Mono"}, {"FixedSys", "Liberation Mono"},
        {"Times New Roman", "Liberation Serif"},
    };
    for (const auto& row : table)
        if (strcasecmp(row.from, name.c_str()) == 0) return row.to;
    return name;
}

TFontCache::Match TFontCache::Resolve(const std::string& name, bool bold, bool italic) {
    auto key = std::make_tuple(name, bold, italic);
    if (auto it = matches_.find(key); it != matches_.end()) return it->second;

    Match match;
    const std::string family = Substitute(name);
    for (const char* fam : {family.c_str(), "DejaVu Sans"}) {
        FcPattern* pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(fam));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* found = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (found) {
            FcChar8* file = nullptr;
            int index = 0;
            if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch && file) {
                FcPatternGetInteger(found, FC_INDEX, 0, &index);
                match.file = reinterpret_cast<const char*>(file);
                match.index = index;
            }
            FcPatternDestroy(found);
        }
        if (!match.file.empty()) break;
    }
    if (match.file.empty()) throw EOutOfResources("No font is installed");
    matches_.emplace(key, match);
    return match;
}

std::string TFontCache::ResolveFamily(const std::string& name, bool bold, bool italic) {
    return Face(name, -13, bold, italic).FamilyName();
}

TFontFace& TFontCache::Face(const std::string& name, int height, bool bold, bool italic) {
    auto key = std::make_tuple(name, height, bold, italic);
    if (auto it = faces_.find(key); it != faces_.end()) return *it->second;
    const Match m = Resolve(name, bold, italic);
    auto face = std::make_unique<TFontFace>(library_, m.file, m.index, height, bold);
    return *faces_.emplace(key, std::move(face)).first->second;
}

TFontFace& TFontCache::Face(const TFont& font) {
    return Face(font.Name(), font.Height(), font.Style() & fsBold, font.Style() & fsItalic);
}
