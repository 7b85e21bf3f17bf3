#pragma once
// What the line store and the settings objects need of the control that owns them, so that they
// work, and are tested, with no window.
#include "controls/memo/MemoTypes.h"
#include "platform/graphics/TColor.h"
#include "platform/graphics/TRect.h"

class TStrings;

class IMemoHost {
public:
    virtual ~IMemoHost() = default;

    virtual bool HostLoading() const = 0;
    virtual TColor BkColor() const = 0;
    virtual int TabSize() const = 0;
    virtual bool TrimTrailingSpaces() const = 0;
    virtual TWordWrap WordWrap() const = 0;
    // The wrap width in characters for the current mode; 0 or less wraps nothing.
    virtual int WrapWidth() const = 0;

    virtual int CurX() const = 0;
    virtual int CurY() const = 0;
    // Clears the selection and puts the caret back at (x, y): the line clamped, the text untouched.
    virtual void RestoreCaret(int x, int y) = 0;
    virtual void ClearSelection() = 0;
    // Deletes the caret line as the editing command does (one undo entry).
    virtual void DeleteLine() = 0;
    virtual void ClearUndo() = 0;
    virtual void SetActiveLine(int line) = 0;

    // The change notification: OnChange, extents, scroll bars, repaint.
    virtual void LinesChanged() = 0;
    // After the whole text was replaced: selection event, extents, scroll bars, wrap.
    virtual void LinesReplaced() = 0;
    virtual void SetMaxLineLength(int length) = 0;
    virtual void UpdateScrollBars() = 0;
    // Lines from 'line' on changed: cached colour states there and below are stale.
    virtual void DiscardLexicalStates(int line) = 0;

    virtual void SetPainting(bool on) = 0;
    virtual void InvalidateAll() = 0;
    virtual void InvalidateArea(const TRect& rect) = 0;
    // The gutter's width changed: lay the text area out again.
    virtual void Reformat() = 0;
};
