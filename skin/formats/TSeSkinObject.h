#pragma once
// A rectangle of a control's look that paints itself from a colour, a font and skin bitmaps,
// lays out its children and makes a window region. The children are the objects it owns;
// all bounds are in the space of the top-level object, not relative to the parent.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/ClassRegistry.h"
#include "platform/core/TComponent.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"
#include "platform/graphics/TRegion.h"
#include "skin/formats/SeSkinTypes.h"

class TCanvas;
class TControl;
class TFont;
class TStream;
class TteBitmapLink;
class TteBitmapList;

class TSeSkinObject : public TComponent {
public:
    explicit TSeSkinObject(TComponent* owner = nullptr);
    ~TSeSkinObject() override;

    TSeAlign Align() const { return align_; }
    void SetAlign(TSeAlign v) { align_ = v; }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    bool DrawIfOwner() const { return drawIfOwner_; }
    void SetDrawIfOwner(bool v) { drawIfOwner_ = v; }
    TFont& Font() const { return *font_; }
    TSeKind Kind() const { return kind_; }
    void SetKind(TSeKind v) { kind_ = v; }
    bool Masked() const { return masked_; }
    void SetMasked(bool v) { masked_ = v; }
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(Bounds(v, top_, width_, height_)); }
    void SetTop(int v) { SetBounds(Bounds(left_, v, width_, height_)); }
    void SetWidth(int v) { SetBounds(Bounds(left_, top_, v, height_)); }
    void SetHeight(int v) { SetBounds(Bounds(left_, top_, width_, v)); }
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int v) { marginLeft_ = v; }
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int v) { marginRight_ = v; }
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int v) { marginTop_ = v; }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int v) { marginBottom_ = v; }
    // The four border widths as left, top, right, bottom.
    TRect Margins() const { return Rect(marginLeft_, marginTop_, marginRight_, marginBottom_); }
    TSeTextAlign TextAlign() const { return textAlign_; }
    void SetTextAlign(TSeTextAlign v) { textAlign_ = v; }
    TSeTextEffect TextEffect() const { return textEffect_; }
    void SetTextEffect(TSeTextEffect v) { textEffect_ = v; }
    int TextMarginLeft() const { return textMarginLeft_; }
    void SetTextMarginLeft(int v) { textMarginLeft_ = v; }
    int TextMarginRight() const { return textMarginRight_; }
    void SetTextMarginRight(int v) { textMarginRight_ = v; }
    int TextMarginTop() const { return textMarginTop_; }
    void SetTextMarginTop(int v) { textMarginTop_ = v; }

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& v) { text_ = v; }
    const std::string& SecondText() const { return secondText_; }
    void SetSecondText(const std::string& v) { secondText_ = v; }
    TControl* Control() const { return control_; }
    void SetControl(TControl* v) { control_ = v; }
    bool Active() const { return active_; }
    uint8_t State() const { return state_; }
    uint16_t Buttons() const { return buttons_; }
    TteBitmapList* Bitmaps() const { return bitmaps_; }

    virtual TFont& GetFont();
    // Both store the value in this object and every descendant.
    virtual void SetButtons(uint16_t buttons);
    virtual void SetState(uint8_t state);
    // Children first; bitmap objects then bind their links to the images of Bitmaps.
    virtual void AfterLoad();
    // An empty clip draws everything.
    virtual void Draw(TCanvas& canvas, const TRect& clip);
    virtual TRegion CreateRegion();
    // Every colour but clNone, the fonts' included, then the children.
    virtual void ChangeHue(int delta);
    virtual void ChangeBrightness(int delta);
    virtual void SetCharset(int charset);

    // Width and height below 0 become 0; a change lays the children out again.
    void SetBounds(const TRect& rect);
    void AlignObjects();
    void AlignAll();
    void SetActive(bool active);
    void SetBitmaps(TteBitmapList* bitmaps);
    // A new object of the same registered class, owned by 'owner', with copies of the children.
    TSeSkinObject* Clone(TComponent* owner) const;
    // The object itself first, then each child's subtree in order; names ignore letter case.
    TSeSkinObject* FindObjectByName(const std::string& name);
    TSeSkinObject* FindObjectByKind(TSeKind kind);
    TSeSkinObject* FindSystemButton(TSeAction action);
    // The last child hit, else this object; transparent objects and what they hold never answer.
    TSeSkinObject* ObjectAtPoint(TPoint point);
    TRegion GetRegion();
    int ChildCount() const;
    // Null out of range.
    TSeSkinObject* Children(int index) const;
    // The children in order, each found once.
    std::vector<TSeSkinObject*> ChildList() const;

    void Assign(const TPersistent& source) override;
    // "Objects": the children as flagged binary records.
    void DefineProperties(TFiler& filer) override;
    static const TMetaClass& Register();

protected:
    // The colour the object paints with now.
    virtual TColor CurrentColor() const { return color_; }
    // Every colour and font of the object's own, for shifts and character sets.
    virtual void EachColor(const std::function<void(TColor&)>& apply);
    virtual void EachFont(const std::function<void(TFont&)>& apply);
    // Every bitmap link, and whether it is cut by the object's margins.
    virtual void EachLink(const std::function<void(TteBitmapLink&, bool byMargins)>& apply) { (void)apply; }
    // Background and text, as an object without children paints.
    void DrawColorAndText(TCanvas& canvas);
    void DrawText(TCanvas& canvas);
    void DrawChildren(TCanvas& canvas, const TRect& clip);
    // The region of the pixels this object paints that are not the key colour.
    TRegion RegionFromPixels();
    bool VisibleIn(const TRect& clip) const;

private:
    void ShiftColors(const std::function<uint32_t(uint32_t)>& shift);
    void ReadChildren(TStream& stream);
    void WriteChildren(TStream& stream) const;

    TSeAlign align_ = saNone;
    TColor color_ = clWhite;
    bool drawIfOwner_ = false;
    std::unique_ptr<TFont> font_;
    TSeKind kind_ = skNone;
    bool masked_ = true;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int marginLeft_ = 0, marginRight_ = 0, marginTop_ = 0, marginBottom_ = 0;
    TSeTextAlign textAlign_ = taLeft;
    TSeTextEffect textEffect_ = teNone;
    int textMarginLeft_ = 0, textMarginRight_ = 0, textMarginTop_ = 0;

    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::string secondText_;
    TControl* control_ = nullptr;
    bool active_ = false;
    uint8_t state_ = 0;
    uint16_t buttons_ = 0;
    TteBitmapList* bitmaps_ = nullptr;
    int prevLeft_ = 0, prevTop_ = 0, prevWidth_ = 0, prevHeight_ = 0;
};

// A font for drawing 'object' in 'state': its current font, then the state's own font where
// the class has one.
void AssignStateFont(TFont& font, TSeSkinObject& object, uint8_t state);

// Skin-object fonts start as Tahoma 8.
std::unique_ptr<TFont> NewSkinFont();
// A colour property streams as its signed 32-bit value.
template <class T> void AddColorProperty(TPropertyTable& p, const std::string& name, TColor (T::*get)() const,
                                         void (T::*set)(TColor))
{
    p.AddInteger<T>(
        name, [get](const T& o) { return static_cast<int32_t>((o.*get)()); },
        [set](T& o, int32_t v) { (o.*set)(static_cast<TColor>(v)); });
}
// Registers T with the core class registry below 'parent'; its own properties are added once.
template <class T>
const TMetaClass& RegisterSkinObject(const std::string& name, const std::string& parent, void (*addProperties)(TPropertyTable&))
{
    TMetaClass& meta = RegisterClass<T>(name, parent.empty() ? nullptr : FindMetaClass(parent));
    if (meta.OwnProperties().Items().empty())
        addProperties(meta.OwnProperties());
    return meta;
}
