#pragma once
// What one editing command did, so the memo can take it back and do it again. Positions are text
// offsets (a hard break two characters, a soft break none), so a re-wrap between the edit and its
// undo changes nothing; texts hold a hard break as CR LF.
#include <string>

class TZmCustomMemo;

class TUndo {
public:
    // The caret before and after the action, and the characters involved.
    TUndo(int start, int end, std::u32string text) : Start(start), End(end), Text(std::move(text)) {}
    virtual ~TUndo() = default;

    // Merges a later record into this one; false when they stay apart.
    virtual bool Append(const TUndo& other);
    virtual void Undo() {}
    virtual void Redo() {}

    TZmCustomMemo* Memo = nullptr;
    int Start;
    int End;
    std::u32string Text;
};

// Typed text: 'Text' went in at At (the caret's start unless given) in place of 'Replaced' (what
// overwrite mode typed over, or the spaces and the rest of the line that Enter moved down).
class TInsertCharUndo : public TUndo {
public:
    TInsertCharUndo(int start, int end, std::u32string text, std::u32string replaced = {}, int at = -1)
        : TUndo(start, end, std::move(text)), Replaced(std::move(replaced)), At(at < 0 ? start : at)
    {
    }
    bool Append(const TUndo& other) override;
    void Undo() override;
    void Redo() override;

    std::u32string Replaced;
    int At;
};

// Deleted characters, in document order; they stood at End.
class TDeleteCharUndo : public TUndo {
public:
    TDeleteCharUndo(int start, int end, std::u32string text, bool backspace)
        : TUndo(start, end, std::move(text)), Backspace(backspace)
    {
    }
    bool Append(const TUndo& other) override;
    void Undo() override;
    void Redo() override;

    bool Backspace;
};

// A deleted line: 'Text' stood at At, with the break that went with it.
class TDeleteLineUndo : public TUndo {
public:
    TDeleteLineUndo(int start, int end, std::u32string text, int at) : TUndo(start, end, std::move(text)), At(at) {}
    void Undo() override;
    void Redo() override;

    int At;
};

// A record that also keeps the selection the command worked on (anchor at SelStart).
class TSelUndo : public TUndo {
public:
    TSelUndo(int start, int end, std::u32string text, int selStart, int selEnd)
        : TUndo(start, end, std::move(text)), SelStart(selStart), SelEnd(selEnd)
    {
    }

    int SelStart;
    int SelEnd;
};

// A deleted selection; its text stood at the selection's lower end.
class TDeleteBufUndo : public TSelUndo {
public:
    using TSelUndo::TSelUndo;
    void Undo() override;
    void Redo() override;
};

// Inserted text: Start and End bound the inserted block.
class TPasteUndo : public TUndo {
public:
    using TUndo::TUndo;
    void Undo() override;
    void Redo() override;
};
