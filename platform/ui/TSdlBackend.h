#pragma once
// Real windows through SDL2 (its X11 driver): each top-level window is a borderless SDL window
// whose frame the program paints; popups are borderless top-most windows that are not activated.
#include <map>

#include "platform/ui/Backend.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

class TSdlBackend : public Backend {
public:
    // Raises EInvalidOperation when SDL cannot open the display.
    TSdlBackend();
    ~TSdlBackend() override;
    TSdlBackend(const TSdlBackend&) = delete;
    TSdlBackend& operator=(const TSdlBackend&) = delete;

    TNativeWindow CreateWindow(const TNativeWindowParams& params) override;
    void DestroyWindow(TNativeWindow window) override;
    void SetWindowBounds(TNativeWindow window, const TScreenRect& bounds) override;
    TScreenRect WindowBounds(TNativeWindow window) const override;
    void ShowWindow(TNativeWindow window, bool visible, bool activate) override;
    void RaiseWindow(TNativeWindow window, bool activate) override;
    void SetTopMost(TNativeWindow window, bool topMost) override;
    void MinimizeWindow(TNativeWindow window) override;
    void RestoreWindow(TNativeWindow window) override;
    void SetWindowOpacity(TNativeWindow window, uint8_t alpha) override;
    void SetWindowTitle(TNativeWindow window, const std::string& title) override;
    // SDL shapes only windows made as shaped windows: regions are not supported here.
    bool SetWindowRegion(TNativeWindow, const std::vector<TScreenRect>&) override { return false; }
    void Present(TNativeWindow window, const uint32_t* pixels, int width, int height, int stride) override;

    bool PollEvent(TBackendEvent& event) override;
    size_t PendingEvents() override;
    bool WaitEvent(uint32_t timeoutMs) override;
    uint64_t NowMs() const override;

    std::vector<TMonitorInfo> Monitors() const override;
    void SetCursorShape(TCursorShape shape) override;
    void CursorPos(int& x, int& y) const override;
    void StartTextInput(const TScreenRect& composition) override;
    void StopTextInput() override;

    void SetClipboardText(const std::string& text) override;
    std::string ClipboardText() const override;
    bool HasClipboardText() const override;

    bool IsHeadless() const override { return false; }
    bool SupportsLayeredWindows() const override { return true; }

    SDL_Window* SdlWindow(TNativeWindow window) const;

private:
    // Raises the window and gives it the X input focus.
    static void TakeKeyboard(SDL_Window* window);
    // Shows a popup, leaving the X input focus where it was.
    static void ShowPopup(SDL_Window* popup);
    static void HidePopup(SDL_Window* popup);
    bool Translate(const SDL_Event& e, TBackendEvent& event) const;

    struct Window {
        SDL_Window* Handle = nullptr;
        bool Popup = false;
    };
    std::map<TNativeWindow, Window> windows_;
    std::map<TCursorShape, SDL_Cursor*> cursors_;
};
