#pragma once
// Forward declarations of the windowing layer, so headers include little.
#include <cstdint>

using HWND = uint32_t; // a weak window handle: a stale one names no window

struct TMessage;
class TMessageQueue;
class TWindowTable;
class Backend;
class THeadlessBackend;
class TSdlBackend;
class TControl;
class TGraphicControl;
class TWinControl;
class TCustomControl;
class TCustomForm;
class TForm;
class TMDIClient;
class TApplication;
class TScreen;
class TTimer;
class TClipboard;
class TUtilityWindow;
class IMessageFilter;
