#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/TButton.h"
#include "platform/controls/TMessageBoxResponder.h"

TEST(MessageBoxResponder, AnswersInOrderAndRecordsEveryBox)
{
    THeadlessSession s;
    TMessageBoxResponder responder(s.App());
    responder.Answer(mrYes);
    responder.Answer(mrCancel);
    EXPECT_EQ(MessageDlg("Apakan anda yakin menghapus data?", TMsgDlgType::mtConfirmation, mbYesNo), mrYes);
    EXPECT_EQ(MessageDlg("Delete record ?", TMsgDlgType::mtConfirmation, mbOKCancel), mrCancel);
    ASSERT_EQ(responder.Shown().size(), 2u);
    EXPECT_EQ(responder.Shown()[0].Type, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(responder.Shown()[0].Caption, "Confirm");
    EXPECT_EQ(responder.Shown()[0].Buttons, mbYesNo);
    EXPECT_EQ(responder.Shown()[1].Text, "Delete record ?");
    EXPECT_EQ(responder.Shown()[1].Buttons, mbOKCancel);
}

TEST(MessageBoxResponder, ABoxWithoutAnAnswerFailsLoudly)
{
    THeadlessSession s;
    TMessageBoxResponder responder(s.App());
    EXPECT_THROW(ShowMessage("Data tersimpan"), EHeadlessStall);
    ASSERT_EQ(responder.Shown().size(), 1u);
    EXPECT_EQ(responder.Shown()[0].Type, TMsgDlgType::mtCustom);
}

TEST(MessageBoxResponder, TypedCaptionsAndThePlainBoxTitle)
{
    THeadlessSession s;
    s.App().SetTitle("Bukura - Free Accounting System");
    TMessageBoxResponder responder(s.App());
    for (int i = 0; i < 4; ++i)
        responder.Answer(mrOk);
    MessageDlg("a", TMsgDlgType::mtError, mbOK);
    MessageDlg("b", TMsgDlgType::mtWarning, mbOK);
    MessageDlg("c", TMsgDlgType::mtInformation, mbOK);
    ShowMessage("d");
    EXPECT_EQ(responder.Shown()[0].Caption, "Error");
    EXPECT_EQ(responder.Shown()[1].Caption, "Warning");
    EXPECT_EQ(responder.Shown()[2].Caption, "Information");
    EXPECT_EQ(responder.Shown()[3].Caption, "Bukura - Free Accounting System");
    EXPECT_THROW(MessageDlg("e", TMsgDlgType::mtError, mbCancel), EInvalidOperation);
}

namespace {

// Shows real message forms: the session's own responder is taken away.
struct ModalFixture {
    THeadlessSession s;
    std::vector<std::string> buttons;
    ModalFixture()
    {
        s.App().MessageBoxResponder = nullptr;
        UseStandardMessageBoxes(s.App());
    }
    void WhenShown(std::function<void(TCustomForm&)> keys)
    {
        s.WhenModal([this, keys](TCustomForm& form) {
            for (int i = 0; i < form.ComponentCount(); ++i)
                if (auto* b = dynamic_cast<TButton*>(form.Components(i)))
                    buttons.push_back(b->Caption());
            keys(form);
        });
    }
};

} // namespace

TEST(MessageForm, EnterPressesTheFirstButton)
{
    ModalFixture f;
    f.WhenShown([&](TCustomForm&) { f.s.Screen().KeyDown(VK_RETURN); });
    EXPECT_EQ(MessageDlg("Simpan?", TMsgDlgType::mtConfirmation, mbYesNo), mrYes);
    EXPECT_EQ(f.buttons, (std::vector<std::string>{"&Yes", "&No"}));
}

TEST(MessageForm, EscapeAnswersNoOrCancel)
{
    ModalFixture f;
    f.WhenShown([&](TCustomForm&) { f.s.Screen().KeyDown(VK_ESCAPE); });
    EXPECT_EQ(MessageDlg("Simpan?", TMsgDlgType::mtConfirmation, mbYesNo), mrNo);
    EXPECT_EQ(MessageDlg("Delete record ?", TMsgDlgType::mtConfirmation, mbOKCancel), mrCancel);
}

TEST(MessageForm, AButtonsLetterAnswersIt)
{
    ModalFixture f;
    f.WhenShown([&](TCustomForm&) { f.s.TypeText("n"); });
    EXPECT_EQ(MessageDlg("Simpan?", TMsgDlgType::mtConfirmation, mbYesNo), mrNo);
    f.WhenShown([&](TCustomForm&) { f.s.PressKey('N', kmAlt); });
    EXPECT_EQ(MessageDlg("Simpan?", TMsgDlgType::mtConfirmation, mbYesNo), mrNo);
}

TEST(MessageForm, TabThenEnterPressesTheSecondButton)
{
    ModalFixture f;
    f.WhenShown([&](TCustomForm&) {
        f.s.Screen().KeyDown(VK_TAB);
        f.s.Screen().KeyUp(VK_TAB);
        f.s.Screen().KeyDown(VK_RETURN);
    });
    EXPECT_EQ(MessageDlg("Delete record ?", TMsgDlgType::mtConfirmation, mbOKCancel), mrCancel);
}

TEST(MessageForm, ClickOnAButtonAnswersIt)
{
    ModalFixture f;
    f.WhenShown([&](TCustomForm& form) {
        auto* no = dynamic_cast<TButton*>(form.FindComponent("Button2"));
        ASSERT_NE(no, nullptr);
        const TPoint p = no->ClientToScreen({10, 10});
        f.s.Screen().MouseDown(p.X, p.Y);
        f.s.Screen().MouseUp(p.X, p.Y);
    });
    EXPECT_EQ(MessageDlg("Simpan?", TMsgDlgType::mtConfirmation, mbYesNo), mrNo);
}

TEST(MessageForm, MultiLineTextIsSplitAtCrLfAndTheFormGrowsWithIt)
{
    ModalFixture f;
    int oneLine = 0;
    int sevenLines = 0;
    f.WhenShown([&](TCustomForm& form) {
        (oneLine ? sevenLines : oneLine) = form.ClientHeight();
        f.s.Screen().KeyDown(VK_RETURN);
    });
    MessageDlg("Koneksi ke Database tidak berhasil!", TMsgDlgType::mtError, mbOK);
    MessageDlg("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7", TMsgDlgType::mtError, mbOK);
    EXPECT_GT(sevenLines, oneLine + 40);
}
