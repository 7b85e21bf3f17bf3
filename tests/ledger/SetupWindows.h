#pragma once
// The set-up windows on a fresh database: a main frame for the child windows, the account
// picker and the login state of unit 10's book year; input helpers and a PNG of a window.
#include <filesystem>
#include <functional>

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "ledger/LoginState.h"
#include "ledger/TFPop_coa.h"
#include "platform/graphics/ImageCodecs.h"
#include "platform/ui/Messages.h"
#include "skin/controls/TTeForm.h"
#include "tests/ledger/LedgerDatabase.h"
#include "tests/ledger/WindowSession.h"

class SetupWindowsTest : public LedgerDatabaseTest {
protected:
    SetupWindowsTest()
    {
        DtModule = dm.get();
        LoginState().ref_tahun = 2026;
        frame = s.CreateForm<TForm>();
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        frame->SetBounds(0, 0, 1000, 740);
        frame->Show();
        FPop_coa = s.CreateForm<TFPop_coa>();
    }
    ~SetupWindowsTest() override
    {
        TComponent::Free(frame);
        TComponent::Free(FPop_coa);
        FPop_coa = nullptr;
        DtModule = nullptr;
        LoginState() = TLoginState();
    }

    void Type(TZlEdit& field, const std::string& text)
    {
        field.SetFocus();
        field.SetText(text);
    }
    // Picks an entry the way the user does: Home, then one step down per entry, each key in the
    // list even when a choice moves the focus on.
    void Choose(TZlComboBox& list, int index)
    {
        list.SetFocus();
        s.PressKey(VK_HOME);
        while (list.ItemIndex() < index) {
            list.SetFocus();
            s.PressKey(VK_DOWN);
        }
    }
    // The window's top left corner on the screen, frame included.
    TPoint WindowOrigin(const TControl& window) const
    {
        return window.Parent() ? window.Parent()->ClientToScreen(TPoint{window.Left(), window.Top()})
                               : TPoint{window.Left(), window.Top()};
    }
    void CloseThroughFrame(TForm& form)
    {
        const TRect close = static_cast<TTeForm*>(form.FindComponent("TeForm1"))->GetButtonRect(kbiClose);
        const TPoint origin = WindowOrigin(form);
        s.Click(origin.X + (close.Left + close.Right) / 2, origin.Y + (close.Top + close.Bottom) / 2);
    }
    // Clicks 'button' and works the modal dialog it shows with 'drive'.
    template <class Dialog> void With(const TControl& button, std::function<void(Dialog&)> drive)
    {
        s.WhenModal([&](TCustomForm& form) { drive(dynamic_cast<Dialog&>(form)); });
        s.ClickControl(button);
    }
    // A second click on a spot, late enough not to make a double click.
    void ClickAgain(const TControl& control)
    {
        s.AdvanceClock(1000);
        s.ClickControl(control);
    }
    // A statement of another instance: its own connection on the same file.
    void ExecAsOther(const std::string& sql)
    {
        TDtModule other;
        other.CONN1->SetConnectionString("Data Source=" + file.Path());
        other.CONN1->Open();
        other.CONN1->Execute(sql);
    }
    // A blank account another instance holds while its "&New" is open.
    void BlankAccountOfOther(int id)
    {
        ExecAsOther("insert into coa (account_id) values (" + std::to_string(id) + ")");
        ExecAsOther("insert into entry_holder (entry_table, entry_key, host, process) values ('coa', '"
            + std::to_string(id) + "', 'other-host', 1)");
    }
    std::string LastBox() const { return s.MessageBoxes().empty() ? "" : s.MessageBoxes().back().Text; }

    // The window as the screen shows it, for a look at the layout.
    void SavePng(const TControl& window, const std::string& name)
    {
        s.ProcessUntilIdle();
        const TPoint origin = WindowOrigin(window);
        const int w = window.Width(), h = window.Height();
        std::vector<uint32_t> pixels;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                pixels.push_back(s.Screen().ScreenPixel(origin.X + x, origin.Y + y));
        const auto folder = std::filesystem::path(BUKURA_BINARY_DIR) / "tests" / "screenshots";
        std::filesystem::create_directories(folder);
        WritePng((folder / (name + ".png")).string(), pixels.data(), w, h, w * 4, false);
    }

    WindowSession w;
    THeadlessSession& s = w.s;
    TForm* frame = nullptr;
};
