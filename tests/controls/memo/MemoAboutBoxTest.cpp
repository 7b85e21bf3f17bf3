#include <gtest/gtest.h>

#include "controls/memo/TZmMemo.h"
#include "platform/controls/TMenuTracker.h"
#include "platform/controls/TScrollBar.h"
#include "platform/core/DesktopOpener.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"

namespace {

const std::vector<std::string> AboutText{
    "Bukura keeps the books of three business units and pays their people every month.",
    "Questions and updates: www.bukura.id"};

} // namespace

// The about box's memo as its form sets it up: read-only, wrapped, numbered, links underlined.
TEST(MemoAboutBox, ReadsSelectsCopiesAndOpensTheLinkWithoutChangingTheText)
{
    THeadlessSession session;
    RecordingOpener opener;
    DesktopOpenerOverride use(opener);
    auto* responder = CreateOwned<TMenuResponder>(session.App());
    auto* form = session.CreateForm<TForm>();
    form->SetBounds(40, 40, 360, 240);
    auto* memo = CreateOwned<TZmMemo>(*form);
    memo->SetParent(form);
    memo->SetBounds(10, 10, 300, 150);
    memo->SetReadOnly(true);
    memo->SetWordWrap(TWordWrap::wwClientWidth);
    memo->Gutter().SetShowLineNumbers(true);
    memo->Gutter().SetDigitCount(4);
    memo->Gutter().SetLineNumberStart(1);
    memo->Gutter().SetVisible(true);
    memo->SetUrlStyle(TCharStyle(clBlue, clWhite, fsUnderline));
    memo->SetUseStyler(true);
    memo->SetTabSize(4);
    memo->SetUndoLimit(100);
    memo->SetShowRightMargin(true);
    TStringList lines;
    for (const std::string& line : AboutText)
        lines.Add(line);
    memo->SetLines(lines);
    form->Show();
    memo->SetFocus();
    session.ProcessUntilIdle();

    const TZmMemoStrings& store = memo->Lines();
    ASSERT_GT(store.Count(), 2);
    for (int i = 0; i < store.Count(); ++i)
        EXPECT_LE(static_cast<int>(store.Line(i).size()), memo->VisibleColumns() - 1) << i;
    EXPECT_FALSE(memo->HorzScrollBar().Visible());
    EXPECT_EQ(store.LogicalLines(), AboutText);

    // Numbers stand in the gutter only where a paragraph starts.
    TBitmap bitmap(memo->Width(), memo->Height());
    std::vector<TTextRun> log;
    bitmap.Canvas().SetTextLog(&log);
    memo->PaintTo(bitmap.Canvas(), 0, 0);
    std::vector<std::pair<std::string, int>> numbers;
    const TTextRun* link = nullptr;
    for (const TTextRun& run : log) {
        // Text lines are drawn through a line bitmap; only the gutter's numbers are digits here.
        if (!run.Text.empty() && run.Text.find_first_not_of("0123456789") == std::string::npos)
            numbers.emplace_back(run.Text, (run.Cell.Top - memo->TextRect().Top) / memo->LineHeight());
        if (run.Text == "www.bukura.id")
            link = &run;
    }
    int head = 1;
    while (store.Continuation(head))
        ++head;
    EXPECT_EQ(numbers, (std::vector<std::pair<std::string, int>>{{"1", 0}, {"2", head}}));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->Color, clBlue);
    EXPECT_EQ(link->Style, fsUnderline);

    // Typing, cutting, pasting and the menu's Delete leave the text as it was.
    session.TypeText("x");
    session.PressKey(VK_RETURN);
    session.PressKey(VK_DELETE);
    session.PressKey(VK_V, kmCtrl);
    EXPECT_EQ(store.LogicalLines(), AboutText);

    // Shift+Right selects, Ctrl+C copies.
    memo->SetCaret(0, 0);
    for (int i = 0; i < 6; ++i)
        session.PressKey(VK_RIGHT, kmShift);
    session.PressKey(VK_C, kmCtrl);
    EXPECT_EQ(session.Screen().ClipboardText(), "Bukura");

    // The built-in menu: Delete is greyed, Copy works.
    responder->Choose("Copy");
    const TRect cell = memo->CellRect(3, 0);
    const TPoint menuAt = memo->ClientToScreen({cell.Left + 2, cell.Top + 2});
    session.Click(menuAt.X, menuAt.Y, 2);
    ASSERT_EQ(responder->Shown().size(), 1u);
    for (const TMenuEntry& entry : responder->Shown()[0])
        if (entry.Text == "Delete") {
            EXPECT_FALSE(entry.Enabled);
        }
    session.Screen().SetClipboardText("");
    memo->Perform(WM_COMMAND, 1);
    EXPECT_EQ(session.Screen().ClipboardText(), "Bukura");
    memo->Perform(WM_COMMAND, 7);
    EXPECT_EQ(store.LogicalLines(), AboutText);

    // A click on the link opens it once, as a web address.
    const int linkLine = store.Count() - 1;
    const int linkColumn = static_cast<int>(store.Line(linkLine).find(U"www.")) + 2;
    const TRect linkCell = memo->CellRect(linkColumn, linkLine - memo->TopLine());
    const TPoint linkAt = memo->ClientToScreen({linkCell.Left + 2, linkCell.Top + 2});
    session.Click(linkAt.X, linkAt.Y);
    EXPECT_EQ(opener.requests, (std::vector<RecordingOpener::Request>{{"http://www.bukura.id", SW_SHOWNORMAL}}));
    EXPECT_EQ(store.LogicalLines(), AboutText);
}
