#include <gtest/gtest.h>

#include "TestSkin.h"

namespace {

TComponentPtr<TSeSkinObject> Parent(const TRect& bounds)
{
    auto parent = Create<TSeSkinObject>();
    parent->SetBounds(bounds);
    return parent;
}

TSeSkinObject* Child(TSeSkinObject& parent, TSeAlign align, const TRect& bounds)
{
    auto* child = CreateOwned<TSeSkinObject>(parent);
    child->SetBounds(bounds);
    child->SetAlign(align);
    return child;
}

} // namespace

TEST(SkinObjectLayout, EdgesTakeTheFreeRectangleInPassOrderAndAnchoredChildrenFollowTheirEdges)
{
    auto parent = Parent(Rect(10, 10, 110, 110));
    TSeSkinObject* top = Child(*parent, saTop, Bounds(0, 0, 0, 10));
    TSeSkinObject* mostTop = Child(*parent, saMostTop, Bounds(0, 0, 0, 5));
    TSeSkinObject* right = Child(*parent, saRight, Bounds(0, 0, 20, 0));
    TSeSkinObject* hidden = Child(*parent, saLeft, Bounds(0, 0, 30, 0));
    hidden->SetVisible(false);
    TSeSkinObject* client1 = Child(*parent, saClient, TRect{});
    TSeSkinObject* client2 = Child(*parent, saClient, TRect{});
    TSeSkinObject* centre = Child(*parent, saCenter, Bounds(0, 0, 11, 11));
    parent->AlignObjects();
    EXPECT_EQ(mostTop->BoundsRect(), Rect(10, 10, 110, 15));
    EXPECT_EQ(top->BoundsRect(), Rect(10, 15, 110, 25));
    EXPECT_EQ(right->BoundsRect(), Rect(90, 25, 110, 110));
    EXPECT_EQ(client1->BoundsRect(), Rect(10, 25, 90, 110));
    EXPECT_EQ(client2->BoundsRect(), client1->BoundsRect());
    EXPECT_EQ(centre->BoundsRect(), Bounds(10 + 34, 25 + 37, 11, 11));
    EXPECT_EQ(hidden->Width(), 30);

    auto anchored = Parent(Rect(0, 0, 100, 50));
    TSeSkinObject* topLeft = Child(*anchored, saTopLeft, Bounds(4, 4, 10, 10));
    TSeSkinObject* topRight = Child(*anchored, saTopRight, Bounds(86, 4, 10, 10));
    TSeSkinObject* bottomLeft = Child(*anchored, saBottomLeft, Bounds(4, 36, 10, 10));
    TSeSkinObject* bottomRight = Child(*anchored, saBottomRight, Bounds(86, 36, 10, 10));
    anchored->SetBounds(Rect(20, 0, 140, 80));
    EXPECT_EQ(topLeft->BoundsRect(), Bounds(24, 4, 10, 10));
    EXPECT_EQ(topRight->BoundsRect(), Bounds(126, 4, 10, 10));
    EXPECT_EQ(bottomLeft->BoundsRect(), Bounds(4, 66, 10, 10));
    EXPECT_EQ(bottomRight->BoundsRect(), Bounds(126, 66, 10, 10));
}

TEST(SkinObjectLayout, HitTestingSkipsTransparentObjectsAndPrefersTheLastChild)
{
    auto parent = Parent(Rect(0, 0, 100, 100));
    Child(*parent, saNone, Rect(0, 0, 50, 50))->SetName("First");
    TSeSkinObject* second = Child(*parent, saNone, Rect(25, 25, 75, 75));
    TSeSkinObject* glass = Child(*parent, saNone, Rect(60, 60, 100, 100));
    glass->SetKind(skTranparent);
    Child(*glass, saNone, Rect(60, 60, 100, 100));
    EXPECT_EQ(parent->ObjectAtPoint({30, 30}), second);
    EXPECT_EQ(parent->ObjectAtPoint({10, 10})->Name(), "First");
    EXPECT_EQ(parent->ObjectAtPoint({90, 90}), parent.get());
    EXPECT_EQ(parent->ObjectAtPoint({100, 50}), nullptr);
}

TEST(SkinObjectLayout, CaptionButtonsFollowWindowStateAndButtonSet)
{
    auto skin = testskin::MakeSkin();
    TSeSkinObject* form = skin->GetObjectByName("form");
    TSeSkinObject* restore = form->FindSystemButton(sbaRestore);
    TSeSkinObject* maximize = form->FindSystemButton(sbaMaximize);
    TSeSkinObject* close = form->FindSystemButton(sbaClose);
    ASSERT_TRUE(restore && maximize && close);
    EXPECT_EQ(form->FindObjectByName("CLOSEBUTTON"), close);

    form->SetState(wsNormalState);
    EXPECT_FALSE(restore->Visible());
    EXPECT_TRUE(maximize->Visible());
    form->SetState(wsMaximizedState);
    EXPECT_TRUE(restore->Visible());
    EXPECT_FALSE(maximize->Visible());
    form->SetButtons(1u << 1 | 1u << 4);
    EXPECT_TRUE(close->Visible());
    EXPECT_FALSE(restore->Visible()); // a maximized window asks for bit 6
    form->SetButtons(1u << 6);
    EXPECT_TRUE(restore->Visible());
    EXPECT_FALSE(close->Visible());
    form->SetState(1); // no state of its own: visibility stays
    EXPECT_TRUE(restore->Visible());
}

TEST(SkinObjectCopies, CloneCopiesTheTreeAndEachClassesOwnValuesAndHueShiftsEveryColourButNone)
{
    auto skin = testskin::MakeSkin();
    TSeSkinObject* form = skin->GetObjectByName("Form");
    TComponentPtr<TSeSkinObject> copy(form->Clone(nullptr));
    auto* close = dynamic_cast<TSeSystemButton*>(copy->FindObjectByName("CloseButton"));
    ASSERT_TRUE(close);
    EXPECT_NE(close, form->FindObjectByName("CloseButton"));
    EXPECT_EQ(close->Action(), sbaClose);
    EXPECT_EQ(close->BitmapPressed().BoundsRect(), Rect(24, 0, 36, 12));
    EXPECT_EQ(close->BitmapPressed().Image(), skin->Bitmaps().Get(1));
    EXPECT_EQ(copy->FindObjectByKind(skTitle)->Font().Style(), fsBold);
    EXPECT_EQ(copy->BoundsRect(), form->BoundsRect());
    EXPECT_EQ(copy->FindObjectByKind(skClient)->BoundsRect(), form->FindObjectByKind(skClient)->BoundsRect());

    TSeSkinObject* menu = skin->GetObjectByName("PopupMenu");
    auto* item = dynamic_cast<TSeColorButtonObject*>(menu->FindObjectByName("Item"));
    TSeSkinObject* separator = menu->FindObjectByName("Separator");
    menu->ChangeHue(85); // a third of the wheel: blue to red
    EXPECT_EQ(separator->Color(), clNone);
    EXPECT_EQ(item->HotColor(), RGB(128, 0, 0));
    EXPECT_EQ(separator->Font().Color(), clGray);
    menu->ChangeBrightness(-28);
    EXPECT_EQ(item->HotFont().Color(), RGB(227, 227, 227));
}
