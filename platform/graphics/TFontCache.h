#pragma once
// Faces resolved through fontconfig and the substitution table, at integer pixel sizes, with
// their glyph indices and hinted advances cached so a screen of text costs little.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>

typedef struct _cairo_font_face cairo_font_face_t;
typedef struct _cairo_scaled_font cairo_scaled_font_t;
typedef struct FT_FaceRec_* FT_Face;
typedef struct FT_LibraryRec_* FT_Library;

class TFont;

struct TTextMetric {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
    int tmOverhang = 0;
    bool FixedPitch = false;
};

class TFontFace {
public:
    struct Glyph {
        uint32_t index = 0;
        int advance = 0;
    };

    static constexpr int MaxPixelHeight = 2048;

    // 'bold' asks for a synthetic bold when the file has none; 'height' is capped at MaxPixelHeight either way.
    TFontFace(FT_Library library, const std::string& file, int faceIndex, int height, bool bold);
    ~TFontFace();
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    const TTextMetric& Metrics() const { return metrics_; }
    const std::string& FamilyName() const { return family_; }
    const std::string& FileName() const { return file_; }
    int PixelSize() const { return pixelSize_; }
    // Underline offset below the baseline and its thickness, in pixels.
    int UnderlinePosition() const { return underlinePos_; }
    int UnderlineThickness() const { return underlineThickness_; }

    const Glyph& GlyphOf(char32_t codePoint);
    int TextWidth(std::string_view utf8);
    cairo_scaled_font_t* ScaledFont() const { return scaled_; }

private:
    Glyph Load(char32_t codePoint);

    FT_Face face_ = nullptr;
    cairo_font_face_t* cairoFace_ = nullptr;
    cairo_scaled_font_t* scaled_ = nullptr;
    std::string file_;
    std::string family_;
    int pixelSize_ = 0;
    int underlinePos_ = 1;
    int underlineThickness_ = 1;
    bool emboldened_ = false;
    TTextMetric metrics_;
    std::array<Glyph, 128> ascii_{};
    std::array<bool, 128> asciiLoaded_{};
    std::unordered_map<char32_t, Glyph> others_;
};

// One per process: faces are costly to open and every canvas shares them.
class TFontCache {
public:
    static TFontCache& Instance();
    ~TFontCache();

    TFontFace& Face(const TFont& font);
    TFontFace& Face(const std::string& name, int height, bool bold, bool italic);
    // The family fontconfig settles on for a requested name, after the substitution table.
    std::string ResolveFamily(const std::string& name, bool bold = false, bool italic = false);
    // The substitution table: "Courier New" gives "Liberation Mono" and so on; other names pass through.
    static std::string Substitute(const std::string& name);

private:
    TFontCache();
    struct Match {
        std::string file;
        int index = 0;
    };
    Match Resolve(const std::string& name, bool bold, bool italic);

    FT_Library library_ = nullptr;
    std::map<std::tuple<std::string, bool, bool>, Match> matches_;
    std::map<std::tuple<std::string, int, bool, bool>, std::unique_ptr<TFontFace>> faces_;
};

// Decodes one code point and advances 'pos'; bad bytes come back as U+FFFD.
char32_t NextCodePoint(std::string_view text, size_t& pos);
