#pragma once
// The canvas font: a family name resolved through fontconfig, size at 96 dpi, colour and style.
#include <cstdint>
#include <string>

#include "platform/graphics/TColor.h"
#include "platform/graphics/TGraphicsObject.h"

enum TFontStyle : uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint32_t;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };

constexpr int ScreenPixelsPerInch = 96;

class TFont : public TGraphicsObject {
public:
    const std::string& Name() const { return name_; }
    void SetName(const std::string& v) { if (v != name_) { name_ = v; Changed(); } }
    // Negative: the character height in pixels; positive: the cell height (ascent plus descent).
    int Height() const { return height_; }
    void SetHeight(int v) { if (v != height_) { height_ = v; Changed(); } }
    // Points at 96 dpi: 10 pt is Height -13.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor v) { if (v != color_) { color_ = v; Changed(); } }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v) { if (v != style_) { style_ = v; Changed(); } }
    // Stored for the forms that set it; text is always Unicode.
    int Charset() const { return charset_; }
    void SetCharset(int v) { if (v != charset_) { charset_ = v; Changed(); } }
    TFontPitch Pitch() const { return pitch_; }
    void SetPitch(TFontPitch v) { if (v != pitch_) { pitch_ = v; Changed(); } }

    void Assign(const TPersistent& source) override;
    bool SameAs(const TFont& other) const;
    // Makes Charset, Color, Height, Name, Pitch and Style streamable as "Font.Name" and so on.
    static void Register();

private:
    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
    int charset_ = 1;
    TFontPitch pitch_ = TFontPitch::fpDefault;
};

