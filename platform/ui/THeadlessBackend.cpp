#include "platform/ui/THeadlessBackend.h"

#include <algorithm>
#include <cstdlib>

#include "platform/core/Exceptions.h"

namespace {
constexpr uint64_t DoubleClickMs = 500;
constexpr int DoubleClickSlop = 4;

uint32_t Blend(uint32_t under, uint32_t over, unsigned alpha)
{
    auto mix = [&](int shift) {
        const unsigned a = (under >> shift) & 0xFF;
        const unsigned b = (over >> shift) & 0xFF;
        return ((b * alpha + a * (255 - alpha) + 127) / 255) << shift;
    };
    return 0xFF000000u | mix(16) | mix(8) | mix(0);
}
} // namespace

THeadlessBackend::THeadlessBackend(int width, int height)
{
    if (width <= 0 || height <= 0)
        throw EInvalidOperation("The virtual screen needs a positive size");
    // The work area leaves room for a 30-pixel task bar, as a desktop would.
    monitors_.push_back({{0, 0, width, height}, {0, 0, width, height - 30}});
}

THeadlessBackend::Window* THeadlessBackend::Find(TNativeWindow window)
{
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

const THeadlessBackend::Window* THeadlessBackend::Find(TNativeWindow window) const
{
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

TNativeWindow THeadlessBackend::CreateWindow(const TNativeWindowParams& params)
{
    const TNativeWindow id = nextId_++;
    Window w;
    w.Params = params;
    w.TopMost = params.TopMost || params.Popup;
    windows_.emplace(id, std::move(w));
    zOrder_.push_back(id);
    Restack(id);
    return id;
}

void THeadlessBackend::DestroyWindow(TNativeWindow window)
{
    windows_.erase(window);
    std::erase(zOrder_, window);
    if (active_ == window)
        active_ = 0;
}

void THeadlessBackend::SetWindowBounds(TNativeWindow window, const TScreenRect& bounds)
{
    if (auto* w = Find(window))
        w->Params.Bounds = bounds;
}

TScreenRect THeadlessBackend::WindowBounds(TNativeWindow window) const
{
    const auto* w = Find(window);
    return w ? w->Params.Bounds : TScreenRect{};
}

void THeadlessBackend::ShowWindow(TNativeWindow window, bool visible, bool activate)
{
    auto* w = Find(window);
    if (!w)
        return;
    w->Visible = visible;
    if (visible && activate && !w->Params.Popup) {
        active_ = window;
        Restack(window);
    } else if (!visible && active_ == window) {
        active_ = 0;
    }
}

void THeadlessBackend::RaiseWindow(TNativeWindow window, bool activate)
{
    auto* w = Find(window);
    if (!w)
        return;
    Restack(window);
    if (activate && !w->Params.Popup)
        active_ = window;
}

// Moves a window to the top of its band: top-most windows stay above the others.
void THeadlessBackend::Restack(TNativeWindow window)
{
    auto* w = Find(window);
    if (!w)
        return;
    std::erase(zOrder_, window);
    auto pos = zOrder_.end();
    if (!w->TopMost)
        pos = std::find_if(zOrder_.begin(), zOrder_.end(),
                           [&](TNativeWindow id) { return Find(id)->TopMost; });
    zOrder_.insert(pos, window);
    // A dialog stays above its owner.
    for (TNativeWindow id : std::vector<TNativeWindow>(zOrder_))
        if (id != window && Find(id)->Owner == window)
            Restack(id);
}

void THeadlessBackend::SetTopMost(TNativeWindow window, bool topMost)
{
    if (auto* w = Find(window)) {
        w->TopMost = topMost;
        Restack(window);
    }
}

void THeadlessBackend::MinimizeWindow(TNativeWindow window)
{
    if (auto* w = Find(window)) {
        w->Minimized = true;
        if (active_ == window)
            active_ = 0;
    }
}

void THeadlessBackend::RestoreWindow(TNativeWindow window)
{
    if (auto* w = Find(window))
        w->Minimized = false;
}

void THeadlessBackend::SetWindowOpacity(TNativeWindow window, uint8_t alpha)
{
    if (auto* w = Find(window))
        w->Opacity = alpha;
}

void THeadlessBackend::SetWindowTitle(TNativeWindow window, const std::string& title)
{
    if (auto* w = Find(window))
        w->Params.Title = title;
}

void THeadlessBackend::SetWindowOwner(TNativeWindow window, TNativeWindow owner)
{
    if (auto* w = Find(window)) {
        w->Owner = owner;
        Restack(window);
    }
}

bool THeadlessBackend::SetWindowRegion(TNativeWindow window, const std::vector<TScreenRect>& rects)
{
    auto* w = Find(window);
    if (!w)
        return false;
    if (!shapes_) {
        w->Region.clear();
        return false;
    }
    w->Region = rects;
    return true;
}

bool THeadlessBackend::Window::Covers(int x, int y) const
{
    if (!Visible || Minimized || !Params.Bounds.Contains(x, y))
        return false;
    if (Region.empty())
        return true;
    const int lx = x - Params.Bounds.X;
    const int ly = y - Params.Bounds.Y;
    for (const auto& r : Region)
        if (r.Contains(lx, ly))
            return true;
    return false;
}

void THeadlessBackend::Present(TNativeWindow window, const uint32_t* pixels, int width, int height,
                               int stride)
{
    auto* w = Find(window);
    if (!w || width < 0 || height < 0)
        return;
    w->SurfaceWidth = width;
    w->SurfaceHeight = height;
    w->Pixels.resize(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels + static_cast<size_t>(y) * stride, width,
                    w->Pixels.begin() + static_cast<ptrdiff_t>(y) * width);
}

bool THeadlessBackend::WaitEvent(uint32_t)
{
    if (events_.empty() && waiting_)
        waiting_();
    return !events_.empty();
}

bool THeadlessBackend::PollEvent(TBackendEvent& event)
{
    if (events_.empty())
        return false;
    event = std::move(events_.front());
    events_.pop_front();
    return true;
}

void THeadlessBackend::CursorPos(int& x, int& y) const
{
    x = cursorX_;
    y = cursorY_;
}

void THeadlessBackend::StartTextInput(const TScreenRect& composition)
{
    textInput_ = true;
    composition_ = composition;
}

void THeadlessBackend::Push(TBackendEvent event)
{
    events_.push_back(std::move(event));
}

TNativeWindow THeadlessBackend::WindowAt(int x, int y) const
{
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) {
        if (Find(*it)->Covers(x, y))
            return *it;
    }
    return 0;
}

std::vector<TNativeWindow> THeadlessBackend::ZOrder() const
{
    return zOrder_;
}

void THeadlessBackend::MouseMove(int x, int y, uint32_t modifiers)
{
    cursorX_ = x;
    cursorY_ = y;
    TBackendEvent e;
    e.Kind = TBackendEventKind::MouseMove;
    e.Window = WindowAt(x, y);
    e.X = x;
    e.Y = y;
    e.Modifiers = modifiers;
    Push(std::move(e));
}

void THeadlessBackend::MouseButton(TBackendEventKind kind, int x, int y, int button,
                                   uint32_t modifiers)
{
    if (x != cursorX_ || y != cursorY_)
        MouseMove(x, y, modifiers);
    TBackendEvent e;
    e.Kind = kind;
    e.Window = WindowAt(x, y);
    e.X = x;
    e.Y = y;
    e.Button = button;
    e.Modifiers = modifiers;
    if (kind == TBackendEventKind::MouseDown) {
        // A second press soon after and near the first is a double click; a third starts over.
        const uint64_t now = NowMs() + 1; // +1 so that 0 means "no earlier press"
        const bool isDouble = !lastWasDouble_ && button == lastDownButton_ &&
                              lastDownTime_ != 0 && now - lastDownTime_ <= DoubleClickMs &&
                              std::abs(x - lastDownX_) <= DoubleClickSlop &&
                              std::abs(y - lastDownY_) <= DoubleClickSlop;
        e.Clicks = isDouble ? 2 : 1;
        lastWasDouble_ = isDouble;
        lastDownTime_ = now;
        lastDownButton_ = button;
        lastDownX_ = x;
        lastDownY_ = y;
    }
    Push(std::move(e));
}

void THeadlessBackend::MouseDown(int x, int y, int button, uint32_t modifiers)
{
    MouseButton(TBackendEventKind::MouseDown, x, y, button, modifiers);
}

void THeadlessBackend::MouseUp(int x, int y, int button, uint32_t modifiers)
{
    MouseButton(TBackendEventKind::MouseUp, x, y, button, modifiers);
}

void THeadlessBackend::Wheel(int x, int y, int notches, uint32_t modifiers)
{
    TBackendEvent e;
    e.Kind = TBackendEventKind::Wheel;
    e.Window = WindowAt(x, y);
    e.X = x;
    e.Y = y;
    e.WheelDelta = notches * 120;
    e.Modifiers = modifiers;
    Push(std::move(e));
}

void THeadlessBackend::MouseLeave()
{
    TBackendEvent e;
    e.Kind = TBackendEventKind::MouseLeave;
    cursorX_ = -10000;
    cursorY_ = -10000;
    e.X = cursorX_;
    e.Y = cursorY_;
    Push(std::move(e));
}

void THeadlessBackend::KeyDown(uint16_t key, uint32_t modifiers, const std::string& text)
{
    TBackendEvent e;
    e.Kind = TBackendEventKind::KeyDown;
    e.Window = active_;
    e.Key = key;
    e.Modifiers = modifiers;
    Push(e);
    if (!text.empty()) {
        e.Kind = TBackendEventKind::Text;
        e.Text = text;
        Push(std::move(e));
    }
}

void THeadlessBackend::KeyUp(uint16_t key, uint32_t modifiers)
{
    TBackendEvent e;
    e.Kind = TBackendEventKind::KeyUp;
    e.Window = active_;
    e.Key = key;
    e.Modifiers = modifiers;
    Push(std::move(e));
}

void THeadlessBackend::DropFiles(int x, int y, std::vector<std::string> files)
{
    TBackendEvent e;
    e.Kind = TBackendEventKind::DropFiles;
    e.Window = WindowAt(x, y);
    e.X = x;
    e.Y = y;
    e.Files = std::move(files);
    Push(std::move(e));
}

void THeadlessBackend::RequestClose(TNativeWindow window)
{
    TBackendEvent e;
    e.Kind = TBackendEventKind::CloseRequest;
    e.Window = window;
    Push(std::move(e));
}

void THeadlessBackend::ManagerPlace(TNativeWindow window, const TScreenRect& bounds)
{
    auto* w = Find(window);
    if (!w)
        return;
    w->Params.Bounds = bounds;
    TBackendEvent e;
    e.Kind = TBackendEventKind::BoundsChanged;
    e.Window = window;
    e.X = bounds.X;
    e.Y = bounds.Y;
    e.Width = bounds.Width;
    e.Height = bounds.Height;
    Push(std::move(e));
}

void THeadlessBackend::ManagerMaximize(TNativeWindow window)
{
    auto* w = Find(window);
    if (!w || w->RestoreBounds.Width > 0)
        return;
    w->RestoreBounds = w->Params.Bounds;
    TBackendEvent e;
    e.Kind = TBackendEventKind::Maximized;
    e.Window = window;
    Push(std::move(e));
    ManagerPlace(window, monitors_.front().WorkArea);
}

void THeadlessBackend::ManagerRestore(TNativeWindow window)
{
    auto* w = Find(window);
    if (!w || w->RestoreBounds.Width == 0)
        return;
    const TScreenRect back = w->RestoreBounds;
    w->RestoreBounds = {};
    TBackendEvent e;
    e.Kind = TBackendEventKind::Unmaximized;
    e.Window = window;
    Push(std::move(e));
    ManagerPlace(window, back);
}

uint32_t THeadlessBackend::ScreenPixel(int x, int y) const
{
    uint32_t color = DesktopColor;
    for (TNativeWindow id : zOrder_) {
        const auto* w = Find(id);
        if (!w->Covers(x, y))
            continue;
        const int lx = x - w->Params.Bounds.X;
        const int ly = y - w->Params.Bounds.Y;
        if (lx >= w->SurfaceWidth || ly >= w->SurfaceHeight)
            continue;
        const uint32_t p = w->Pixels[static_cast<size_t>(ly) * w->SurfaceWidth + lx];
        color = Blend(color, p, w->Opacity);
    }
    return color;
}

uint32_t THeadlessBackend::WindowPixel(TNativeWindow window, int x, int y) const
{
    const auto* w = Find(window);
    if (!w || x < 0 || y < 0 || x >= w->SurfaceWidth || y >= w->SurfaceHeight)
        throw EListError("Pixel outside the window's surface");
    return w->Pixels[static_cast<size_t>(y) * w->SurfaceWidth + x];
}

bool THeadlessBackend::IsWindowVisible(TNativeWindow window) const
{
    const auto* w = Find(window);
    return w && w->Visible && !w->Minimized;
}

bool THeadlessBackend::IsWindowTopMost(TNativeWindow window) const
{
    const auto* w = Find(window);
    return w && w->TopMost;
}

bool THeadlessBackend::IsWindowMinimized(TNativeWindow window) const
{
    const auto* w = Find(window);
    return w && w->Minimized;
}

uint8_t THeadlessBackend::WindowOpacity(TNativeWindow window) const
{
    const auto* w = Find(window);
    return w ? w->Opacity : 0;
}

TNativeWindow THeadlessBackend::WindowOwner(TNativeWindow window) const
{
    const auto* w = Find(window);
    return w ? w->Owner : 0;
}

bool THeadlessBackend::IsWindowResizable(TNativeWindow window) const
{
    const auto* w = Find(window);
    return w && w->Params.Resizable;
}

const std::string& THeadlessBackend::WindowTitle(TNativeWindow window) const
{
    static const std::string none;
    const auto* w = Find(window);
    return w ? w->Params.Title : none;
}
