#include <gtest/gtest.h>

#include "controls/memo/TZmAutoform.h"
#include "controls/memo/TZmCustomMemoStyler.h"
#include "controls/memo/TZmHintForm.h"
#include "tests/controls/memo/MemoFixture.h"

namespace {

void* Kind(intptr_t kind)
{
    return reinterpret_cast<void*>(kind);
}

struct CompletionFixture : MemoFixture {
    TZmCustomMemoStyler* styler = CreateOwned<TZmCustomMemoStyler>(*form);

    CompletionFixture()
    {
        ShowRows(6);
        styler->AutoCompletionList().AddObject("function Foo(a, b)", Kind(5));
        styler->AutoCompletionList().AddObject("function Format(s)", Kind(5));
        styler->AutoCompletionList().AddObject("var Count", Kind(1));
        styler->HintParameter().Parameters().Add("Foo(a: Integer; b: string)");
        memo->SetSyntaxStyles(styler);
        memo->SetFocus();
        session.ProcessUntilIdle();
    }
    bool Showing() const { return memo->AutoCompletionShowing(); }
    std::vector<std::string> Listed() const
    {
        return Showing() ? memo->AutoCompletionForm()->List().Items().Lines() : std::vector<std::string>{};
    }
    std::string Line() const { return memo->Lines().Get(memo->CurY()); }
};

} // namespace

TEST(MemoCompletion, TypedDotOpensTheListAfterTheDelayAndAcceptingReplacesOnlyTheTypedName)
{
    CompletionFixture f;
    f.memo->AutoCompletion().SetDelay(300);
    f.session.TypeText(" .");
    f.session.AdvanceClock(1000);
    EXPECT_FALSE(f.Showing());

    f.memo->Lines().Put(0, " := 1");
    f.memo->SetCaret(0, 0);
    f.session.TypeText("obj.");
    f.session.AdvanceClock(299);
    EXPECT_FALSE(f.Showing());
    f.session.AdvanceClock(1);
    EXPECT_EQ(f.Listed().size(), 3u);
    f.session.TypeText("fo");
    EXPECT_EQ(f.Listed(), (std::vector<std::string>{"function Foo(a, b)", "function Format(s)"}));
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(f.Line(), "obj.Foo := 1");
    EXPECT_EQ(f.memo->CurX(), 7);
    EXPECT_FALSE(f.Showing());
}

TEST(MemoCompletion, ListKeysInsertHideTypeOrCancel)
{
    CompletionFixture f;
    int cancels = 0;
    f.memo->OnCancelAutoCompletion = [&](TComponent*) { ++cancels; };
    auto open = [&](const std::string& typed) {
        f.session.TypeText(typed);
        f.session.PressKey(VK_SPACE, kmCtrl, " ");
    };
    open("F");
    EXPECT_EQ(f.Listed().size(), 2u);
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(f.Line(), "Format");

    f.session.PressKey(VK_RETURN);
    open("C");
    f.session.PressKey(VK_ESCAPE);
    EXPECT_FALSE(f.Showing());
    EXPECT_EQ(cancels, 0);

    open("");
    f.session.TypeText("x");
    EXPECT_EQ(f.Line(), "Cx");
    EXPECT_TRUE(f.Showing());
    EXPECT_TRUE(f.Listed().empty());
    // Function and keypad keys are no letters: they type nothing and close the list.
    f.session.PressKey(VK_F1);
    EXPECT_FALSE(f.Showing());
    EXPECT_EQ(cancels, 1);
    f.session.PressKey(VK_RETURN);
    open("");
    ASSERT_TRUE(f.Showing());
    f.session.PressKey(VK_NUMPAD0 + 1, 0, "1");
    EXPECT_EQ(f.Line(), "");
    EXPECT_EQ(cancels, 2);

    // Closing the list's form hides it; the next opening uses it again.
    open("");
    TZmAutoform* form = f.memo->AutoCompletionForm();
    form->Close();
    f.session.ProcessUntilIdle();
    EXPECT_FALSE(f.Showing());
    open("");
    EXPECT_EQ(f.memo->AutoCompletionForm(), form);
    EXPECT_EQ(f.Listed().size(), 3u);
}

TEST(MemoCompletion, ListDrawsKindWordNameAndParameters)
{
    CompletionFixture f;
    f.styler->AutoCompletionList().Add("plain");
    f.session.PressKey(VK_SPACE, kmCtrl, " ");
    TAutoCompletionListBox& list = f.memo->AutoCompletionForm()->List();
    list.SetItemIndex(-1);
    TBitmap bitmap(list.Width(), list.Height());
    std::vector<TTextRun> log;
    bitmap.Canvas().SetTextLog(&log);
    list.PaintTo(bitmap.Canvas(), 0, 0);
    std::vector<std::tuple<std::string, TColor, bool>> runs;
    for (const TTextRun& run : log)
        if (!run.Text.empty())
            runs.emplace_back(run.Text, run.Color, (run.Style & fsBold) != 0);
    const std::vector<std::tuple<std::string, TColor, bool>> expected{
        {"function", clNavy, false}, {"Foo", clWindowText, true},    {"(a, b)", clWindowText, false},
        {"function", clNavy, false}, {"Format", clWindowText, true}, {"(s)", clWindowText, false},
        {"var", clBlue, false},      {"Count", clWindowText, true},  {"plain", clTeal, true}};
    EXPECT_EQ(runs, expected);
    EXPECT_EQ(log[1].Cell.Left, log[7].Cell.Left);
    f.memo->AutoCompletion().SetColor(clYellow);
    EXPECT_EQ(list.Color(), clYellow);
}

TEST(MemoCompletion, AutoCorrectReplacesTheCompletedWord)
{
    CompletionFixture f;
    f.memo->AutoCorrect().OldValue().Add("teh");
    f.memo->AutoCorrect().NewValue().Add("the");
    f.session.TypeText("teh Teh ");
    EXPECT_EQ(f.Line(), "the Teh ");

    std::vector<std::string> words;
    f.memo->AutoCorrect().SetActive(false);
    f.memo->OnWordComplete = [&](TComponent*, const std::string& word, std::string& replacement) {
        words.push_back(word);
        if (word == "teh")
            replacement = "THE";
    };
    f.session.TypeText("teh");
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(words, std::vector<std::string>{"teh"});
    EXPECT_EQ(f.memo->Lines().Get(0), "the Teh THE");
}

TEST(MemoHint, ParameterHintBoldsTheCurrentParameterAndHidesAfterTheDelay)
{
    CompletionFixture f;
    f.memo->SetAutoHintParameterDelay(1000);
    f.session.TypeText("foo(1, ");
    TZmHintForm* hint = f.memo->ParameterHintForm();
    ASSERT_TRUE(hint && hint->Visible());
    EXPECT_EQ(hint->Before(), "a: Integer;");
    EXPECT_EQ(hint->Current(), " b: string");
    EXPECT_EQ(hint->BoldMode(), 2);
    EXPECT_EQ(hint->Top(), f.memo->ClientToScreen({0, f.memo->CellRect(0, 0).Bottom}).Y);
    f.session.AdvanceClock(1000);
    EXPECT_FALSE(hint->Visible());

    f.session.TypeText("x)");
    EXPECT_FALSE(hint->Visible());
    f.session.TypeText("; foo(2,     ");
    EXPECT_FALSE(hint->Visible());
    f.session.PressKey(VK_BACK);
    EXPECT_TRUE(hint->Visible());

    f.memo->SetAutoHintParameters(TAutoHintParameters::hpNone);
    EXPECT_FALSE(hint->Visible());
    f.session.PressKey(VK_SPACE, kmCtrl | kmShift, " ");
    EXPECT_FALSE(hint->Visible());
}

TEST(MemoHint, WordHintComesFromTheHandler)
{
    CompletionFixture f;
    f.memo->Lines().Put(0, "alpha beta");
    f.memo->OnHintForWord = [](TComponent*, int, int, const std::string& word, std::string& hint, bool& show) {
        hint = "about " + word;
        show = word != "alpha";
    };
    auto hintAt = [&](int column) {
        const TRect cell = f.memo->CellRect(column, 0);
        f.session.MoveTo(f.memo->ClientToScreen({cell.Left + 2, cell.Top + 2}).X, f.memo->ClientToScreen({0, cell.Top + 2}).Y);
        THintInfo info;
        f.memo->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info));
        return info.CanShow ? info.HintStr : std::string("-");
    };
    EXPECT_EQ(hintAt(7), "about beta");
    EXPECT_EQ(hintAt(1), "-");
}
