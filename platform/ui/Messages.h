#pragma once
// Message records and the message, key, hit-test and style numbers of the windowing layer.
#include <cstdint>
#include <string>

#include "platform/ui/UiFwd.h"

struct TMessage {
    uint32_t Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    int32_t Result = 0;
};

inline int16_t LoWordSigned(intptr_t v) { return static_cast<int16_t>(v & 0xFFFF); }
inline int16_t HiWordSigned(intptr_t v) { return static_cast<int16_t>((v >> 16) & 0xFFFF); }
inline uint16_t LoWord(intptr_t v) { return static_cast<uint16_t>(v & 0xFFFF); }
inline uint16_t HiWord(intptr_t v) { return static_cast<uint16_t>((v >> 16) & 0xFFFF); }
inline intptr_t MakeLong(int lo, int hi)
{
    return static_cast<intptr_t>(static_cast<uint32_t>(static_cast<uint16_t>(lo)) |
                                 (static_cast<uint32_t>(static_cast<uint16_t>(hi)) << 16));
}

// Window messages, classic numbers.
enum : uint32_t {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETREDRAW = 0x000B,
    WM_SETTEXT = 0x000C,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_QUERYENDSESSION = 0x0011,
    WM_QUIT = 0x0012,
    WM_ERASEBKGND = 0x0014,
    WM_SYSCOLORCHANGE = 0x0015,
    WM_ENDSESSION = 0x0016,
    WM_SHOWWINDOW = 0x0018,
    WM_ACTIVATEAPP = 0x001C,
    WM_CANCELMODE = 0x001F,
    WM_SETCURSOR = 0x0020,
    WM_MOUSEACTIVATE = 0x0021,
    WM_NEXTDLGCTL = 0x0028,
    WM_MDICLIENT_UNNAMED = 0x003F,
    WM_WINDOWPOSCHANGING = 0x0046,
    WM_WINDOWPOSCHANGED = 0x0047,
    WM_CONTEXTMENU = 0x007B,
    WM_STYLECHANGING = 0x007C,
    WM_DISPLAYCHANGE = 0x007E,
    WM_NCCALCSIZE = 0x0083,
    WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085,
    WM_NCACTIVATE = 0x0086,
    WM_GETDLGCODE = 0x0087,
    WM_NCMOUSEMOVE = 0x00A0,
    WM_NCLBUTTONDOWN = 0x00A1,
    WM_NCLBUTTONUP = 0x00A2,
    WM_NCLBUTTONDBLCLK = 0x00A3,
    WM_NCRBUTTONDOWN = 0x00A4,
    WM_NCRBUTTONUP = 0x00A5,
    WM_NCRBUTTONDBLCLK = 0x00A6,
    WM_NCMBUTTONDOWN = 0x00A7,
    WM_NCMBUTTONUP = 0x00A8,
    WM_NCMBUTTONDBLCLK = 0x00A9,
    EM_GETSEL = 0x00B0,
    EM_SETSEL = 0x00B1,
    EM_SETRECTNP = 0x00B4,
    EM_SCROLLCARET = 0x00B7,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_DEADCHAR = 0x0103,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_SYSCHAR = 0x0106,
    WM_SYSDEADCHAR = 0x0107,
    WM_COMMAND = 0x0111,
    WM_SYSCOMMAND = 0x0112,
    WM_TIMER = 0x0113,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_CTLCOLORLISTBOX = 0x0134,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MBUTTONDBLCLK = 0x0209,
    WM_MOUSEWHEEL = 0x020A,
    WM_MDIACTIVATE = 0x0222,
    WM_DROPFILES = 0x0233,
    WM_MOUSELEAVE = 0x02A3,
    WM_CUT = 0x0300,
    WM_COPY = 0x0301,
    WM_PASTE = 0x0302,
    WM_CLEAR = 0x0303,
    WM_UNDO = 0x0304,
    WM_THEMECHANGED = 0x031A,
    WM_USER = 0x0400,
    LB_SELECTSTRING = 0x018C,
};

// Private numbers the skinned controls and grids rely on.
enum : uint32_t {
    WM_OPEN_HOVERED_SUBMENU = 0x046F,
    WM_DEFERRED_GRID_LAYOUT = WM_USER + 100,
    WM_TRAY_CALLBACK = 0x056C,
    WM_FRAME_REPAINT = 0x056D,
    WM_FRAME_MAXIMIZE = 0x056E,
    WM_WINDOW_STATE_REQUEST = 0x056F,
    KM_THEMECHANGE = 2048,
    WM_DEFERRED_MENU_CLICK = 0x08BA,
    WM_REHOOK = 0xB0DE,
    WM_FREE_EMPTY_HOOK = 0xB0DF,
    WM_PAINT_WINDOW_TO_DC = 0xB1C8,
};

// Framework notifications: our own block, clear of every private number above.
enum : uint32_t {
    CM_BASE = 0xB200,
    CM_ACTIVATE = CM_BASE + 0,
    CM_DEACTIVATE = CM_BASE + 1,
    CM_ENABLEDCHANGED = CM_BASE + 2,
    CM_FONTCHANGED = CM_BASE + 3,
    CM_TEXTCHANGED = CM_BASE + 4,
    CM_COLORCHANGED = CM_BASE + 5,
    CM_PARENTCOLORCHANGED = CM_BASE + 6,
    CM_PARENTFONTCHANGED = CM_BASE + 7,
    CM_CHANGED = CM_BASE + 8,
    CM_SYSCOLORCHANGE = CM_BASE + 9,
    CM_MOUSEENTER = CM_BASE + 10,
    CM_MOUSELEAVE = CM_BASE + 11,
    CM_ENTER = CM_BASE + 12,
    CM_EXIT = CM_BASE + 13,
    CM_FOCUSCHANGED = CM_BASE + 14,
    CM_DIALOGKEY = CM_BASE + 15,
    CM_DIALOGCHAR = CM_BASE + 16,
    CM_CANCELMODE = CM_BASE + 17,
    CM_BUTTONPRESSED = CM_BASE + 18,
    CM_SHOWINGCHANGED = CM_BASE + 19,
    CM_VISIBLECHANGED = CM_BASE + 20,
    CM_CONTROLCHANGE = CM_BASE + 21,
    CM_HINTSHOW = CM_BASE + 22,
    CM_RELEASE = CM_BASE + 23,
    CM_SHOWHINTCHANGED = CM_BASE + 24,
    CM_PARENTSHOWHINTCHANGED = CM_BASE + 25,
    CM_CURSORCHANGED = CM_BASE + 26,
    CN_BASE = 0xBC00,
    CN_COMMAND = CN_BASE + WM_COMMAND,
    CN_KEYDOWN = CN_BASE + WM_KEYDOWN,
    CN_CHAR = CN_BASE + WM_CHAR,
};

// Combo box notifications carried in the high word of CN_COMMAND's WParam.
enum : uint16_t { CBN_SELCHANGE = 1, CBN_DROPDOWN = 7, CBN_CLOSEUP = 8, CBN_SELENDOK = 9 };

// Theme-change phases in KM_THEMECHANGE's WParam.
enum : int {
    ktcReplaced = 0,
    ktcBefore = 1,
    ktcComplete = 2,
    ktcSet = 3,
    ktcRemoved = 4,
    ktcColorsChanged = 5,
};

enum : uint32_t {
    SC_SIZE = 0xF000,
    SC_MOVE = 0xF010,
    SC_MINIMIZE = 0xF020,
    SC_MAXIMIZE = 0xF030,
    SC_CLOSE = 0xF060,
    SC_MOUSEMENU = 0xF090,
    SC_KEYMENU = 0xF100,
    SC_RESTORE = 0xF120,
    SC_CONTEXTHELP = 0xF180,
};

// Scroll codes, as ordinals and as the TScrollCode of OnScroll.
enum TScrollCode : int {
    scLineUp = 0,
    scLineDown = 1,
    scPageUp = 2,
    scPageDown = 3,
    scPosition = 4,
    scTrack = 5,
    scTop = 6,
    scBottom = 7,
    scEndScroll = 8,
};
enum : int {
    SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8,
};

enum : int {
    HTERROR = -2,
    HTTRANSPARENT = -1,
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTSYSMENU = 3,
    HTMENU = 5,
    HTHSCROLL = 6,
    HTVSCROLL = 7,
    HTMINBUTTON = 8,
    HTMAXBUTTON = 9,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTBORDER = 18,
    HTCLOSE = 20,
    HTHELP = 21,
};

// Maps the theme's FormHitTest codes (0 none, 1 caption, 2-5 borders, 7-10 corners,
// 11-17 caption buttons) onto the platform's hit-test codes.
int FormHitTestToHT(int code);

enum : uint32_t {
    DLGC_WANTARROWS = 0x0001,
    DLGC_WANTTAB = 0x0002,
    DLGC_WANTALLKEYS = 0x0004,
    DLGC_WANTCHARS = 0x0080,
};

enum : uint32_t {
    SWP_NOSIZE = 0x0001,
    SWP_NOMOVE = 0x0002,
    SWP_NOZORDER = 0x0004,
    SWP_NOREDRAW = 0x0008,
    SWP_NOACTIVATE = 0x0010,
    SWP_FRAMECHANGED = 0x0020,
    SWP_SHOWWINDOW = 0x0040,
    SWP_HIDEWINDOW = 0x0080,
    SWP_NOCOPYBITS = 0x0100,
};

// The position record of WM_WINDOWPOSCHANGING (modifiable) and WM_WINDOWPOSCHANGED.
struct TWindowPos {
    HWND hwnd = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    uint32_t flags = 0;
};

// WM_NCCALCSIZE: the window rectangle in, the client rectangle out (parent coordinates).
struct TNCCalcSizeParams {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// CM_HINTSHOW: where the hint goes and what it says; the receiver may change both or hide it.
struct THintInfo {
    TControl* HintControl = nullptr;
    int X = 0;
    int Y = 0;
    std::string HintStr;
    bool CanShow = true;
};

enum : int { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };
enum : int { MA_ACTIVATE = 1, MA_NOACTIVATE = 3 };
enum : int { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

// Mouse-button and modifier bits of a mouse message's WParam.
enum : uint32_t { MK_LBUTTON = 1, MK_RBUTTON = 2, MK_SHIFT = 4, MK_CONTROL = 8, MK_MBUTTON = 0x10 };

// Alt held: bit 29 of a key message's key data.
constexpr intptr_t KF_ALTDOWN_BIT = intptr_t(1) << 29;

// Virtual-key codes.
enum : uint16_t {
    VK_LBUTTON = 1,
    VK_RBUTTON = 2,
    VK_MBUTTON = 4,
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_PAUSE = 19,
    VK_CAPITAL = 20,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_0 = 48,
    VK_A = 65,
    VK_C = 67,
    VK_F = 70,
    VK_H = 72,
    VK_V = 86,
    VK_X = 88,
    VK_Z = 90,
    VK_NUMPAD0 = 96,
    VK_MULTIPLY = 106,
    VK_ADD = 107,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_DIVIDE = 111,
    VK_F1 = 112,
    VK_F2 = 113,
    VK_F3 = 114,
    VK_F4 = 115,
    VK_F5 = 116,
    VK_F6 = 117,
    VK_F10 = 121,
    VK_F12 = 123,
    VK_LSHIFT = 160,
    VK_RSHIFT = 161,
    VK_LCONTROL = 162,
    VK_RCONTROL = 163,
    VK_OEM_PLUS = 187,
    VK_OEM_COMMA = 188,
    VK_OEM_MINUS = 189,
    VK_OEM_PERIOD = 190,
};

// Results of a message box and the modal result of a form.
enum : int {
    mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7,
    mrAll = 8, mrNoToAll = 9, mrYesToAll = 10,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };
enum : uint32_t {
    MB_OK = 0, MB_OKCANCEL = 1, MB_ABORTRETRYIGNORE = 2, MB_YESNOCANCEL = 3, MB_YESNO = 4,
    MB_RETRYCANCEL = 5, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
