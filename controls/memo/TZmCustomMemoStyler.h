#pragma once
// A language description for the memo's colouring: element styles, comment and number rules,
// block keywords, completion entries and parameter-hint settings.
#include <string>

#include "controls/memo/TCharStyle.h"
#include "controls/memo/TElementStyle.h"
#include "controls/memo/THintParameter.h"
#include "platform/core/TComponent.h"
#include "platform/core/TStringList.h"

class TZmCustomMemoStyler : public TComponent {
public:
    explicit TZmCustomMemoStyler(TComponent* AOwner = nullptr);

    TElementStyles& ElementStyles() { return elementStyles_; }
    const TElementStyles& ElementStyles() const { return elementStyles_; }
    std::string LineComment;
    std::string MultiCommentLeft;
    std::string MultiCommentRight;
    TCharStyle& CommentStyle() { return commentStyle_; }
    const TCharStyle& CommentStyle() const { return commentStyle_; }
    TCharStyle& NumberStyle() { return numberStyle_; }
    const TCharStyle& NumberStyle() const { return numberStyle_; }
    TStringList& AutoCompletionList() { return autoCompletionList_; }
    THintParameter& HintParameter() { return hintParameter_; }
    const THintParameter& HintParameter() const { return hintParameter_; }
    std::string NumberChars = "+-.0123456789";
    std::string HexIdentifier;
    std::string BlockEnd;
    std::string BlockStart;
    // Its first character makes the next one part of the current token.
    std::string EscapeChar;
    bool CustomDraw = false;

    // 1 sets the comment style, 2 the number style; other indexes change nothing.
    virtual void SetCharStyle(int index, const TCharStyle& style);
    // The hook of CustomDraw: a style number for the token, 0 when none applies.
    virtual int CustomizeToken(const std::string& line, const std::string& token);

    // Keyword lists as the memo looks them up: upper-cased unless case matters, sorted.
    void PrepareKeywords(bool caseSensitive);
    char32_t Escape() const;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TElementStyles elementStyles_{this};
    TCharStyle commentStyle_{clSilver, clWhite, fsItalic};
    TCharStyle numberStyle_{clNavy, clWhite, fsBold};
    TStringList autoCompletionList_;
    THintParameter hintParameter_;
};
