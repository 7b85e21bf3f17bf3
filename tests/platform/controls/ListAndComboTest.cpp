#include <gtest/gtest.h>

#include "ControlsTestKit.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomListBox.h"
#include "platform/graphics/TCanvas.h"

namespace {

struct ListFixture : TControlsFixture {
    TListBox* list = nullptr;
    int clicks = 0;
    ListFixture()
    {
        list = Place<TListBox>(10, 10, 120, 4 * 13 + 4);
        list->SetItemHeight(13);
        for (const char* s : {"Aktiva", "Bank", "Biaya", "Hutang", "Kas", "Modal", "Pendapatan"})
            list->Items().Add(s);
        list->OnClick = [this](TComponent*) { ++clicks; };
        list->SetFocus();
        session.ProcessUntilIdle();
    }
};

struct ComboFixture : TControlsFixture {
    TComboBox* combo = nullptr;
    int changes = 0;
    int dropDowns = 0;
    ComboFixture()
    {
        combo = Place<TComboBox>(10, 10, 150, 21);
        combo->SetStyle(TComboBoxStyle::csDropDownList);
        for (const char* s : {"Kalvera", "Kalvera ZIVU", "Kalvera Duvize"})
            combo->Items().Add(s);
        combo->OnChange = [this](TComponent*) { ++changes; };
        combo->OnDropDown = [this](TComponent*) { ++dropDowns; };
        combo->SetFocus();
        session.ProcessUntilIdle();
    }
};

} // namespace

TEST(ListBoxKeys, ArrowsPagesHomeAndEndMoveTheSelectionAndScroll)
{
    ListFixture f;
    f.list->OnKeyDown = [](TComponent*, uint16_t& key, TShiftState) {
        if (key == VK_UP)
            key = 0;
    };
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.list->ItemIndex(), 0);
    f.session.PressKey(VK_END);
    EXPECT_EQ(f.list->ItemIndex(), 6);
    EXPECT_EQ(f.list->TopIndex(), 3);
    f.session.PressKey(VK_UP);
    EXPECT_EQ(f.list->ItemIndex(), 6) << "the handler swallowed the key";
    f.session.PressKey(VK_PRIOR);
    EXPECT_EQ(f.list->ItemIndex(), 3);
    f.session.PressKey(VK_HOME);
    EXPECT_EQ(f.list->ItemIndex(), 0);
    EXPECT_EQ(f.list->TopIndex(), 0);
    EXPECT_EQ(f.clicks, 4);

    // A prefix search ignores case and wraps past the end.
    EXPECT_EQ(f.list->Perform(LB_SELECTSTRING, 65535, reinterpret_cast<intptr_t>("bi")), 2);
    EXPECT_EQ(f.list->ItemIndex(), 2);
    EXPECT_EQ(f.list->SelectString(4, "a"), 0);
    EXPECT_EQ(f.list->SelectString(-1, "zz"), LB_ERR);
    EXPECT_EQ(f.list->ItemIndex(), 0);
}

TEST(ListBoxItems, ClickCodeAndTheScrollBar)
{
    ListFixture f;
    int upAt = -1;
    f.list->OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int y) { upAt = y; };
    f.session.ClickControl(*f.list, {20, 13 + 6});
    EXPECT_EQ(f.list->ItemIndex(), 1);
    EXPECT_EQ(upAt, 19);
    EXPECT_EQ(f.clicks, 1);

    EXPECT_THROW(f.list->SetItemIndex(7), EListError);
    f.list->SetItemIndex(5);
    EXPECT_EQ(f.clicks, 1);

    // The scroll bar shows while the items do not fit; clearing drops the choice.
    EXPECT_TRUE(f.list->ScrollBars().Visible(SB_VERT));
    f.list->Perform(WM_VSCROLL, SB_TOP);
    f.list->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(f.list->TopIndex(), 1);
    f.list->Perform(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(f.list->TopIndex(), 3);
    while (f.list->Count() > 2)
        f.list->Items().Delete(0);
    EXPECT_FALSE(f.list->ScrollBars().Visible(SB_VERT));
    EXPECT_EQ(f.list->TopIndex(), 0);
    f.list->SetItemIndex(1);
    f.list->Items().Clear();
    EXPECT_EQ(f.list->ItemIndex(), -1);
}

TEST(ListBoxOwnerDraw, StatesAndIntegralHeight)
{
    ListFixture f;
    f.list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
    f.list->SetItemIndex(1);
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    f.list->OnDrawItem = [&](TComponent* sender, int index, const TRect& rect, TOwnerDrawState state) {
        drawn.emplace_back(index, state);
        auto* box = static_cast<TListBox*>(sender);
        box->Canvas().Brush().SetColor(clRed);
        box->Canvas().FillRect(rect);
    };
    auto repaint = [&] {
        drawn.clear();
        f.list->Invalidate();
        f.session.ProcessUntilIdle();
        std::vector<int> indexes;
        for (const auto& d : drawn)
            indexes.push_back(d.first);
        return indexes;
    };
    ASSERT_GE(repaint().size(), 4u);
    EXPECT_EQ(drawn[0].first, 0);
    EXPECT_EQ(drawn[1].second & (odSelected | odFocused), odSelected | odFocused);
    EXPECT_EQ(f.session.ClientColor(*f.list, 5, 5), clRed);

    f.list->SetItemIndex(-1);
    f.list->SetItemHeight(11);
    f.list->SetBorderStyle(TBorderStyle::bsNone);
    f.list->SetClientHeight(50);
    EXPECT_EQ(repaint(), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(f.list->VisibleCount(), 4);
    f.list->SetIntegralHeight(true);
    EXPECT_EQ(repaint(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(f.list->ItemAtPos({5, 47}, true), -1);
    f.session.ClickControl(*f.list, {5, 47});
    EXPECT_EQ(f.list->ItemIndex(), -1);
    EXPECT_EQ(f.list->TopIndex(), 0);
}

TEST(ComboBoxClosed, ArrowsAndLettersChooseItems)
{
    ComboFixture f;
    std::u32string heard;
    f.combo->OnKeyPress = [&](TComponent*, char32_t& key) {
        heard += key;
        if (key == U'x')
            key = 0;
    };
    f.session.TypeText("k");
    EXPECT_EQ(f.combo->ItemIndex(), 0);
    f.session.TypeText("k");
    EXPECT_EQ(f.combo->ItemIndex(), 1);
    f.combo->SetItemIndex(-1);
    f.session.TypeText("x");
    EXPECT_EQ(heard, U"kkx");
    EXPECT_EQ(f.changes, 2);

    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.combo->ItemIndex(), 0);
    EXPECT_EQ(f.combo->Text(), "Kalvera");
    f.session.PressKey(VK_END);
    EXPECT_EQ(f.combo->Text(), "Kalvera Duvize");
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.changes, 4);
}

TEST(ComboBoxClosed, ItemIndexFromCodeFiresNoChange)
{
    ComboFixture f;
    f.combo->SetItemIndex(1);
    EXPECT_EQ(f.combo->Text(), "Kalvera ZIVU");
    f.combo->SetItemIndex(-1);
    EXPECT_EQ(f.combo->Text(), "");
    EXPECT_EQ(f.changes, 0);
    EXPECT_THROW(f.combo->SetItemIndex(3), EListError);

    // Sorted items keep their order and the choice follows a known text.
    f.combo->Items().Clear();
    f.combo->SetSorted(true);
    for (const char* s : {"Modal", "Aktiva", "Hutang"})
        f.combo->Items().Add(s);
    EXPECT_EQ(f.combo->Items().Get(0), "Aktiva");
    f.combo->SetText("Hutang");
    EXPECT_EQ(f.combo->ItemIndex(), 1);
    f.combo->SetText("Tidak ada");
    EXPECT_EQ(f.combo->ItemIndex(), 1);
}

TEST(ComboBoxDropDown, AltDownOpensTheListBelowAndEnterAccepts)
{
    ComboFixture f;
    f.session.PressKey(VK_DOWN, kmAlt);
    ASSERT_TRUE(f.combo->DroppedDown());
    EXPECT_EQ(f.dropDowns, 1);
    EXPECT_TRUE(f.combo->List().Visible());
    const TPoint below = f.combo->ClientToScreen({0, f.combo->ClientHeight()});
    EXPECT_NEAR(f.combo->List().Top(), below.Y, 3);
    EXPECT_EQ(f.combo->List().Height(), 3 * f.combo->ItemHeight() + 2);
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.combo->ItemIndex(), 1);
    f.session.PressKey(VK_RETURN);
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_FALSE(f.combo->List().Visible());
    EXPECT_EQ(f.combo->Text(), "Kalvera ZIVU");
}

TEST(ComboBoxDropDown, EscapeRestoresTheEarlierChoice)
{
    ComboFixture f;
    f.combo->SetItemIndex(0);
    f.session.PressKey(VK_F4);
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.combo->ItemIndex(), 1);
    f.session.PressKey(VK_ESCAPE);
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->ItemIndex(), 0);
    EXPECT_EQ(f.changes, 2);

    f.combo->SetItemIndex(2);
    f.combo->SetDroppedDown(true);
    f.combo->Items().Clear();
    f.combo->Items().Add("Kalvera");
    f.session.PressKey(VK_ESCAPE);
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->ItemIndex(), -1);
    EXPECT_EQ(f.combo->Text(), "");
}

TEST(ComboBoxDropDown, ClickOpensAClickInTheListChoosesAndOneOutsideCloses)
{
    ComboFixture f;
    f.session.ClickControl(*f.combo);
    ASSERT_TRUE(f.combo->DroppedDown());
    f.session.ClickControl(*f.form, {300, 250});
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->ItemIndex(), -1);

    f.session.AdvanceClock(1000);
    f.session.ClickControl(*f.combo);
    ASSERT_TRUE(f.combo->DroppedDown());
    const TComboDropList& list = f.combo->List();
    f.session.ClickControl(list, {10, list.ItemHeight() * 2 + 3});
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->ItemIndex(), 2);
    EXPECT_EQ(f.changes, 1);
}

TEST(ComboBoxDropDown, AChoiceWhoseChangeMovesTheFocusOnIsKept)
{
    ComboFixture f;
    auto* next = f.Place<TEdit>(10, 100, 100, 21);
    f.combo->OnChange = [&](TComponent*) {
        ++f.changes;
        next->SetFocus();
    };
    f.session.ClickControl(*f.combo);
    ASSERT_TRUE(f.combo->DroppedDown());
    const TComboDropList& list = f.combo->List();
    f.session.ClickControl(list, {10, list.ItemHeight() * 2 + 3});
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->Text(), "Kalvera Duvize");
    EXPECT_EQ(f.changes, 1);

    f.combo->SetFocus();
    f.session.PressKey(VK_F4);
    f.session.PressKey(VK_UP);
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->Text(), "Kalvera ZIVU");
    EXPECT_EQ(f.changes, 2);
}

TEST(ComboBoxEditPart, TypingAndTheArrow)
{
    ComboFixture f;
    f.combo->SetStyle(TComboBoxStyle::csDropDown);
    f.combo->SetFocus();
    f.session.ProcessUntilIdle();
    f.session.TypeText("Bank");
    EXPECT_EQ(f.combo->Text(), "Bank");
    EXPECT_EQ(f.changes, 4);
    // Ctrl+A takes the whole text, and what is typed next replaces it.
    f.session.PressKey(VK_HOME);
    f.session.PressKey('A', kmCtrl);
    f.session.TypeText("Kas");
    EXPECT_EQ(f.combo->Text(), "Kas");
    f.session.PressKey(VK_DOWN);
    EXPECT_EQ(f.combo->Text(), "Kalvera");

    auto* other = f.Place<TComboBox>(10, 100, 150, 21);
    other->SetFocus();
    f.session.ProcessUntilIdle();
    f.session.ClickControl(*f.combo, {f.combo->ClientWidth() - 6, f.combo->ClientHeight() / 2});
    EXPECT_TRUE(f.combo->DroppedDown());
}

TEST(ComboBoxDropDown, ListShowsAtMostDropDownCountRowsInTheCombosColour)
{
    ComboFixture f;
    for (int i = 0; i < 20; ++i)
        f.combo->Items().Add("Akun " + std::to_string(i));
    f.combo->SetItemIndex(15);
    f.combo->SetColor(clYellow);
    f.session.PressKey(VK_F4);
    TComboDropList& list = f.combo->List();
    EXPECT_EQ(list.Height(), 8 * f.combo->ItemHeight() + 2);
    EXPECT_TRUE(list.ScrollBars().Visible(SB_VERT));
    EXPECT_LE(list.TopIndex(), 15);
    EXPECT_GT(list.TopIndex() + 8, 15);
    const int unselected = (15 - list.TopIndex() + 1) % 8;
    EXPECT_EQ(f.session.ClientColor(list, list.ClientWidth() - 3, unselected * list.ItemHeight() + 2), clYellow);
}

TEST(ComboBoxDropDown, TheMouseScrollsTheOpenListAndEnterTakesTheEntryThePointerHighlights)
{
    ComboFixture f;
    f.combo->Items().Clear();
    for (int month = 1; month <= 12; ++month)
        f.combo->Items().Add("Bulan " + std::to_string(month));
    f.combo->SetItemIndex(11);
    f.session.ClickControl(*f.combo);
    TComboDropList& list = f.combo->List();
    ASSERT_EQ(list.TopIndex(), 4);
    // A point of the list's scroll bar on the screen: 16-pixel arrows at both ends, the thumb between.
    const auto bar = [&](int y) {
        const TRect w = list.WindowRect(), b = list.ScrollBars().BarRect(SB_VERT);
        return TPoint{w.Left + b.Left + 8, w.Top + b.Top + (y < 0 ? b.Height() + y : y)};
    };
    const TPoint arrowUp = bar(5), pageUp = bar(17), thumbAtTop = bar(19), bottom = bar(-1);
    f.session.Click(arrowUp.X, arrowUp.Y);
    EXPECT_EQ(list.TopIndex(), 3);
    f.session.Click(pageUp.X, pageUp.Y);
    EXPECT_EQ(list.TopIndex(), 0);
    f.session.MouseDown(thumbAtTop.X, thumbAtTop.Y);
    f.session.MoveTo(bottom.X, bottom.Y);
    f.session.MouseUp(bottom.X, bottom.Y);
    EXPECT_EQ(list.TopIndex(), 4);
    const TPoint row = f.session.ScreenPointOf(list, {10, list.ItemHeight() / 2});
    f.session.Wheel(row.X, row.Y, 1);
    EXPECT_EQ(list.TopIndex(), 1);
    EXPECT_TRUE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->ItemIndex(), 11);
    // The highlight follows the entries under the still pointer, and Enter takes that entry.
    EXPECT_EQ(list.ItemIndex(), 1);
    f.session.Wheel(row.X, row.Y, -1);
    EXPECT_EQ(list.TopIndex(), 4);
    EXPECT_EQ(list.ItemIndex(), 4);
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(f.combo->Text(), "Bulan 5");
    EXPECT_EQ(f.changes, 1);
    f.session.PressKey(VK_F4);
    f.session.Wheel(row.X, row.Y, 1);

    f.session.MoveTo(row.X, row.Y + 1);
    f.session.PressKey(VK_RETURN);
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->Text(), "Bulan 2");
    EXPECT_EQ(f.changes, 2);

    // After the scroll bar has let go, a click beside the list still closes it unchosen.
    f.session.PressKey(VK_F4);
    f.session.Click(arrowUp.X, arrowUp.Y);
    f.session.ClickControl(*f.form, {300, 250});
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->Text(), "Bulan 2");

    // The thumb let go outside every window of ours, whose release never comes: the next click
    // on an entry takes it and closes the list.
    f.session.PressKey(VK_F4);
    f.session.Click(pageUp.X, pageUp.Y);
    ASSERT_EQ(list.TopIndex(), 0);
    f.session.MouseDown(thumbAtTop.X, thumbAtTop.Y);
    f.session.MoveTo(1020, 760);
    ASSERT_EQ(list.TopIndex(), 4);
    f.session.ClickControl(list, {10, list.ItemHeight() * 2 + 3});
    EXPECT_FALSE(f.combo->DroppedDown());
    EXPECT_EQ(f.combo->ItemIndex(), list.TopIndex() + 2);
}

namespace {

// Records the notifications that reach it, as a descendant reacting to each step would.
class TNotifiedCombo : public TComboBox {
public:
    using TComboBox::TComboBox;
    std::vector<uint16_t> Codes;

protected:
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CN_COMMAND)
            Codes.push_back(HiWord(message.WParam));
        TComboBox::Dispatch(message);
    }
};

} // namespace

TEST(ComboBoxNotifications, EachStepReachesTheComboAsACommand)
{
    TControlsFixture f;
    auto* combo = f.Place<TNotifiedCombo>(10, 10, 150, 21);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->Items().Add("a");
    combo->Items().Add("b");
    combo->SetFocus();
    f.session.ProcessUntilIdle();
    f.session.PressKey(VK_F4);
    f.session.PressKey(VK_DOWN);
    f.session.PressKey(VK_RETURN);
    EXPECT_EQ(combo->Codes, (std::vector<uint16_t>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
}

namespace {

// A combo box that draws its own edge and so has no client edge.
class TEdgelessCombo : public TComboBox {
public:
    using TComboBox::TComboBox;

protected:
    void CreateParams(TCreateParams& params) override
    {
        TComboBox::CreateParams(params);
        params.ExStyle &= ~WS_EX_CLIENTEDGE;
    }
};

} // namespace

TEST(ComboBoxFrame, WithoutTheClientEdgePartsAndListFollowTheWholeWindow)
{
    TControlsFixture f;
    auto* combo = f.Place<TEdgelessCombo>(10, 10, 150, 21);
    for (const char* s : {"Januari", "Februari"})
        combo->Items().Add(s);
    EXPECT_EQ(combo->ButtonRect(), Rect(134, 0, 150, 21));
    ASSERT_NE(combo->EditPart(), nullptr);
    EXPECT_EQ(combo->EditPart()->BoundsRect(), Rect(1, 1, 133, 20));
    combo->SetDroppedDown(true);
    f.session.ProcessUntilIdle();
    const TRect window = combo->WindowRect();
    EXPECT_EQ(combo->List().WindowRect().TopLeft(), (TPoint{window.Left, window.Bottom}));
    EXPECT_EQ(combo->List().Width(), 150);
}
