#include "skin/formats/SeSkinTypes.h"

const std::vector<std::string>& SeAlignNames()
{
    static const std::vector<std::string> names = {
        "saNone", "saLeft", "saMostLeft", "saTop", "saMostTop", "saRight", "saMostRight", "saBottom",
        "saMostBottom", "saClient", "saTopLeft", "saTopRight", "saBottomLeft", "saBottomRight", "saCenter", "saText"};
    return names;
}

const std::vector<std::string>& SeKindNames()
{
    static const std::vector<std::string> names = {
        "skNone", "skForm", "skCaption", "skTitle", "skTop", "skLeft", "skRight", "skBottom",
        "skTopLeft", "skTopRight", "skBottomLeft", "skBottomRight", "skSysButton", "skClient",
        "skMenuBar", "skMenuBarItem", "skMenuBarItemText", "skPopupMenu", "skPopupMenuItem",
        "skPopupMenuItemText", "skItemText", "skTranparent"};
    return names;
}

const std::vector<std::string>& SeTextAlignNames()
{
    static const std::vector<std::string> names = {"taTopLeft", "taTopCenter", "taTopRight",
                                                   "taLeft", "taCenter", "taRight",
                                                   "taBottomLeft", "taBottomCenter", "taBottomRight"};
    return names;
}

const std::vector<std::string>& SeTextEffectNames()
{
    static const std::vector<std::string> names = {"teNone", "teShadow"};
    return names;
}

const std::vector<std::string>& ScTileStyleNames()
{
    static const std::vector<std::string> names = {"tsTile", "tsStretch", "tsCenter", "tsVertCenterStretch",
                                                   "tsVertCenterTile", "tsHorzCenterStretch", "tsHorzCenterTile"};
    return names;
}

const std::vector<std::string>& SeActionNames()
{
    static const std::vector<std::string> names = {"sbaNone", "sbaClose", "sbaHelp", "sbaMinimize",
                                                   "sbaMaximize", "sbaRestore", "sbaRollUp", "sbaRollDown",
                                                   "sbaTray", "sbaSysMenu", "sbaRollPanel", "sbaCustom"};
    return names;
}

const std::vector<std::string>& SeRollKindNames()
{
    static const std::vector<std::string> names = {"rkLeft", "rkTop", "rkRight", "rkBottom"};
    return names;
}
