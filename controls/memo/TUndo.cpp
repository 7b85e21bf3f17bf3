#include "controls/memo/TUndo.h"

#include "controls/memo/TZmCustomMemo.h"

namespace {

int TextLength(const std::u32string& text)
{
    return static_cast<int>(text.size());
}

} // namespace

bool TUndo::Append(const TUndo&)
{
    return false;
}

bool TInsertCharUndo::Append(const TUndo& other)
{
    auto* next = dynamic_cast<const TInsertCharUndo*>(&other);
    // Only typing that goes on where the caret was left after this record's text.
    if (!next || next->Start != End || next->At != End || End != At + TextLength(Text))
        return false;
    Text += next->Text;
    Replaced += next->Replaced;
    End = next->End;
    return true;
}

void TInsertCharUndo::Undo()
{
    Memo->ReplaceText(At, TextLength(Text), Replaced);
}

void TInsertCharUndo::Redo()
{
    Memo->ReplaceText(At, TextLength(Replaced), Text);
}

bool TDeleteCharUndo::Append(const TUndo& other)
{
    auto* next = dynamic_cast<const TDeleteCharUndo*>(&other);
    if (!next || next->Backspace != Backspace || next->Start != End)
        return false;
    Text = Backspace ? next->Text + Text : Text + next->Text;
    End = next->End;
    return true;
}

void TDeleteCharUndo::Undo()
{
    Memo->ReplaceText(End, 0, Text);
}

void TDeleteCharUndo::Redo()
{
    Memo->ReplaceText(End, TextLength(Text), U"");
}

void TDeleteLineUndo::Undo()
{
    Memo->ReplaceText(At, 0, Text);
}

void TDeleteLineUndo::Redo()
{
    Memo->ReplaceText(At, TextLength(Text), U"");
}

void TDeleteBufUndo::Undo()
{
    Memo->ReplaceText(std::min(SelStart, SelEnd), 0, Text);
    Memo->CaretToOffset(SelStart);
    Memo->CaretToOffset(SelEnd, true);
}

void TDeleteBufUndo::Redo()
{
    Memo->ReplaceText(std::min(SelStart, SelEnd), TextLength(Text), U"");
}

void TPasteUndo::Undo()
{
    Memo->ReplaceText(Start, End - Start, U"");
}

void TPasteUndo::Redo()
{
    Memo->ReplaceText(Start, 0, Text);
}
