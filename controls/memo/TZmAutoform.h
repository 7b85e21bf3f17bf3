#pragma once
// The memo's completion list: a tool-window pop-up holding an owner-drawn list whose entries read
// "kind Name(parameters)", the kind word in its colour, the name bold.
#include <array>
#include <memory>
#include <string>

#include "controls/memo/TAutoCompletion.h"
#include "platform/controls/TCustomListBox.h"
#include "platform/graphics/TBitmap.h"
#include "platform/ui/TCustomForm.h"

class TImageList;

// An entry cut into its kind word (empty without a blank), its name and what follows the name.
struct TCompletionEntry {
    std::string Kind;
    std::string Name;
    std::string Rest;
};
TCompletionEntry SplitCompletionEntry(const std::string& entry);
// What an entry inserts: without its kind word, up to a blank, "(" or ";".
std::string CompletionInsertText(const std::string& entry);

class TAutoCompletionListBox : public TListBox {
public:
    explicit TAutoCompletionListBox(TComponent* AOwner = nullptr);

    // Colours, font, background and ShowImages of the settings.
    void ApplySettings(const TAutoCompletion& settings);
    bool ShowImages() const { return settings_.ShowImages(); }
    // Images 0 to 4 (variable, property, event, procedure, method) replace the built-in glyphs.
    void SetImages(const TImageList* images);
    // Sets the item height and answers the width the widest item needs.
    int Measure();
    int KindColumnWidth() const { return kindColumn_; }

protected:
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

private:
    const TBitmap* GlyphOf(int kind) const;

    TAutoCompletion settings_;
    std::array<std::unique_ptr<TBitmap>, 5> glyphs_;
    int kindColumn_ = 0;
};

class TZmAutoform : public TForm {
public:
    explicit TZmAutoform(TComponent* AOwner = nullptr);
    TAutoCompletionListBox& List() { return *list_; }

protected:
    void CreateParams(TCreateParams& params) override;
    // The memo keeps using the form: closing hides it.
    void DoClose(TCloseAction& action) override;

private:
    TAutoCompletionListBox* list_ = nullptr;
};
