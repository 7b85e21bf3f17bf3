#pragma once
// How parameter hints look and how a routine's signature is split into parameters.
#include <string>

#include "platform/core/TPersistent.h"
#include "platform/core/TStringList.h"
#include "platform/graphics/TColor.h"

class THintParameter : public TPersistent {
public:
    TColor TextColor() const { return textColor_; }
    void SetTextColor(TColor v) { textColor_ = v; }
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor v) { bkColor_ = v; }
    const std::string& HintCharStart() const { return charStart_; }
    void SetHintCharStart(const std::string& v) { charStart_ = v; }
    const std::string& HintCharEnd() const { return charEnd_; }
    void SetHintCharEnd(const std::string& v) { charEnd_ = v; }
    const std::string& HintCharDelimiter() const { return charDelimiter_; }
    void SetHintCharDelimiter(const std::string& v) { charDelimiter_ = v; }
    const std::string& HintCharWriteDelimiter() const { return charWriteDelimiter_; }
    void SetHintCharWriteDelimiter(const std::string& v) { charWriteDelimiter_ = v; }
    // The signatures.
    TStringList& Parameters() { return parameters_; }
    const TStringList& Parameters() const { return parameters_; }

    void Assign(const TPersistent& source) override;

private:
    TColor textColor_ = clBlack;
    TColor bkColor_ = clInfoBk;
    std::string charStart_ = "(";
    std::string charEnd_ = ")";
    std::string charDelimiter_ = ";";
    std::string charWriteDelimiter_ = ",";
    TStringList parameters_;
};
