#pragma once
// The pages a report produces: positioned text, lines, rectangles and images, in report pixels
// (1/96 inch) from the top left of the paper. Tests read it directly; renderers draw it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Alignment.h"

// A colour as the framework wrote it: 0x00BBGGRR.
using QRColor = uint32_t;
constexpr QRColor qrBlack = 0x000000;
constexpr QRColor qrWhite = 0xFFFFFF;

struct QRFontSpec {
    std::string Name = "Arial";
    double Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    QRColor Color = qrBlack;
    bool operator==(const QRFontSpec&) const = default;
};

struct QRRect {
    double Left = 0, Top = 0, Width = 0, Height = 0;
    double Right() const { return Left + Width; }
    double Bottom() const { return Top + Height; }
    bool operator==(const QRRect&) const = default;
};

// Pixels of an image, un-premultiplied 32-bit RGBA rows, top-down.
struct QRImageData {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Rgba;
};

enum class QRItemKind { Text, Line, Rectangle, Image };

struct QRItem {
    QRItemKind Kind = QRItemKind::Text;
    // Text: the box the text is aligned in; Rectangle and Image: the shape's box.
    QRRect Box;
    // Text may print several lines (a stretched field), each one line height below the last.
    std::vector<std::string> Lines;
    QRFontSpec Font;
    TAlignment Alignment = TAlignment::taLeftJustify;
    // Clip the text to Box; otherwise it may run past it (auto-sized labels).
    bool Clip = false;
    // Line: from (X1,Y1) to (X2,Y2).
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    double PenWidth = 1;
    QRColor PenColor = qrBlack;
    // Rectangle: filled with BrushColor unless Filled is false.
    bool Filled = false;
    QRColor BrushColor = qrWhite;
    std::shared_ptr<const QRImageData> Image;
    // Name of the report control that produced the item ("" for drawing the engine adds).
    std::string Source;

    // All lines joined with "\n".
    std::string Text() const;
};

struct QRPage {
    int Number = 0; // 1-based
    double Width = 0;
    double Height = 0;
    std::vector<QRItem> Items;

    // Text items top to bottom, left to right, their lines joined with "\n".
    std::vector<std::string> Texts() const;
    // The first text item whose text equals 'text', or nullptr.
    const QRItem* FindText(const std::string& text) const;
    // The first text item produced by the named control, or nullptr.
    const QRItem* FindSource(const std::string& name) const;
};

class TQRPageModel {
public:
    int PageCount() const { return static_cast<int>(pages_.size()); }
    // Raises EListError for an index outside 0 .. PageCount()-1.
    const QRPage& Page(int index) const;
    QRPage& Page(int index);
    const std::vector<QRPage>& Pages() const { return pages_; }
    QRPage& AddPage(double width, double height);
    void Clear() { pages_.clear(); }

private:
    std::vector<QRPage> pages_;
};
