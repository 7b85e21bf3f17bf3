#pragma once
// The built-in theme that draws every kind with plain fills, one-pixel frames and recoloured
// system glyphs in the theme's colours. It needs no file.
#include "skin/engine/TteTheme.h"

class TTeFlatTheme : public TteTheme {
public:
    TTeFlatTheme();

    // Brightness added to a base colour for the light and the dark edge of a raised frame.
    int HighlightDelta() const { return highlightDelta_; }
    void SetHighlightDelta(int value) { highlightDelta_ = value; }
    int ShadowDelta() const { return shadowDelta_; }
    void SetShadowDelta(int value) { shadowDelta_ = value; }
    // One-colour frames; false draws raised frames from the two deltas.
    bool FlatStyle() const { return flatStyle_; }
    void SetFlatStyle(bool value) { flatStyle_ = value; }
    // The strip on the left of popup menus kept for item images.
    int GutterWidth() const { return gutterWidth_; }
    void SetGutterWidth(int value) { gutterWidth_ = value; }

    void InitColors() override;
    void InitFonts() override;
    static std::string GetKindName() { return "Flat"; }
    static TteThemeInfo GetInfo() { return {true, false, "", ""}; }

    bool IsFormDefined(Byte kind, const std::string& objectName) override;
    TRect GetFormClientRect(Byte kind, const TteFormInfo& info, const std::string& objectName) override;
    void DrawFormFrame(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName) override;
    TRect GetFormCaptionRect(Byte kind, const TteFormInfo& info, const std::string& objectName) override;
    void DrawFormCaption(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName) override;
    TRect GetFormButtonRect(Byte kind, const TteFormInfo& info, int button, const std::string& objectName) override;
    void DrawFormButton(Byte kind, TCanvas& canvas, const TteFormInfo& info, const TteFormPartInfo& button,
                        const std::string& objectName) override;

    bool IsContainerDefined(Byte kind, const std::string& objectName) override;
    void DrawContainer(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsButtonDefined(Byte kind, const std::string& objectName) override;
    void DrawButton(Byte kind, TCanvas& canvas, const TteButtonInfo& info, const std::string& objectName) override;

    bool IsCheckDefined(Byte kind, const std::string& objectName) override;
    void DrawCheck(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const std::string& objectName) override;

    bool IsSplitterDefined(Byte kind, const std::string& objectName) override;
    void DrawSplitter(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsScrollDefined(Byte kind, const std::string& objectName) override;
    void DrawScrollButton(Byte kind, TCanvas& canvas, const TteScrollButtonInfo& info,
                          const std::string& objectName) override;
    void DrawScrollTrack(Byte kind, TCanvas& canvas, const TteScrollButtonInfo& info, const TteScrollTrackInfo& track,
                         const std::string& objectName) override;

    bool IsProgressDefined(Byte kind, const std::string& objectName) override;
    void DrawProgress(Byte kind, TCanvas& canvas, const TteProgressInfo& info, const std::string& objectName) override;

    bool IsTrackBarDefined(Byte kind, const std::string& objectName) override;
    void DrawTrackBarTrack(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawTrackBarThumb(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsHeaderDefined(Byte kind, const std::string& objectName) override;
    void DrawHeader(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawHeaderSection(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawHeaderText(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                        const std::string& objectName) override;
    void DrawHeaderGlyph(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteGlyphInfo& glyph,
                         const std::string& objectName) override;

    bool IsStatusDefined(Byte kind, const std::string& objectName) override;
    TRect GetStatusClientRect(Byte kind, const TteStatusBarInfo& info, const std::string& objectName) override;
    void DrawStatusBar(Byte kind, TCanvas& canvas, const TteStatusBarInfo& info, const std::string& objectName) override;
    void DrawStatusPanel(Byte kind, TCanvas& canvas, const TteStatusPanelInfo& info,
                         const std::string& objectName) override;
    void DrawStatusText(Byte kind, TCanvas& canvas, const TteStatusPanelInfo& info, const TteTextInfo& text,
                        const std::string& objectName) override;
    void DrawStatusGripper(Byte kind, TCanvas& canvas, const TteStatusBarInfo& info,
                           const std::string& objectName) override;

    bool IsEditDefined(Byte kind, const std::string& objectName) override;
    TRect GetEditClientRect(Byte kind, const TteEditInfo& info, const std::string& objectName) override;
    void DrawEditFrame(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string& objectName) override;
    void DrawEditSelection(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string& objectName) override;
    void DrawEditButton(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string& objectName) override;

    bool IsGroupBoxDefined(Byte kind, const std::string& objectName) override;
    void DrawGroupBox(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsMemoDefined(Byte kind, const std::string& objectName) override;
    void DrawMemoFrame(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsMenuDefined(Byte kind, const std::string& objectName) override;
    TRect GetMenuClientRect(Byte kind, const TteMenuFrameInfo& info, const std::string& objectName) override;
    void DrawMenuFrame(Byte kind, TCanvas& canvas, const TteMenuFrameInfo& info, const std::string& objectName) override;
    void DrawMenuItem(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info, const std::string& objectName) override;
    void DrawMenuItemText(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info, const TteTextInfo& text,
                          const std::string& objectName) override;
    void DrawMenuItemGlyph(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info, const TteItemGlyphInfo& glyph,
                           const std::string& objectName) override;

    bool IsControlBarDefined(Byte kind, const std::string& objectName) override;
    void DrawControlBar(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    TRect GetControlBarBandRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawControlBarBand(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsPanelDefined(Byte kind, const std::string& objectName) override;
    TRect GetPanelClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawPanelBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawPanel(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawPanelButton(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsTabsDefined(Byte kind, const std::string& objectName) override;
    bool IsTabsTransparent(Byte kind, const std::string& objectName) override;
    void DrawTabsBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawTab(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawTabsFrame(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsCheckListDefined(Byte kind, const std::string& objectName) override;
    void DrawCheckListBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info,
                                 const std::string& objectName) override;
    void DrawCheckListItem(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawCheckListCheck(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const std::string& objectName) override;
    bool IsListBoxDefined(Byte kind, const std::string& objectName) override;
    void DrawListBoxBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info,
                               const std::string& objectName) override;
    void DrawListBoxItem(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    bool IsGridDefined(Byte kind, const std::string& objectName) override;
    void DrawGridBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawGridCell(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

protected:
    // The flat colours and fonts, before the deltas.
    void SetFlatColors();
    void SetFlatFonts();
    TColor Color(int index) const { return Colors().GetColor(index); }
    // Fills and frames in Border: the look of most parts.
    void FillFramed(TCanvas& canvas, const TRect& rect, TColor fill) const;
    // A list item or grid cell: ButtonHot when hot, ButtonFocused when selected or focused.
    void DrawListItem(TCanvas& canvas, const TteItemInfo& info) const;
    // The background of a menu row: white with the image gutter.
    void FillMenuRow(TCanvas& canvas, const TRect& rect) const;
    // The two strokes of the check mark around (cx, cy).
    static void DrawCheckMark(TCanvas& canvas, int cx, int cy, TColor color);

private:
    int highlightDelta_ = 70;
    int shadowDelta_ = -70;
    bool flatStyle_ = true;
    int gutterWidth_ = 0;
};

// The unit's start step: registers the class with the theme manager.
void StartThemeFlat();
void StopThemeFlat();
