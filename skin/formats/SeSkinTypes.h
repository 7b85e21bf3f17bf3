#pragma once
// The enumerations of skin objects; skin streams store their member names as spelled here.
#include <cstdint>
#include <string>
#include <vector>

enum TSeAlign {
    saNone, saLeft, saMostLeft, saTop, saMostTop, saRight, saMostRight, saBottom, saMostBottom, saClient,
    saTopLeft, saTopRight, saBottomLeft, saBottomRight, saCenter, saText
};
enum TSeKind {
    skNone, skForm, skCaption, skTitle, skTop, skLeft, skRight, skBottom, skTopLeft, skTopRight, skBottomLeft,
    skBottomRight, skSysButton, skClient, skMenuBar, skMenuBarItem, skMenuBarItemText, skPopupMenu,
    skPopupMenuItem, skPopupMenuItemText, skItemText, skTranparent
};
enum TSeTextAlign {
    taTopLeft, taTopCenter, taTopRight, taLeft, taCenter, taRight, taBottomLeft, taBottomCenter, taBottomRight
};
enum TSeTextEffect { teNone, teShadow };
enum TscTileStyle {
    tsTile, tsStretch, tsCenter, tsVertCenterStretch, tsVertCenterTile, tsHorzCenterStretch, tsHorzCenterTile
};
enum TSeAction {
    sbaNone, sbaClose, sbaHelp, sbaMinimize, sbaMaximize, sbaRestore, sbaRollUp, sbaRollDown, sbaTray,
    sbaSysMenu, sbaRollPanel, sbaCustom
};
enum TSeRollKind { rkLeft, rkTop, rkRight, rkBottom };

// Object states the theme sets; any other value draws the normal look, 1 is the design preview.
constexpr uint8_t ssDesign = 1, ssHot = 5, ssPressed = 6, ssFocused = 7, ssDisabled = 8;
// Window states carried by the same byte for caption buttons.
constexpr uint8_t wsNormalState = 0, wsMaximizedState = 2, wsMinimizedState = 3, wsRolledUpState = 4;

// Member names in ordinal order, for the property tables.
const std::vector<std::string>& SeAlignNames();
const std::vector<std::string>& SeKindNames();
const std::vector<std::string>& SeTextAlignNames();
const std::vector<std::string>& SeTextEffectNames();
const std::vector<std::string>& ScTileStyleNames();
const std::vector<std::string>& SeActionNames();
const std::vector<std::string>& SeRollKindNames();
