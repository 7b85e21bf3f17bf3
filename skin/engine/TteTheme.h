#pragma once
// The one drawing interface of every skinned control: whether the theme draws a kind, which
// rectangles to use and how each part looks. This base draws a plain look of its own; the Flat,
// OfficeXP and skin-file themes derive from it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/core/TPersistent.h"
#include "platform/graphics/TRegion.h"
#include "skin/engine/TteThemeColors.h"
#include "skin/engine/TteThemeFonts.h"
#include "skin/engine/TteThemeRecords.h"

class TCanvas;
class TStream;

struct TteThemeInfo {
    bool IsBuilding = false;  // built in, needs no file
    bool IsFile = false;      // reads and writes files and streams
    std::string Filter;       // an open-dialog filter naming the file extensions
    std::string DefaultExt;
};

// Hit-test answers of FormHitTest.
enum TteFormHit : int {
    fhNowhere = 0, fhCaption = 1, fhLeft = 2, fhTop = 3, fhRight = 4, fhBottom = 5, fhTopLeft = 7,
    fhTopRight = 8, fhBottomLeft = 9, fhBottomRight = 10, fhClose = 11, fhHelp = 12, fhMinimize = 13,
    fhMaximize = 14, fhRollUp = 15, fhTray = 16, fhSysMenu = 17,
};

// The class-level functions (GetKindName, GetInfo, CanLoadStream) are static members that each
// theme class declares again; its TteThemeClass descriptor reaches them. The base constructor can
// only reach the base defaults, so a derived class calls Reset() at the end of its own constructor.
class TteTheme : public TPersistent {
public:
    using Byte = uint8_t;

    TteTheme();
    ~TteTheme() override;
    TteTheme(const TteTheme&) = delete;
    TteTheme& operator=(const TteTheme&) = delete;

    TteThemeColors& Colors() { return *colors_; }
    const TteThemeColors& Colors() const { return *colors_; }
    TteThemeFonts& Fonts() { return *fonts_; }
    const TteThemeFonts& Fonts() const { return *fonts_; }
    // Both setters store the value and re-initialise the colours and fonts through Reset.
    int DeltaHue() const { return deltaHue_; }
    void SetDeltaHue(int value);
    int DeltaBrightness() const { return deltaBrightness_; }
    void SetDeltaBrightness(int value);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }

    // From a TteTheme copies Name only.
    void Assign(const TPersistent& source) override;
    // The defaults, then DeltaHue and DeltaBrightness on every colour. A theme's own version starts
    // from Colors().Clear() (Fonts().Clear()) and ends with ApplyColorDeltas() (ApplyFontDeltas()),
    // so setting a delta re-initialises and never accumulates.
    virtual void InitColors();
    virtual void InitFonts();

    static std::string GetKindName() { return "Default"; }
    static TteThemeInfo GetInfo() { return {}; }
    static bool CanLoadStream(TStream&) { return false; }
    virtual bool LoadFromStream(TStream& stream);
    virtual bool SaveToStream(TStream& stream) const;
    virtual bool LoadFromFile(const std::string& fileName);
    virtual bool SaveToFile(const std::string& fileName) const;
    // InitColors, then InitFonts.
    virtual void Reset();

    // Places the text by moving the rectangle; no alignment flag reaches the canvas. An alignment
    // code of 9 or more draws nothing.
    virtual void DrawText(TCanvas& canvas, const TteTextInfo& info);

    // Form. Kind: 0 standard, 1 dialog, 2 border only, 3 none, 4 tool window.
    virtual bool IsFormDefined(Byte kind, const std::string& objectName);
    // No value: the form keeps its rectangular window.
    virtual std::optional<TRegion> GetFormRegion(Byte kind, const TteFormInfo& info, const std::string& objectName);
    virtual int FormHitTest(Byte kind, const TteFormInfo& info, TPoint point, const std::string& objectName);
    virtual TRect GetFormClientRect(Byte kind, const TteFormInfo& info, const std::string& objectName);
    virtual void DrawFormFrame(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName);
    virtual void DrawFormBackground(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName);
    virtual TRect GetFormCaptionRect(Byte kind, const TteFormInfo& info, const std::string& objectName);
    virtual void DrawFormCaption(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName);
    // (-1, -1, -1, -1) for a button that is not in the record's Buttons mask.
    virtual TRect GetFormButtonRect(Byte kind, const TteFormInfo& info, int button, const std::string& objectName);
    virtual void DrawFormButton(Byte kind, TCanvas& canvas, const TteFormInfo& info, const TteFormPartInfo& button,
                                const std::string& objectName);
    virtual void DrawFormGripper(Byte kind, TCanvas& canvas, const TteFormGripperInfo& info, const std::string& objectName);
    virtual bool IsFormTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetFormInnerRect(Byte kind, const TteFormInfo& info, const std::string& objectName);
    virtual void DrawFormPart(Byte kind, TCanvas& canvas, const TteFormPartInfo& info, const std::string& objectName);

    // Label.
    virtual bool IsLabelDefined(Byte kind, const std::string& objectName);
    virtual bool IsLabelTransparent(Byte kind, const std::string& objectName);
    virtual void DrawLabelText(Byte kind, TCanvas& canvas, const TteLabelInfo& info, const TteTextInfo& text,
                               const std::string& objectName);

    // Container.
    virtual bool IsContainerDefined(Byte kind, const std::string& objectName);
    virtual bool IsContainerTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetContainerClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawContainer(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawContainerText(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                   const std::string& objectName);

    // Button.
    virtual bool IsButtonDefined(Byte kind, const std::string& objectName);
    virtual bool IsButtonTransparent(Byte kind, const std::string& objectName);
    virtual void DrawButton(Byte kind, TCanvas& canvas, const TteButtonInfo& info, const std::string& objectName);
    virtual void DrawButtonText(Byte kind, TCanvas& canvas, const TteButtonInfo& info, const TteTextInfo& text,
                                const std::string& objectName);
    virtual void DrawButtonGlyph(Byte kind, TCanvas& canvas, const TteButtonInfo& info, const TteGlyphInfo& glyph,
                                 const std::string& objectName);

    // Check box (kind 0) and radio button (kind 1).
    virtual bool IsCheckDefined(Byte kind, const std::string& objectName);
    virtual bool IsCheckTransparent(Byte kind, const std::string& objectName);
    virtual void DrawCheck(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const std::string& objectName);
    virtual void DrawCheckText(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const TteTextInfo& text,
                               const std::string& objectName);

    // Splitter.
    virtual bool IsSplitterDefined(Byte kind, const std::string& objectName);
    virtual bool IsSplitterTransparent(Byte kind, const std::string& objectName);
    virtual void DrawSplitter(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);

    // Scroll bar.
    virtual bool IsScrollDefined(Byte kind, const std::string& objectName);
    virtual bool IsScrollTransparent(Byte kind, const std::string& objectName);
    virtual void DrawScrollBar(Byte kind, TCanvas& canvas, const TteScrollInfo& info, const std::string& objectName);
    virtual void DrawScrollButton(Byte kind, TCanvas& canvas, const TteScrollButtonInfo& info,
                                  const std::string& objectName);
    virtual void DrawScrollTrack(Byte kind, TCanvas& canvas, const TteScrollButtonInfo& info,
                                 const TteScrollTrackInfo& track, const std::string& objectName);

    // Progress bar.
    virtual bool IsProgressDefined(Byte kind, const std::string& objectName);
    virtual bool IsProgressTransparent(Byte kind, const std::string& objectName);
    virtual void DrawProgress(Byte kind, TCanvas& canvas, const TteProgressInfo& info, const std::string& objectName);

    // Track bar.
    virtual bool IsTrackBarDefined(Byte kind, const std::string& objectName);
    virtual bool IsTrackBarTransparent(Byte kind, const std::string& objectName);
    virtual void DrawTrackBarTrack(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawTrackBarThumb(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);

    // Header.
    virtual bool IsHeaderDefined(Byte kind, const std::string& objectName);
    virtual bool IsHeaderTransparent(Byte kind, const std::string& objectName);
    virtual void DrawHeader(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawHeaderSection(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawHeaderText(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                const std::string& objectName);
    virtual void DrawHeaderGlyph(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteGlyphInfo& glyph,
                                 const std::string& objectName);

    // Status bar.
    virtual bool IsStatusDefined(Byte kind, const std::string& objectName);
    virtual bool IsStatusTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetStatusClientRect(Byte kind, const TteStatusBarInfo& info, const std::string& objectName);
    virtual void DrawStatusBar(Byte kind, TCanvas& canvas, const TteStatusBarInfo& info, const std::string& objectName);
    virtual void DrawStatusPanel(Byte kind, TCanvas& canvas, const TteStatusPanelInfo& info,
                                 const std::string& objectName);
    virtual void DrawStatusText(Byte kind, TCanvas& canvas, const TteStatusPanelInfo& info, const TteTextInfo& text,
                                const std::string& objectName);
    virtual void DrawStatusGlyph(Byte kind, TCanvas& canvas, const TteStatusPanelInfo& info,
                                 const TteGlyphInfo& glyph, const std::string& objectName);
    virtual void DrawStatusGripper(Byte kind, TCanvas& canvas, const TteStatusBarInfo& info,
                                   const std::string& objectName);

    // Edit.
    virtual bool IsEditDefined(Byte kind, const std::string& objectName);
    virtual bool IsEditTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetEditClientRect(Byte kind, const TteEditInfo& info, const std::string& objectName);
    virtual void DrawEditFrame(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string& objectName);
    virtual void DrawEditSelection(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string& objectName);
    virtual void DrawEditButton(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string& objectName);

    // Group box.
    virtual bool IsGroupBoxDefined(Byte kind, const std::string& objectName);
    virtual bool IsGroupBoxTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetGroupBoxClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual TRect GetGroupBoxCaptionRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawGroupBox(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawGroupBoxText(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                  const std::string& objectName);

    // Memo.
    virtual bool IsMemoDefined(Byte kind, const std::string& objectName);
    virtual bool IsMemoTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetMemoClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawMemoFrame(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawMemoScrollCorner(Byte kind, TCanvas& canvas, const TteItemInfo& info,
                                      const std::string& objectName);

    // Menu. Kind: 0 menu bar, 1 a bar on a lighter face, 2 popup menu.
    virtual bool IsMenuDefined(Byte kind, const std::string& objectName);
    virtual bool IsMenuTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetMenuClientRect(Byte kind, const TteMenuFrameInfo& info, const std::string& objectName);
    virtual void DrawMenuFrame(Byte kind, TCanvas& canvas, const TteMenuFrameInfo& info, const std::string& objectName);
    virtual void DrawMenuItem(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info, const std::string& objectName);
    virtual void DrawMenuItemText(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info, const TteTextInfo& text,
                                  const std::string& objectName);
    virtual void DrawMenuItemGlyph(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info,
                                   const TteItemGlyphInfo& glyph, const std::string& objectName);

    // Control bar.
    virtual bool IsControlBarDefined(Byte kind, const std::string& objectName);
    virtual TRect GetControlBarClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawControlBar(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual TRect GetControlBarBandRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawControlBarBand(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawControlBarGripper(Byte kind, TCanvas& canvas, const TteItemInfo& info,
                                       const std::string& objectName);

    // Panel.
    virtual bool IsPanelDefined(Byte kind, const std::string& objectName);
    virtual bool IsPanelTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetPanelClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawPanelBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawPanel(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawPanelCaption(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                  const std::string& objectName);
    virtual void DrawPanelButton(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);

    // Tabs.
    virtual bool IsTabsDefined(Byte kind, const std::string& objectName);
    virtual bool IsTabsTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetTabsClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawTabsBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawTab(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawTabsFrame(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawTabText(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                             const std::string& objectName);
    // Leaves 'size' as it is unless the theme has its own tab size.
    virtual void GetTabSize(Byte kind, const TteItemInfo& info, TSize& size, const std::string& objectName);

    // Check list.
    virtual bool IsCheckListDefined(Byte kind, const std::string& objectName);
    virtual bool IsCheckListTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetCheckListClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawCheckListBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info,
                                         const std::string& objectName);
    virtual void DrawCheckListBorder(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawCheckListItem(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawCheckListItemText(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                       const std::string& objectName);
    virtual void DrawCheckListCheck(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const std::string& objectName);

    // List box.
    virtual bool IsListBoxDefined(Byte kind, const std::string& objectName);
    virtual bool IsListBoxTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetListBoxClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawListBoxBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info,
                                       const std::string& objectName);
    virtual void DrawListBoxItem(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawListBoxItemText(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                     const std::string& objectName);
    virtual void DrawListBoxBorder(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);

    // Grid.
    virtual bool IsGridDefined(Byte kind, const std::string& objectName);
    virtual bool IsGridTransparent(Byte kind, const std::string& objectName);
    virtual TRect GetGridClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawGridBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawGridCell(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);
    virtual void DrawGridCellText(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                                  const std::string& objectName);
    virtual void DrawGridBorder(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName);

protected:
    void ApplyColorDeltas();
    void ApplyFontDeltas();
    // The mark of the kinds the base draws no look for: clYellow framed in clRed.
    void DrawBaseMark(TCanvas& canvas, const TRect& rect);
    // DrawText in the given theme font.
    void DrawTextInFont(TCanvas& canvas, const TteTextInfo& text, int font);

private:
    std::unique_ptr<TteThemeColors> colors_;
    std::unique_ptr<TteThemeFonts> fonts_;
    int deltaHue_ = 0;
    int deltaBrightness_ = 0;
    std::string name_ = "Default theme";
};
