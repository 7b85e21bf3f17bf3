#pragma once
// The theme that draws every control kind from a loaded skin. Skin holds the skin as loaded;
// WorkSkin is a fresh copy with the theme's hue and brightness applied, and every drawing takes
// its objects from the table bound to WorkSkin.
#include <array>
#include <memory>
#include <string>

#include "platform/core/TComponent.h"
#include "skin/engine/TteTheme.h"

class TSeSkinObject;
class TSeSkinSource;

// Entries of the object table that the form group and the tests name.
enum TTeSkinEntry : int {
    seForm = 0, seFormClient = 1, seFormButtons = 2, seFormButtonsDrawn = 3, seFormOwnClient = 4,
    seButton = 5, seCheckBox = 6, seRadioButton = 7, seGroupBox = 8, seScrollBar = 9, seProgressBar = 10,
    seEdit = 11, seComboBox = 12, seTrackBar = 13, seMenuBar = 14, sePopupMenu = 15, seHeader = 16,
    seStatusBar = 17, seTabs = 18, seContainer = 19, seFrame = 20, seScrollBox = 21, seSplitter = 22,
    seSpinButton = 23, seControlBar = 24, seGrid = 25, seListBox = 26, seHint = 27, seSpeedButton = 28,
    seToolBar = 29, seToolWindow = 30, sePanel = 35,
};
constexpr int SkinEntryCount = 36;

class TTeSkinFile : public TteTheme {
public:
    TTeSkinFile();
    ~TTeSkinFile() override;

    TSeSkinSource& Skin() const { return *skin_; }
    TSeSkinSource& WorkSkin() const { return *workSkin_; }
    // Null outside 0..35 and for an entry the skin does not give.
    TSeSkinObject* Entry(int index) const;

    // From another skin theme: its name and skin, then Reset.
    void Assign(const TPersistent& source) override;
    void InitColors() override;
    void InitFonts() override;
    static std::string GetKindName() { return "Skin file 3 skin"; }
    static TteThemeInfo GetInfo();
    // True when the stream starts with "SKNZ"; the caller rewinds.
    static bool CanLoadStream(TStream& stream);
    bool LoadFromStream(TStream& stream) override;
    bool SaveToStream(TStream& stream) const override;
    bool LoadFromFile(const std::string& fileName) override;
    // False for an empty name; a failed write raises and leaves the old file.
    bool SaveToFile(const std::string& fileName) const override;
    void Reset() override;
    virtual void BindSkinObjects();

    bool IsFormDefined(Byte kind, const std::string& objectName) override;
    std::optional<TRegion> GetFormRegion(Byte kind, const TteFormInfo& info, const std::string& objectName) override;
    int FormHitTest(Byte kind, const TteFormInfo& info, TPoint point, const std::string& objectName) override;
    TRect GetFormClientRect(Byte kind, const TteFormInfo& info, const std::string& objectName) override;
    void DrawFormFrame(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName) override;
    void DrawFormBackground(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName) override;
    TRect GetFormCaptionRect(Byte kind, const TteFormInfo& info, const std::string& objectName) override;
    void DrawFormCaption(Byte kind, TCanvas& canvas, const TteFormInfo& info, const std::string& objectName) override;
    TRect GetFormButtonRect(Byte kind, const TteFormInfo& info, int button, const std::string& objectName) override;
    void DrawFormButton(Byte kind, TCanvas& canvas, const TteFormInfo& info, const TteFormPartInfo& button,
                        const std::string& objectName) override;
    void DrawFormGripper(Byte kind, TCanvas& canvas, const TteFormGripperInfo& info,
                         const std::string& objectName) override;
    bool IsFormTransparent(Byte kind, const std::string& objectName) override;
    void DrawFormPart(Byte kind, TCanvas& canvas, const TteFormPartInfo& info, const std::string& objectName) override;

    bool IsLabelDefined(Byte kind, const std::string& objectName) override;
    bool IsLabelTransparent(Byte kind, const std::string& objectName) override;

    bool IsContainerDefined(Byte kind, const std::string& objectName) override;
    TRect GetContainerClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawContainer(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsButtonDefined(Byte kind, const std::string& objectName) override;
    bool IsButtonTransparent(Byte kind, const std::string& objectName) override;
    void DrawButton(Byte kind, TCanvas& canvas, const TteButtonInfo& info, const std::string& objectName) override;

    bool IsCheckDefined(Byte kind, const std::string& objectName) override;
    bool IsCheckTransparent(Byte kind, const std::string& objectName) override;
    void DrawCheck(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const std::string& objectName) override;

    bool IsSplitterDefined(Byte kind, const std::string& objectName) override;
    void DrawSplitter(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsScrollDefined(Byte kind, const std::string& objectName) override;
    bool IsScrollTransparent(Byte kind, const std::string& objectName) override;
    void DrawScrollBar(Byte kind, TCanvas& canvas, const TteScrollInfo& info, const std::string& objectName) override;
    void DrawScrollButton(Byte kind, TCanvas& canvas, const TteScrollButtonInfo& info,
                          const std::string& objectName) override;
    void DrawScrollTrack(Byte kind, TCanvas& canvas, const TteScrollButtonInfo& info, const TteScrollTrackInfo& track,
                         const std::string& objectName) override;

    bool IsProgressDefined(Byte kind, const std::string& objectName) override;
    bool IsProgressTransparent(Byte kind, const std::string& objectName) override;
    void DrawProgress(Byte kind, TCanvas& canvas, const TteProgressInfo& info, const std::string& objectName) override;

    bool IsTrackBarDefined(Byte kind, const std::string& objectName) override;
    bool IsTrackBarTransparent(Byte kind, const std::string& objectName) override;
    void DrawTrackBarTrack(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawTrackBarThumb(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsHeaderDefined(Byte kind, const std::string& objectName) override;
    void DrawHeaderSection(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsStatusDefined(Byte kind, const std::string& objectName) override;
    void DrawStatusBar(Byte kind, TCanvas& canvas, const TteStatusBarInfo& info, const std::string& objectName) override;
    void DrawStatusPanel(Byte kind, TCanvas& canvas, const TteStatusPanelInfo& info,
                         const std::string& objectName) override;
    void DrawStatusGripper(Byte kind, TCanvas& canvas, const TteStatusBarInfo& info,
                           const std::string& objectName) override;

    bool IsEditDefined(Byte kind, const std::string& objectName) override;
    TRect GetEditClientRect(Byte kind, const TteEditInfo& info, const std::string& objectName) override;
    void DrawEditFrame(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string& objectName) override;
    void DrawEditSelection(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string& objectName) override;
    void DrawEditButton(Byte kind, TCanvas& canvas, const TteEditInfo& info, const std::string& objectName) override;

    bool IsGroupBoxDefined(Byte kind, const std::string& objectName) override;
    bool IsGroupBoxTransparent(Byte kind, const std::string& objectName) override;
    TRect GetGroupBoxCaptionRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawGroupBox(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsMemoDefined(Byte kind, const std::string& objectName) override;
    TRect GetMemoClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawMemoFrame(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsMenuDefined(Byte kind, const std::string& objectName) override;
    TRect GetMenuClientRect(Byte kind, const TteMenuFrameInfo& info, const std::string& objectName) override;
    void DrawMenuFrame(Byte kind, TCanvas& canvas, const TteMenuFrameInfo& info, const std::string& objectName) override;
    void DrawMenuItem(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info, const std::string& objectName) override;
    void DrawMenuItemGlyph(Byte kind, TCanvas& canvas, const TteMenuItemInfo& info, const TteItemGlyphInfo& glyph,
                           const std::string& objectName) override;

    bool IsControlBarDefined(Byte kind, const std::string& objectName) override;
    TRect GetControlBarClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawControlBar(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    TRect GetControlBarBandRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawControlBarBand(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsPanelDefined(Byte kind, const std::string& objectName) override;
    bool IsPanelTransparent(Byte kind, const std::string& objectName) override;
    TRect GetPanelClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawPanelBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawPanel(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawPanelCaption(Byte kind, TCanvas& canvas, const TteItemInfo& info, const TteTextInfo& text,
                          const std::string& objectName) override;
    void DrawPanelButton(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsTabsDefined(Byte kind, const std::string& objectName) override;
    TRect GetTabsClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawTabsBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawTab(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawTabsFrame(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsCheckListDefined(Byte kind, const std::string& objectName) override;
    TRect GetCheckListClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawCheckListBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info,
                                 const std::string& objectName) override;
    void DrawCheckListItem(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawCheckListCheck(Byte kind, TCanvas& canvas, const TteCheckInfo& info, const std::string& objectName) override;

    bool IsListBoxDefined(Byte kind, const std::string& objectName) override;
    TRect GetListBoxClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawListBoxBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info,
                               const std::string& objectName) override;
    void DrawListBoxItem(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

    bool IsGridDefined(Byte kind, const std::string& objectName) override;
    TRect GetGridClientRect(Byte kind, const TteItemInfo& info, const std::string& objectName) override;
    void DrawGridBackground(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;
    void DrawGridCell(Byte kind, TCanvas& canvas, const TteItemInfo& info, const std::string& objectName) override;

private:
    // The form group's first entry for a form kind: 0 for kinds 0-3, 30 for the tool window, -1 else.
    static int FormBase(Byte kind);
    // The part named 'name' in the entry's object, letter case ignored; null when either is missing.
    TSeSkinObject* PartOf(int entry, const std::string& name) const;
    // Prepares the entry's first frame copy for measuring the caption buttons.
    TSeSkinObject* PreparedButtons(int base, const TteFormInfo& info) const;
    // The rectangle less the margins of the entry's "Frame" part, or unchanged without one.
    TRect LessFrame(int entry, const TRect& rect) const;
    void BindFormGroup(int base, const std::string& name);
    void FreeClones();

    std::unique_ptr<TSeSkinSource> skin_;
    std::unique_ptr<TSeSkinSource> workSkin_;
    std::array<TSeSkinObject*, SkinEntryCount> entries_{};
    // The frame copies and own clients (entries 2-4 and 32-34), which no skin owns.
    std::array<TComponentPtr<TSeSkinObject>, SkinEntryCount> clones_;
};

// The same part drawn as every per-kind operation does: its state, then the rectangle (which lays
// its children out), then drawn with 'clip' (empty for everything). Nothing for a null part.
void PaintSkinPart(TSeSkinObject* part, TCanvas& canvas, const TRect& rect, uint8_t state,
                   const TRect& clip = TRect{});

// The rectangle less the part's four margins; unchanged for no part.
TRect LessMargins(const TRect& rect, const TSeSkinObject* part);

void StartThemeSkinFile();
void StopThemeSkinFile();
