#include "controls/flat/TZlEdit.h"

#include "platform/core/Currency.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Unicode.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TClipboard.h"

namespace {

bool IsDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

} // namespace

TZlEdit::TZlEdit(TComponent* AOwner) : TFlatFramed(AOwner)
{
    SetParentFont(false);
    Font().SetName("Courier New");
    Font().SetSize(11);
    SetCtl3D(false);
    SetBorderStyle(TBorderStyle::bsNone);
    controlStyle_ &= ~csFramed;
    SetBounds(0, 0, 121, 19);
    SetColor(ColorFlat());
    decimalSeparator_ = GetLocaleFormatSettings(1).DecimalSeparator;
    groupSeparator_ = decimalSeparator_ == '.' ? ',' : decimalSeparator_ == ',' ? '.' : '\0';
}

void TZlEdit::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    switch (alignment_) {
    case TAlignment::taRightJustify: params.Style |= ES_RIGHT; break;
    case TAlignment::taCenter: params.Style |= ES_CENTER; break;
    default: params.Style |= ES_LEFT; break;
    }
}

void TZlEdit::SetAlignment(TAlignment v)
{
    if (alignment_ == v)
        return;
    alignment_ = v;
    if (HandleAllocated())
        RecreateWnd();
}

void TZlEdit::Loaded()
{
    TCustomEdit::Loaded();
    FitHeightToFont();
}

int TZlEdit::FontHeight() const
{
    TTextMetric tm;
    GetFontMetrics(Font(), tm);
    return tm.tmHeight + 2 * TFlatFrame::Width;
}

void TZlEdit::FitHeightToFont()
{
    SetHeight(FontHeight());
}

bool TZlEdit::CanAutoSize(int&, int& newHeight)
{
    newHeight = FontHeight();
    return true;
}

void TZlEdit::Dispatch(TMessage& message)
{
    TCustomEdit::Dispatch(message);
    frame_.AfterDispatch(message);
    if (message.Msg == CM_FONTCHANGED && !IsLoading())
        FitHeightToFont();
}

std::string TZlEdit::CleanNumber(const std::string& text) const
{
    std::string out;
    for (char c : text) {
        if (c == '-' || c == decimalSeparator_ || (c >= '0' && c <= '9'))
            out += c;
        else if (c == '(')
            out += '-';
    }
    return out.empty() ? "0" : out;
}

std::string TZlEdit::FormatNumber(double value)
{
    // The plain form keeps values of 1e15 and more, or below 1e-5, from losing their exponent.
    double normal = 0;
    if (TextToFloat(CleanNumber(FloatToStrPlain(value)), normal))
        numericValue_ = normal;
    switch (inputType_) {
    case TInputType::itInteger: return FloatToStrPlain(value);
    case TInputType::itNumeric:
    case TInputType::itCurrency:
        if (format_.empty()) {
            if (inputType_ == TInputType::itNumeric)
                format_ = "#,##0.00;(#,##0.00)";
            else if (currencySymbol_ == TCurrencySymbol::csRupiah)
                format_ = "Rp #,##0.00;(Rp #,##0.00)";
            else
                format_ = "$ #,##0.00;($ #,##0.00)";
        }
        return FormatFloat(format_, numericValue_);
    default: return {};
    }
}

bool TZlEdit::Accepts(char32_t key) const
{
    const bool control = key == 8 || key == 13;
    switch (inputType_) {
    case TInputType::itCurrency:
    case TInputType::itNumeric:
        if (decimalSeparator_ == '.' || decimalSeparator_ == ',')
            return control || key == U'-' || key == static_cast<char32_t>(decimalSeparator_) || IsDigit(key);
        return true;
    case TInputType::itInteger: return control || key == U'-' || IsDigit(key);
    default: return true;
    }
}

void TZlEdit::KeyPress(char32_t& key)
{
    // Only a convenience: pasted or assigned text still carries quotes, so SQL text goes through
    // the quoting routine whatever this field holds.
    if (inputType_ == TInputType::itString && key == U'\'')
        key = 0;
    // Ctrl+A (#1) selects the whole text, and Ctrl+C, Ctrl+V and Ctrl+X (#3, #22, #24) copy, paste
    // and cut, in a number as in any field; a paste is checked as typing is.
    const bool editKey = key == 1 || key == 3 || key == 22 || key == 24;
    if (!editKey && !Accepts(key)) {
        // Any other control key but Backspace and Enter types nothing into a number, and a
        // read-only field takes no key to refuse.
        if (key >= 32 && key != 127 && !ReadOnly())
            RefuseKey(key);
        key = 0;
    }
    TCustomEdit::KeyPress(key);
}

void TZlEdit::PasteFromClipboard()
{
    if (IsNumberKind() && !ReadOnly() && Application && Clipboard().HasText()) {
        const std::string text = Clipboard().AsText();
        const std::string line = text.substr(0, text.find_first_of("\r\n"));
        // A figure copied as the program shows it goes in without its thousands separators.
        if (groupSeparator_ && line.find(groupSeparator_) != std::string::npos) {
            if (const auto figure = UngroupedFigure(line, decimalSeparator_, groupSeparator_)) {
                SetSelText(*figure);
                return;
            }
        }
        for (char32_t c : Utf8ToUtf32(line))
            if (!Accepts(c))
                RefuseKey(c);
    }
    TCustomEdit::PasteFromClipboard();
}

void TZlEdit::RefuseKey(char32_t key)
{
    Refuse(RefusedNumberCharacter(key, inputType_ == TInputType::itInteger ? '\0' : decimalSeparator_));
}

void TZlEdit::Refuse(const std::string& message)
{
    const double value = figureValue_;
    SetText(figureText_);
    numericValue_ = figureValue_ = value;
    SelectAll();
    throw EConvertError(message);
}

void TZlEdit::DoEnter()
{
    if (IsNumberKind() && !Text().empty())
        SetText(FloatToStrPlain(numericValue_));
    SelectAll();
    TCustomEdit::DoEnter();
}

void TZlEdit::DoExit()
{
    if (IsNumberKind() && !Text().empty())
        SetText(FormatNumber(numericValue_));
    TCustomEdit::DoExit();
}

void TZlEdit::Change()
{
    if (!IsNumberKind()) {
        figureText_ = Text();
        TCustomEdit::Change();
        return;
    }
    // Only what the user typed or pasted is checked: text and amounts set by the program are shown as they are,
    // and the currency symbol and thousands separators of such a text may stay around what is typed into it.
    const std::string text = Text();
    const char decimal = inputType_ == TInputType::itInteger ? '\0' : decimalSeparator_;
    if (Modified() && (groupSeparator_ || inputType_ == TInputType::itInteger)
        && !IsFigureTyping(CleanNumber(text), decimal))
        Refuse(RefusedNumberText(text, decimal));
    // A number half typed ("-", "1.") does not parse yet; the last value stands until it does.
    double value = 0;
    if (!text.empty() && TextToFloat(CleanNumber(text), value)) {
        if (inputType_ == TInputType::itCurrency && Modified()) {
            double cents = value;
            try {
                cents = TypedAmount(value, text).ToDouble();
            } catch (const EConvertError& error) {
                Refuse(error.Message());
            }
            // What the field shows is what a save reads: a figure typed past the cent shows rounded at once.
            if (cents != value) {
                SetText(FloatToStrPlain(cents));
                const int end = static_cast<int>(Text().size());
                SetSel(end, end);
                SetModified(true);
                numericValue_ = figureValue_ = cents;
                return;
            }
        }
        numericValue_ = value;
    }
    figureText_ = text;
    figureValue_ = numericValue_;
    TCustomEdit::Change();
}
