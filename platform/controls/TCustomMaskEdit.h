#pragma once
// The masked-edit base of the grid's in-place editor. The program sets no masks, so an EditMask
// is stored and otherwise ignored: the editor behaves as a plain edit.
#include <string>

#include "platform/controls/TCustomEdit.h"

class TCustomMaskEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;

    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(const std::string& v) { editMask_ = v; }
    // The text as the user sees it; without masks the same as Text.
    const std::string& EditText() const { return Text(); }
    void SetEditText(const std::string& v) { SetText(v); }

private:
    std::string editMask_;
};
