#pragma once
// The flat single-line entry field of every window, and the program's money entry: the number
// kinds refuse with an error a key or a paste that leaves no figure on screen, keep the figure shown
// in NumericValue, show the plain number while focused and the amount in its Format once left.
// The currency kind rounds a typed amount to the cent as it is typed and refuses one beyond MaxAmount.
#include <string>

#include "controls/flat/TFlatFrame.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/core/Alignment.h"

enum class TInputType { itString, itInteger, itNumeric, itCurrency };
enum class TCurrencySymbol { csRupiah, csDollar };

class TZlEdit : public TFlatFramed<TCustomEdit, TZlEdit> {
public:
    explicit TZlEdit(TComponent* AOwner = nullptr);

    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v);
    TInputType InputType() const { return inputType_; }
    void SetInputType(TInputType v) { inputType_ = v; }
    TCurrencySymbol CurrencySymbol() const { return currencySymbol_; }
    void SetCurrencySymbol(TCurrencySymbol v) { currencySymbol_ = v; }
    // Empty means the default format of the kind, stored here when the field is first left.
    const std::string& Format() const { return format_; }
    void SetFormat(const std::string& v) { format_ = v; }
    // Writing it leaves the text alone.
    double NumericValue() const { return numericValue_; }
    void SetNumericValue(double v) { numericValue_ = v; }


    // Height for the font: the text height and the frame.
    void FitHeightToFont();
    // A number takes a pasted text only when it could have been typed, or when it is a whole figure
    // with its thousands grouped as the program shows it, which goes in without the separators.
    void PasteFromClipboard() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Loaded() override;
    void Dispatch(TMessage& message) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void Change() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;

private:
    // Refuse with the message that a number cannot take the character.
    [[noreturn]] void RefuseKey(char32_t key);
    // The field goes back to the last figure it showed, selected so that typing on replaces it
    // (a typed "1,5" must not become 15), and EConvertError carries the message.
    [[noreturn]] void Refuse(const std::string& message);
    // Whether this field's kind takes the character typed (Backspace and Enter included).
    bool Accepts(char32_t key) const;
    // Text to a number string: only digits, "-" and the decimal separator; "(" reads as "-".
    std::string CleanNumber(const std::string& text) const;
    // The display text of a value in this field's kind and format; normalises NumericValue.
    std::string FormatNumber(double value);
    bool IsNumberKind() const { return inputType_ != TInputType::itString; }
    int FontHeight() const;

    TAlignment alignment_ = TAlignment::taLeftJustify;
    TInputType inputType_ = TInputType::itString;
    TCurrencySymbol currencySymbol_ = TCurrencySymbol::csRupiah;
    std::string format_;
    double numericValue_ = 0;
    // The last text the field showed, for a number kind a figure or the start of one, and its value.
    std::string figureText_;
    double figureValue_ = 0;
    char decimalSeparator_ = '.';
    // The other one of "," and "."; none when the decimal separator is neither.
    char groupSeparator_ = ',';
};
