#include "platform/graphics/EmbeddedImages.h"

#include <strings.h>

#include "platform/core/Exceptions.h"
#include "platform/graphics/TBitmap.h"

namespace {

// Pixel letters: '.' is the image's background (its mask colour), the rest the 16 classic colours.
TColor Letter(char ch, TColor background) {
    switch (ch) {
    case 'k': return clBlack;
    case 'm': return clMaroon;
    case 'G': return clGreen;
    case 'o': return clOlive;
    case 'n': return clNavy;
    case 'p': return clPurple;
    case 't': return clTeal;
    case 'g': return clGray;
    case 's': return clSilver;
    case 'r': return clRed;
    case 'l': return clLime;
    case 'y': return clYellow;
    case 'b': return clBlue;
    case 'f': return clFuchsia;
    case 'a': return clAqua;
    case 'w': return clWhite;
    default: return background;
    }
}

struct Art {
    const char* name;
    TColor background;
    bool disabledHalf;  // a 16x16 picture that gets its disabled copy on the right
    std::vector<const char*> rows;
};

const TColor kMagenta = RGB(255, 0, 255);

const std::vector<Art>& Table() {
    static const std::vector<Art> table = {
        {"VDBGARROW", clWhite, false,
         {".........", ".........", "..k......", "..kk.....", "..kkk....", "..kkkk...", "..kkk....", "..kk.....",
          "..k......", ".........", "........."}},
        {"VDBEDIT", clWhite, false,
         {".........", "..kk.kk..", "....k....", "....k....", "....k....", "....k....", "....k....", "....k....",
          "....k....", "..kk.kk..", "........."}},
        {"VDBINSERT", clWhite, false,
         {".........", ".........", "....k....", ".k..k..k.", "..k.k.k..", "...kkk...", "..k.k.k..", ".k..k..k.",
          "....k....", ".........", "........."}},
        {"VDBMULTIDOT", clWhite, false,
         {".........", ".........", ".........", ".........", "...kkk...", "...kkk...", "...kkk...", ".........",
          ".........", ".........", "........."}},
        {"VDBMULTIARROW", clWhite, false,
         {".........", ".........", ".k.......", ".kk......", ".kkk..kk.", ".kkkk.kk.", ".kkk.....", ".kk......",
          ".k.......", ".........", "........."}},
        {"VDBSMDOWN", clSilver, false,
         {".........", ".........", ".........", ".........", ".kkkkkkk.", "..kkkkk..", "...kkk...", "....k....",
          ".........", ".........", "........."}},
        {"VDBSMUP", clSilver, false,
         {".........", ".........", ".........", "....k....", "...kkk...", "..kkkkk..", ".kkkkkkk.", ".........",
          ".........", ".........", "........."}},
        {"CALCOKBTN", clSilver, false,
         {".............", ".............", ".........G...", "........GG...", ".......GGG...", "..G...GGG....",
          "..GG.GGG.....", "..GGGGG......", "...GGG.......", "....G........", ".............", ".............",
          "............."}},
        {"CALCCANCELBTN", clSilver, false,
         {".............", ".............", "..mm.....mm..", "...mm...mm...", "....mm.mm....", ".....mmm.....",
          ".....mmm.....", "....mm.mm....", "...mm...mm...", "..mm.....mm..", ".............", ".............",
          "............."}},
        {"CALCUPBTN", clSilver, false, {".........", "....k....", "...kkk...", "..kkkkk..", ".kkkkkkk.", "........."}},
        {"CALCDOWNBTN", clSilver, false, {".........", ".kkkkkkk.", "..kkkkk..", "...kkk...", "....k....", "........."}},
        {"TE_FORM_CLOSE", kMagenta, false,
         {"................", "................", "................", "................", "....kk....kk....",
          ".....kk..kk.....", "......kkkk......", ".......kk.......", "......kkkk......", ".....kk..kk.....",
          "....kk....kk....", "................", "................", "................", "................",
          "................"}},
        {"TE_FORM_MINIMIZE", kMagenta, false,
         {"................", "................", "................", "................", "................",
          "................", "................", "................", "................", "................",
          "....kkkkkk......", "....kkkkkk......", "................", "................", "................",
          "................"}},
        {"TE_FORM_MAXIMIZE", kMagenta, false,
         {"................", "................", "................", "...kkkkkkkkk....", "...kkkkkkkkk....",
          "...k.......k....", "...k.......k....", "...k.......k....", "...k.......k....", "...k.......k....",
          "...k.......k....", "...kkkkkkkkk....", "................", "................", "................",
          "................"}},
        {"TE_FORM_RESTORE", kMagenta, false,
         {"................", "................", "................", "......kkkkkk....", "......kkkkkk....",
          "......k....k....", "...kkkkkk..k....", "...kkkkkk..k....", "...k....kkkk....", "...k....k.......",
          "...k....k.......", "...kkkkkk.......", "................", "................", "................",
          "................"}},
        {"TE_FORM_ROLLUP", kMagenta, false,
         {"................", "................", "................", "................", "................",
          ".......k........", "......kkk.......", ".....kkkkk......", "....kkkkkkk.....", "...kkkkkkkkk....",
          "................", "................", "................", "................", "................",
          "................"}},
        {"TE_FORM_TRAY", kMagenta, false,
         {"................", "................", "................", "................", "................",
          "...kkkkkkkkk....", "....kkkkkkk.....", ".....kkkkk......", "......kkk.......", ".......k........",
          "................", "...kkkkkkkkk....", "................", "................", "................",
          "................"}},
        {"TE_LIST_TRUETYPE", kMagenta, false,
         {"kkkkkk......", "k.kk.k......", "..kk........", "..kk.gggggg.", "..kk.g.gg.g.", "..kk...gg...",
          ".kkkk..gg...", ".......gg...", ".......gg...", "......gggg..", "............", "............"}},
        {"TE_BTN_OK", clOlive, true,
         {"................", "................", "............G...", "...........GG...", "..........GGG...",
          ".........GGG....", "...G....GGG.....", "...GG..GGG......", "...GGGGGG.......", "....GGGG........",
          ".....GG.........", "................", "................", "................", "................",
          "................"}},
        {"TE_BTN_CANCEL", clOlive, true,
         {"................", "................", "...rr......rr...", "...rrr....rrr...", "....rrr..rrr....",
          ".....rrrrrr.....", "......rrrr......", "......rrrr......", ".....rrrrrr.....", "....rrr..rrr....",
          "...rrr....rrr...", "...rr......rr...", "................", "................", "................",
          "................"}},
        {"TE_BTN_HELP", clOlive, true,
         {"................", ".....nnnnn......", "....nn...nn.....", "....nn...nn.....", ".........nn.....",
          "........nn......", ".......nn.......", ".......nn.......", ".......nn.......", "................",
          ".......nn.......", ".......nn.......", "................", "................", "................",
          "................"}},
        {"TE_BTN_YES", clOlive, true,
         {"................", "................", "............G...", "...........GG...", "..........GGG...",
          ".........GGG....", "...G....GGG.....", "...GG..GGG......", "...GGGGGG.......", "....GGGG........",
          ".....GG.........", "................", "................", "................", "................",
          "................"}},
        {"TE_BTN_NO", clOlive, true,
         {"................", ".....rrrrrr.....", "....rr....rr....", "...rr.....rrr...", "..rr.....rr.rr..",
          "..rr....rr..rr..", "..rr...rr...rr..", "..rr..rr....rr..", "..rr.rr.....rr..", "...rrr.....rr...",
          "....rr....rr....", ".....rrrrrr.....", "................", "................", "................",
          "................"}},
        {"TE_BTN_CLOSE", clOlive, true,
         {"................", "...kkkkkkkk.....", "...kyyyyyyk.....", "...kyyyyyyk.....", "...kyyyyyyk.....",
          "...kyyyyyyk.....", "...kyyyykyk.....", "...kyyyyyyk.....", "...kyyyyyyk.....", "...kyyyyyyk.....",
          "...kyyyyyyk.....", "...kkkkkkkk.....", "................", "................", "................",
          "................"}},
        {"TE_BTN_ABORT", clOlive, true,
         {"................", ".....rrrrrr.....", "....rrrrrrrr....", "...rrwrrrrwrr...", "...rrrwrrwrrr...",
          "...rrrrwwrrrr...", "...rrrrwwrrrr...", "...rrrwrrwrrr...", "...rrwrrrrwrr...", "....rrrrrrrr....",
          ".....rrrrrr.....", "................", "................", "................", "................",
          "................"}},
        {"TE_BTN_RETRY", clOlive, true,
         {"................", "......GGGG......", "....GG....GG....", "...G........G...", "...G.........G..",
          "..G.........GGG.", "..G..........G..", "..G.............", "...G............", "...G........G...",
          "....GG....GG....", "......GGGG......", "................", "................", "................",
          "................"}},
        {"TE_BTN_IGNORE", clOlive, true,
         {"................", ".......kk.......", ".......kk.......", "................", "......kkkk......",
          ".....k.kk.k.....", ".....k.kk.k.....", ".......kk.......", "......k..k......", ".....k....k.....",
          ".....k....k.....", "....kk....kk....", "................", "................", "................",
          "................"}},
        {"TE_BTN_ALL", clOlive, true,
         {"................", "..............G.", ".............GG.", "........G...GG..", ".......GG..GG...",
          "..G...GG..GG....", "..GG.GG..GG.....", "..GGGG.GGG......", "...GG..GG.......", "....G...........",
          "................", "................", "................", "................", "................",
          "................"}},
        {"DUZ_FLAG", clWhite, false,
         {"................", "...k............", "...krrrrrr......", "...krrrrrrr.....", "...krrrrrrrr....",
          "...krrrrrrr.....", "...krrrrrr......", "...k............", "...k............", "...k............",
          "...k............", "...k............", "..kkk...........", "................", "................",
          "................"}},
        {"DUZ_VAR", clWhite, false,
         {"................", "................", "................", "....nnnnnnnn....", "...nbbbbbbbbn...",
          "...nbbbbbbbbn...", "...nbbbbbbbbn...", "...nbbbbbbbbn...", "...nbbbbbbbbn...", "...nbbbbbbbbn...",
          "...nbbbbbbbbn...", "....nnnnnnnn....", "................", "................", "................",
          "................"}},
        {"DUZ_PROP", clWhite, false,
         {"................", "................", "................", "....GGGGGGGG....", "...GllllllllG...",
          "...GllllllllG...", "...GllllllllG...", "...GllllllllG...", "...GllllllllG...", "...GllllllllG...",
          "...GllllllllG...", "....GGGGGGGG....", "................", "................", "................",
          "................"}},
        {"DUZ_EVENT", clWhite, false,
         {"................", "................", "................", "....mmmmmmmm....", "...mrrrrrrrrm...",
          "...mrrrrrrrrm...", "...mrrrrrrrrm...", "...mrrrrrrrrm...", "...mrrrrrrrrm...", "...mrrrrrrrrm...",
          "...mrrrrrrrrm...", "....mmmmmmmm....", "................", "................", "................",
          "................"}},
        {"DUZ_PROC", clWhite, false,
         {"................", "................", "................", "....tttttttt....", "...taaaaaaaat...",
          "...taaaaaaaat...", "...taaaaaaaat...", "...taaaaaaaat...", "...taaaaaaaat...", "...taaaaaaaat...",
          "...taaaaaaaat...", "....tttttttt....", "................", "................", "................",
          "................"}},
        {"DUZ_METHOD", clWhite, false,
         {"................", "................", "................", "....pppppppp....", "...pffffffffp...",
          "...pffffffffp...", "...pffffffffp...", "...pffffffffp...", "...pffffffffp...", "...pffffffffp...",
          "...pffffffffp...", "....pppppppp....", "................", "................", "................",
          "................"}},
        {"DUZ_FUNC", clWhite, false,
         {"................", "................", "................", "....oooooooo....", "...oyyyyyyyyo...",
          "...oyyyyyyyyo...", "...oyyyyyyyyo...", "...oyyyyyyyyo...", "...oyyyyyyyyo...", "...oyyyyyyyyo...",
          "...oyyyyyyyyo...", "....oooooooo....", "................", "................", "................",
          "................"}},
    };
    return table;
}

const Art* Find(const std::string& name) {
    for (const Art& art : Table())
        if (strcasecmp(art.name, name.c_str()) == 0) return &art;
    return nullptr;
}

}  // namespace

bool HasEmbeddedBitmap(const std::string& name) { return Find(name) != nullptr; }

std::vector<std::string> EmbeddedBitmapNames() {
    std::vector<std::string> names;
    for (const Art& art : Table()) names.emplace_back(art.name);
    return names;
}

std::unique_ptr<TBitmap> LoadEmbeddedBitmap(const std::string& name) {
    const Art* art = Find(name);
    if (!art) throw EInvalidOperation("Resource " + name + " not found");
    const int w = static_cast<int>(std::char_traits<char>::length(art->rows[0]));
    const int h = static_cast<int>(art->rows.size());
    auto bitmap = std::make_unique<TBitmap>(art->disabledHalf ? 2 * w : w, h);
    const uint32_t background = ColorToPixel(art->background);
    bitmap->Fill(background);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) bitmap->SetPixelAt(x, y, ColorToPixel(Letter(art->rows[static_cast<size_t>(y)][x], art->background)));
    if (art->disabledHalf) {
        // The disabled copy: every picture pixel as shadow, with a highlight one pixel down-right.
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (art->rows[static_cast<size_t>(y)][x] != '.' && x + 1 < w && y + 1 < h &&
                    art->rows[static_cast<size_t>(y + 1)][x + 1] == '.')
                    bitmap->SetPixelAt(w + x + 1, y + 1, ColorToPixel(GetSysColor(COLOR_BTNHIGHLIGHT)));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (art->rows[static_cast<size_t>(y)][x] != '.')
                    bitmap->SetPixelAt(w + x, y, ColorToPixel(GetSysColor(COLOR_BTNSHADOW)));
    }
    return bitmap;
}
