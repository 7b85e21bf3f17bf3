#include "controls/memo/TZmAutoform.h"

#include "platform/graphics/EmbeddedImages.h"
#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TImageList.h"

namespace {

constexpr int ImageIndent = 20;
// Glyph slots by kind 1 to 6: variable, property, event, method, and procedure for both others.
constexpr std::array<int, 7> GlyphSlot{-1, 0, 1, 2, 4, 3, 3};

} // namespace

TCompletionEntry SplitCompletionEntry(const std::string& entry)
{
    TCompletionEntry parts;
    std::string rest = entry;
    if (const size_t blank = entry.find(' '); blank != std::string::npos) {
        parts.Kind = entry.substr(0, blank);
        rest = entry.substr(blank + 1);
    }
    const size_t bracket = rest.find('(');
    parts.Name = rest.substr(0, bracket);
    if (bracket != std::string::npos)
        parts.Rest = rest.substr(bracket);
    return parts;
}

std::string CompletionInsertText(const std::string& entry)
{
    const size_t blank = entry.find(' ');
    std::string name = blank == std::string::npos ? entry : entry.substr(blank + 1);
    return name.substr(0, name.find_first_of(" (;"));
}

TAutoCompletionListBox::TAutoCompletionListBox(TComponent* AOwner) : TListBox(AOwner)
{
    SetName("_lc");
    SetStyle(TListBoxStyle::lbOwnerDrawFixed);
    SetBorderStyle(TBorderStyle::bsNone);
    SetCtl3D(false);
    SetAlign(TAlign::alClient);
    SetCursor(crArrow);
    int slot = 0;
    for (const char* name : {"DUZ_VAR", "DUZ_PROP", "DUZ_EVENT", "DUZ_PROC", "DUZ_METHOD"})
        glyphs_[static_cast<size_t>(slot++)] = LoadEmbeddedBitmap(name);
}

void TAutoCompletionListBox::ApplySettings(const TAutoCompletion& settings)
{
    settings_.Assign(settings);
    SetColor(settings.Color());
    Font().Assign(settings.Font());
    Invalidate();
}

void TAutoCompletionListBox::SetImages(const TImageList* images)
{
    if (!images)
        return;
    for (int i = 0; i < 5 && i < images->Count(); ++i) {
        auto glyph = std::make_unique<TBitmap>();
        images->GetBitmap(i, *glyph);
        glyphs_[static_cast<size_t>(i)] = std::move(glyph);
    }
    Invalidate();
}

const TBitmap* TAutoCompletionListBox::GlyphOf(int kind) const
{
    if (kind < 1 || kind >= static_cast<int>(GlyphSlot.size()))
        return nullptr;
    return glyphs_[static_cast<size_t>(GlyphSlot[static_cast<size_t>(kind)])].get();
}

int TAutoCompletionListBox::Measure()
{
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    TFont font;
    font.Assign(Font());
    canvas.SetFont(font);
    kindColumn_ = 0;
    for (int i = 0; i < Count(); ++i) {
        const TCompletionEntry parts = SplitCompletionEntry(Items().Get(i));
        if (!parts.Kind.empty())
            kindColumn_ = std::max(kindColumn_, canvas.TextWidth(parts.Kind + " "));
    }
    SetItemHeight(std::max(canvas.TextHeight("h_"), 16));
    int widest = 0;
    for (int i = 0; i < Count(); ++i) {
        const TCompletionEntry parts = SplitCompletionEntry(Items().Get(i));
        font.SetStyle(fsBold);
        canvas.SetFont(font);
        int width = (parts.Kind.empty() ? 0 : kindColumn_) + canvas.TextWidth(parts.Name);
        font.SetStyle(0);
        canvas.SetFont(font);
        width += canvas.TextWidth(parts.Rest) + (ShowImages() ? ImageIndent : 0);
        widest = std::max(widest, width);
    }
    return widest + 4;
}

void TAutoCompletionListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas& canvas = Canvas();
    canvas.FillRect(rect);
    canvas.SetBkMode(TRANSPARENT);
    const bool selected = (state & odSelected) != 0;
    const TColor textColor = canvas.TextColor();
    const TCompletionEntry parts = SplitCompletionEntry(Items().Get(index));
    const int kind = static_cast<int>(reinterpret_cast<intptr_t>(Items().GetObject(index)));
    int x = rect.Left + 2;
    TFont font;
    font.Assign(Font());
    canvas.SetFont(font);
    const int y = rect.Top + (rect.Height() - canvas.TextHeight("h_")) / 2;
    if (ShowImages()) {
        if (const TBitmap* glyph = GlyphOf(kind))
            canvas.DrawTransparent(x, rect.Top + (rect.Height() - glyph->Height()) / 2, *glyph, clLime);
        x += ImageIndent;
    }
    TColor nameColor = selected ? textColor : Font().Color();
    if (parts.Kind.empty()) {
        if (!selected)
            nameColor = settings_.ColorIdentifier();
    } else {
        canvas.SetTextColor(selected ? textColor : settings_.KindColor(kind));
        canvas.TextOut(x, y, parts.Kind);
        x += kindColumn_;
    }
    font.SetStyle(fsBold);
    canvas.SetFont(font);
    canvas.SetTextColor(nameColor);
    canvas.TextOut(x, y, parts.Name);
    x += canvas.TextWidth(parts.Name);
    font.SetStyle(0);
    canvas.SetFont(font);
    canvas.SetTextColor(nameColor);
    canvas.TextOut(x, y, parts.Rest);
}

TZmAutoform::TZmAutoform(TComponent* AOwner) : TForm(AOwner)
{
    SetName("_fa");
    SetBorderStyle(TFormBorderStyle::bsSizeToolWin);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetCaption("");
    list_ = new TAutoCompletionListBox(this);
    list_->SetParent(this);
}

void TZmAutoform::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.Style &= ~(WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    params.Style |= WS_POPUP | (BorderStyle() == TFormBorderStyle::bsSizeToolWin ? WS_THICKFRAME : WS_BORDER);
    params.ExStyle |= WS_EX_TOOLWINDOW;
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TZmAutoform::DoClose(TCloseAction& action)
{
    TForm::DoClose(action);
    if (action == TCloseAction::caFree)
        action = TCloseAction::caHide;
}
