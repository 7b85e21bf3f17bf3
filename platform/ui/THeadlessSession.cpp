#include "platform/ui/THeadlessSession.h"

#include "platform/graphics/TBitmap.h"
#include "platform/ui/TCustomForm.h"

THeadlessSession::THeadlessSession(int width, int height)
    : backend_(width, height), clock_(backend_.FakeClock()), app_(std::make_unique<TApplication>(backend_))
{
    app_->SetAnimationsEnabled(false);
    app_->MessageBoxResponder = [this](const TMessageBoxRequest& request) {
        if (!answers_.empty()) {
            const int answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        switch (request.Flags & 0x0F) {
        case MB_ABORTRETRYIGNORE: return static_cast<int>(IDABORT);
        case MB_YESNOCANCEL:
        case MB_YESNO: return static_cast<int>(IDYES);
        case MB_RETRYCANCEL: return static_cast<int>(IDRETRY);
        default: return static_cast<int>(IDOK);
        }
    };
    app_->ShellOpener = [this](const std::string& target) { shellOpened_.push_back(target); };
    app_->TrayService = [this](const TTrayCall& call) {
        trayCalls_.push_back(call);
        return true;
    };
}

THeadlessSession::~THeadlessSession()
{
    // Forms freed with the application still reach the tray and the opener that record here.
    app_.reset();
}

void THeadlessSession::TrayMouse(const TTrayCall& icon, uint32_t mouseMessage)
{
    app_->PostMessage(icon.Wnd, WM_TRAY_CALLBACK, icon.Id, mouseMessage);
    ProcessUntilIdle();
}

void THeadlessSession::ProcessUntilIdle()
{
    app_->ProcessUntilIdle();
}

void THeadlessSession::AdvanceClock(uint64_t ms)
{
    backend_.AdvanceClock(ms);
    ProcessUntilIdle();
}

void THeadlessSession::MoveTo(int x, int y)
{
    backend_.MouseMove(x, y);
    ProcessUntilIdle();
}

void THeadlessSession::MouseDown(int x, int y, int button, uint32_t modifiers)
{
    backend_.MouseDown(x, y, button, modifiers);
    ProcessUntilIdle();
}

void THeadlessSession::MouseUp(int x, int y, int button, uint32_t modifiers)
{
    backend_.MouseUp(x, y, button, modifiers);
    ProcessUntilIdle();
}

void THeadlessSession::MouseUpWithoutMove(int x, int y)
{
    TBackendEvent release;
    release.Kind = TBackendEventKind::MouseUp;
    release.Window = backend_.WindowAt(x, y);
    release.X = x;
    release.Y = y;
    release.Button = 1;
    backend_.Push(std::move(release));
    ProcessUntilIdle();
}

void THeadlessSession::Click(int x, int y, int button, uint32_t modifiers)
{
    backend_.MouseDown(x, y, button, modifiers);
    backend_.MouseUp(x, y, button, modifiers);
    ProcessUntilIdle();
}

void THeadlessSession::DoubleClick(int x, int y)
{
    Click(x, y);
    backend_.AdvanceClock(50);
    Click(x, y);
}

void THeadlessSession::Wheel(int x, int y, int notches)
{
    backend_.MouseMove(x, y);
    backend_.Wheel(x, y, notches);
    ProcessUntilIdle();
}

void THeadlessSession::Leave()
{
    backend_.MouseLeave();
    ProcessUntilIdle();
}

TPoint THeadlessSession::ScreenPointOf(const TControl& control, TPoint client) const
{
    if (client.X < 0 && client.Y < 0)
        client = {control.ClientWidth() / 2, control.ClientHeight() / 2};
    return control.ClientToScreen(client);
}

void THeadlessSession::ClickControl(const TControl& control, TPoint client)
{
    const TPoint p = ScreenPointOf(control, client);
    Click(p.X, p.Y);
}

void THeadlessSession::KeyDown(uint16_t key, uint32_t modifiers, const std::string& text)
{
    backend_.KeyDown(key, modifiers, text);
    ProcessUntilIdle();
}

void THeadlessSession::KeyUp(uint16_t key, uint32_t modifiers)
{
    backend_.KeyUp(key, modifiers);
    ProcessUntilIdle();
}

void THeadlessSession::PressKey(uint16_t key, uint32_t modifiers, const std::string& text)
{
    backend_.KeyDown(key, modifiers, text);
    backend_.KeyUp(key, modifiers);
    ProcessUntilIdle();
}

void THeadlessSession::TypeText(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : 4;
        const std::string ch = text.substr(i, len);
        i += len;
        uint16_t key = 0;
        uint32_t mods = 0;
        if (c >= 'a' && c <= 'z') {
            key = static_cast<uint16_t>(c - 32);
        } else if (c >= 'A' && c <= 'Z') {
            key = c;
            mods = kmShift;
        } else if (c >= '0' && c <= '9') {
            key = c;
        } else if (c == ' ') {
            key = VK_SPACE;
        }
        backend_.KeyDown(key, mods, ch);
        backend_.KeyUp(key, mods);
    }
    ProcessUntilIdle();
}

std::vector<std::string> THeadlessSession::Errors() const
{
    std::vector<std::string> errors;
    for (const auto& box : app_->MessageBoxLog())
        if ((box.Flags & 0xF0) == MB_ICONERROR)
            errors.push_back(box.Text);
    return errors;
}

void THeadlessSession::WhenModal(std::function<void(TCustomForm&)> callback)
{
    app_->OnModalActivate = std::move(callback);
}

TColor THeadlessSession::ScreenColor(int x, int y) const
{
    return PixelToColor(backend_.ScreenPixel(x, y));
}

TColor THeadlessSession::WindowColor(const TWinControl& topLevel, int x, int y) const
{
    return PixelToColor(backend_.WindowPixel(topLevel.NativeWindow(), x, y));
}

TColor THeadlessSession::ClientColor(const TControl& control, int x, int y) const
{
    TPoint offset;
    TWinControl* host = control.PaintHost(offset);
    if (!host)
        throw EInvalidOperation("The control is on no window");
    TWinControl* top = host->TopLevel();
    if (!top || !top->Surface())
        throw EInvalidOperation("The control's window has no surface");
    const TPoint origin = host->SurfaceOrigin();
    const TRect frame = host->FrameWidths();
    return top->Surface()->ColorAt(origin.X + frame.Left + offset.X + x, origin.Y + frame.Top + offset.Y + y);
}
