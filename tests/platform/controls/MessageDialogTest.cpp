#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TMessageBoxResponder.h"

TEST(MessageBoxResponder, AnswersInOrderAndFailsLoudlyWithoutAnAnswer)
{
    THeadlessSession s;
    s.App().SetTitle("Bukura - Free Accounting System");
    TMessageBoxResponder responder(s.App());
    responder.Answer(mrYes);
    responder.Answer(mrCancel);
    EXPECT_EQ(MessageDlg("Apakan anda yakin menghapus data?", TMsgDlgType::mtConfirmation, mbYesNo), mrYes);
    EXPECT_EQ(MessageDlg("Delete record ?", TMsgDlgType::mtConfirmation, mbOKCancel), mrCancel);
    EXPECT_THROW(ShowMessage("Data tersimpan"), EHeadlessStall);
    ASSERT_EQ(responder.Shown().size(), 3u);
    EXPECT_EQ(responder.Shown()[0].Type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(responder.Shown()[0].Buttons, mbYesNo);
    EXPECT_EQ(responder.Shown()[1].Text, "Delete record ?");
    EXPECT_EQ(responder.Shown()[1].Buttons, mbOKCancel);
    EXPECT_EQ(responder.Shown()[2].Type, TMsgDlgType::mtCustom);
    EXPECT_EQ(responder.Shown()[2].Caption, "Bukura - Free Accounting System") << "a plain box has the title";
    EXPECT_THROW(MessageDlg("e", TMsgDlgType::mtError, mbCancel), EInvalidOperation);
}

namespace {

// Shows real message forms: the session's own responder is taken away.
struct ModalFixture {
    THeadlessSession s;
    ModalFixture()
    {
        s.App().MessageBoxResponder = nullptr;
        UseStandardMessageBoxes(s.App());
    }
    // The answer of a Yes/No or OK/Cancel box to what 'keys' does while it shows.
    int Ask(TMsgDlgButtons buttons, std::function<void(TCustomForm&)> keys)
    {
        s.WhenModal(keys);
        return MessageDlg("Simpan?", TMsgDlgType::mtConfirmation, buttons);
    }
};

} // namespace

TEST(MessageForm, KeysAndClicksAnswerAndTheFormFitsTheText)
{
    ModalFixture f;
    auto& screen = f.s.Screen();
    EXPECT_EQ(f.Ask(mbYesNo, [&](TCustomForm&) { screen.KeyDown(VK_RETURN); }), mrYes);
    EXPECT_EQ(f.Ask(mbYesNo, [&](TCustomForm&) { screen.KeyDown(VK_ESCAPE); }), mrNo);
    EXPECT_EQ(f.Ask(mbOKCancel, [&](TCustomForm&) { screen.KeyDown(VK_ESCAPE); }), mrCancel);
    EXPECT_EQ(f.Ask(mbYesNo, [&](TCustomForm&) { f.s.TypeText("n"); }), mrNo);
    EXPECT_EQ(f.Ask(mbYesNo, [&](TCustomForm&) { f.s.PressKey('N', kmAlt); }), mrNo);
    EXPECT_EQ(f.Ask(mbOKCancel,
                    [&](TCustomForm&) {
                        screen.KeyDown(VK_TAB);
                        screen.KeyUp(VK_TAB);
                        screen.KeyDown(VK_RETURN);
                    }),
              mrCancel);
    EXPECT_EQ(f.Ask(mbYesNo,
                    [&](TCustomForm& form) {
                        auto* no = dynamic_cast<TButton*>(form.FindComponent("Button2"));
                        ASSERT_NE(no, nullptr);
                        const TPoint p = no->ClientToScreen({10, 10});
                        screen.MouseDown(p.X, p.Y);
                        screen.MouseUp(p.X, p.Y);
                    }),
              mrNo);
    // Closed by the window manager or the close box, a question reads as No, and Alt+Y still
    // answers Yes.
    auto closedByTheManager = [&](TCustomForm& form) { screen.RequestClose(form.NativeWindow()); };
    EXPECT_EQ(f.Ask(mbYesNo, closedByTheManager), mrNo);
    EXPECT_EQ(f.Ask(mbOKCancel, closedByTheManager), mrCancel);
    EXPECT_EQ(f.Ask(mbYesNo, [&](TCustomForm& form) { form.Close(); }), mrNo);
    EXPECT_EQ(f.Ask(mbYesNo, [&](TCustomForm&) { f.s.PressKey('Y', kmAlt); }), mrYes);

    // Multi-line text is split at CR LF and the form grows with it.
    std::vector<int> heights;
    f.s.WhenModal([&](TCustomForm& form) {
        heights.push_back(form.ClientHeight());
        f.s.Screen().KeyDown(VK_RETURN);
    });
    MessageDlg("Koneksi ke Database tidak berhasil!", TMsgDlgType::mtError, mbOK);
    MessageDlg("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7", TMsgDlgType::mtError, mbOK);
    ASSERT_EQ(heights.size(), 2u);
    EXPECT_GT(heights[1], heights[0] + 40);
}
