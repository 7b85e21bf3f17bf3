#include "controls/grid/TZgCalculator.h"

#include <cctype>
#include <cmath>
#include <string_view>

#include "platform/controls/ITextDisplay.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TSpeedButton.h"
#include "platform/core/Beep.h"
#include "platform/core/FloatText.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/ResourceStrings.h"
#include "platform/core/StrUtils.h"
#include "platform/graphics/EmbeddedImages.h"
#include "platform/graphics/TBitmap.h"

namespace {
constexpr int CalcWidth = 173;
constexpr int CalcHeight = 116;
constexpr int MaxDigits = 8;
} // namespace

TZgCalculator::TZgCalculator(TComponent* AOwner) : TCustomPanel(AOwner)
{
    controlStyle_ = (controlStyle_ & ~(csAcceptsControls | csSetCaption | csDoubleClicks)) | csReplicatable;
    TCustomPanel::SetBounds(Left(), Top(), CalcWidth, CalcHeight);
    OnCanResize = [](TComponent*, int&, int&, bool& resize) { resize = false; };
    SetBevelInner(TBevelCut::bvLowered);
    Font().SetColor(clBlack);
    Font().SetHeight(-11);
    Font().SetName("MS Sans Serif");
    Font().SetStyle(fsBold);
    SetShowHint(true);
    BuildControls();
    Clear();
}

void TZgCalculator::BuildControls()
{
    memoryLabel_ = CreateOwned<TLabel>(*this);
    memoryLabel_->SetAutoSize(false);
    memoryLabel_->SetParent(this);
    memoryLabel_->SetBounds(9, 7, 20, 21);

    AddButton(30, 2, "<=", -13, clMaroon, "Delete the digit", [this] { CalcKey('\b'); });
    AddButton(58, 2, "C", -16, clMaroon, "Clear", [this] { CalcKey('C'); });

    digitsLabel_ = CreateOwned<TLabel>(*this);
    digitsLabel_->SetAutoSize(false);
    digitsLabel_->SetParent(this);
    digitsLabel_->SetBounds(87, 7, 14, 22);
    digitsLabel_->SetCaption(std::to_string(digits_));
    digitsLabel_->SetHint(LoadResString(65051));

    struct GlyphButton {
        int left, top, width, height;
        const char* glyph;
        int hint;
        void (TZgCalculator::*action)();
    };
    for (const GlyphButton& g : {GlyphButton{98, 2, 15, 12, "CALCUPBTN", 65052, &TZgCalculator::DigitsUp},
                                 GlyphButton{98, 12, 15, 12, "CALCDOWNBTN", 65053, &TZgCalculator::DigitsDown},
                                 GlyphButton{114, 2, 28, 22, "CALCOKBTN", 65049, &TZgCalculator::Ok},
                                 GlyphButton{142, 2, 28, 22, "CALCCANCELBTN", 65050, &TZgCalculator::Cancel}}) {
        TSpeedButton* button = AddButton(g.left, g.top, {}, -11, clBlack, LoadResString(g.hint),
                                         [this, action = g.action] { (this->*action)(); });
        button->SetBounds(g.left, g.top, g.width, g.height);
        button->Glyph().Assign(*LoadEmbeddedBitmap(g.glyph));
    }

    AddButton(2, 24, "MC", -11, clNavy, "Clear memory", [this] { MemoryClear(); });
    AddButton(2, 46, "MR", -11, clNavy, "Read memory", [this] { MemoryRead(); });
    AddButton(2, 68, "MS", -11, clNavy, "Write to memory", [this] { MemoryStore(); });
    AddButton(2, 90, "M+", -11, clNavy, "Add in memory", [this] { MemoryAdd(); });

    for (int digit = 0; digit <= 9; ++digit) {
        const int row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
        const int column = digit == 0 ? 0 : (digit - 1) % 3;
        TSpeedButton* button = AddButton(30 + 28 * column, 24 + 22 * row, std::to_string(digit), -16, clBlack, {},
                                         nullptr);
        button->SetTag(digit);
        button->OnClick = [this](TComponent* sender) { CalcKey(static_cast<char>('0' + sender->Tag())); };
    }
    AddButton(58, 90, "+/-", -16, clBlack, {}, [this] { CalcKey('_'); });
    // The caption stays ","; the key sent is the separator of the moment.
    AddButton(86, 90, ",", -19, clBlack, {}, [this] { CalcKey(FormatSettings().DecimalSeparator); });
    AddButton(114, 24, "/", -16, clBlack, {}, [this] { CalcKey('/'); });
    AddButton(114, 46, "*", -19, clBlack, {}, [this] { CalcKey('*'); });
    AddButton(114, 68, "-", -19, clBlack, {}, [this] { CalcKey('-'); });
    AddButton(114, 90, "+", -19, clBlack, {}, [this] { CalcKey('+'); });
    AddButton(142, 24, "sqrt", -13, clBlack, {}, [this] { SquareRoot(); });
    AddButton(142, 46, "%", -16, clBlack, {}, [this] { CalcKey('%'); });
    AddButton(142, 68, "1/x", -16, clBlack, {}, [this] { Reciprocal(); });
    AddButton(142, 90, "=", -19, clRed, {}, [this] { CalcKey('='); });
}

TSpeedButton* TZgCalculator::AddButton(int left, int top, const std::string& caption, int fontHeight, TColor color,
                                       const std::string& hint, std::function<void()> action)
{
    auto* button = CreateOwned<TSpeedButton>(*this);
    button->SetParent(this);
    button->SetBounds(left, top, 28, 22);
    button->SetCaption(caption);
    button->Font().Assign(Font());
    button->Font().SetHeight(fontHeight);
    button->Font().SetColor(color);
    button->SetHint(hint);
    if (action)
        button->OnClick = [action = std::move(action)](TComponent*) { action(); };
    return button;
}

void TZgCalculator::SetBounds(int left, int top, int, int)
{
    TCustomPanel::SetBounds(left, top, CalcWidth, CalcHeight);
}

void TZgCalculator::CreateParams(TCreateParams& params)
{
    TCustomPanel::CreateParams(params);
    params.Style |= WS_BORDER;
    if (!Parent()) {
        params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
        params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    }
}

void TZgCalculator::CreateWnd()
{
    // A drop-down is a pop-up window of its own, whatever control it was placed on.
    if (Parent())
        SetParent(nullptr);
    TCustomPanel::CreateWnd();
}

void TZgCalculator::DefaultHandler(TMessage& message)
{
    // The editor that opened the calculator keeps the focus while it is clicked.
    if (message.Msg == WM_MOUSEACTIVATE && !Parent()) {
        message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomPanel::DefaultHandler(message);
}

ITextDisplay* TZgCalculator::TextDisplay() const
{
    return dynamic_cast<ITextDisplay*>(Owner());
}

std::string TZgCalculator::DisplayText() const
{
    const ITextDisplay* display = TextDisplay();
    return display ? display->DisplayText() : std::string();
}

void TZgCalculator::SetDisplayText(const std::string& text)
{
    if (ITextDisplay* display = TextDisplay())
        display->SetDisplayText(text);
}

double TZgCalculator::Display() const
{
    double value = 0;
    if (status_ == TCalcStatus::Error || !TextToFloat(DisplayText(), value))
        return 0;
    return value;
}

void TZgCalculator::SetDisplay(double value)
{
    SetDisplayText(Trim(FormatFloat("0." + std::string(digits_, '#'), value)));
}

void TZgCalculator::CheckFirst()
{
    if (status_ != TCalcStatus::First)
        return;
    status_ = TCalcStatus::Valid;
    SetDisplay(0);
}

void TZgCalculator::Error()
{
    status_ = TCalcStatus::Error;
    MessageBeep(0);
}

void TZgCalculator::Clear()
{
    status_ = TCalcStatus::First;
    SetDisplay(0);
    operator_ = '=';
}

void TZgCalculator::CalcKey(char key)
{
    key = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    if (status_ == TCalcStatus::Error && key != 'C')
        return;
    if (key == FormatSettings().DecimalSeparator) {
        CheckFirst();
        const std::string text = DisplayText();
        if (text.find(key) == std::string::npos)
            SetDisplayText(text + key);
    } else if (key >= '0' && key <= '9') {
        CheckFirst();
        std::string text = DisplayText();
        const ITextDisplay* display = TextDisplay();
        if ((display && display->AllTextSelected()) || text == "0")
            text.clear();
        if (text.find('E') == std::string::npos)
            SetDisplayText(text + key);
    } else if (key == '\b') {
        CheckFirst();
        std::string text = DisplayText();
        if (text.size() == 1 || (text.size() == 2 && text[0] == '-'))
            text = "0";
        else if (!text.empty())
            text.pop_back();
        SetDisplayText(text);
    } else if (key == '_') {
        SetDisplay(-Display());
    } else if (key == 'C') {
        Clear();
    } else if (std::string_view("+-*/%=\r").find(key) != std::string_view::npos) {
        if (status_ == TCalcStatus::Valid) {
            status_ = TCalcStatus::First;
            double r = Display();
            if (key == '%') {
                if (operator_ == '+' || operator_ == '-')
                    r = operand_ * r / 100;
                else if (operator_ == '*' || operator_ == '/')
                    r = r / 100;
            }
            switch (operator_) {
            case '+': SetDisplay(operand_ + r); break;
            case '-': SetDisplay(operand_ - r); break;
            case '*': SetDisplay(operand_ * r); break;
            case '/':
                if (r == 0)
                    Error();
                else
                    SetDisplay(operand_ / r);
                break;
            default: break;
            }
        }
        operator_ = key;
        operand_ = Display();
    }
}

void TZgCalculator::SquareRoot()
{
    status_ = TCalcStatus::First;
    const double value = Display();
    if (value >= 0)
        SetDisplay(std::sqrt(value));
    else
        Error();
}

void TZgCalculator::Reciprocal()
{
    status_ = TCalcStatus::First;
    const double value = Display();
    if (value == 0)
        Error();
    else
        SetDisplay(1 / value);
}

void TZgCalculator::ShowMemory()
{
    memoryLabel_->SetCaption(memory_ != 0 ? "M" : "");
}

void TZgCalculator::MemoryClear()
{
    memory_ = 0;
    ShowMemory();
}

void TZgCalculator::MemoryRead()
{
    if (status_ == TCalcStatus::Error)
        return;
    status_ = TCalcStatus::First;
    CheckFirst();
    SetDisplay(memory_);
}

void TZgCalculator::MemoryStore()
{
    if (status_ == TCalcStatus::Error)
        return;
    status_ = TCalcStatus::First;
    memory_ = Display();
    ShowMemory();
}

void TZgCalculator::MemoryAdd()
{
    if (status_ == TCalcStatus::Error)
        return;
    status_ = TCalcStatus::First;
    memory_ += Display();
    ShowMemory();
}

void TZgCalculator::DigitsUp()
{
    if (digits_ < MaxDigits)
        digitsLabel_->SetCaption(std::to_string(++digits_));
}

void TZgCalculator::DigitsDown()
{
    if (digits_ > 0)
        digitsLabel_->SetCaption(std::to_string(--digits_));
}

void TZgCalculator::Ok()
{
    StrToFloat(Trim(DisplayText()));
    if (OnExitClick)
        OnExitClick(this, true);
}

void TZgCalculator::Cancel()
{
    SetDisplay(savedValue_);
    if (OnExitClick)
        OnExitClick(this, false);
}

void TZgCalculator::KeyDown(uint16_t& keyRef, TShiftState)
{
    const uint16_t key = keyRef;
    keyRef = 0;
    const char separator = FormatSettings().DecimalSeparator;
    if (key >= '0' && key <= '9')
        CalcKey(static_cast<char>(key));
    else if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9)
        CalcKey(static_cast<char>(key - VK_NUMPAD0 + '0'));
    else if (key == VK_ADD)
        CalcKey('+');
    else if (key == VK_SUBTRACT)
        CalcKey('-');
    else if (key == VK_MULTIPLY)
        CalcKey('*');
    else if (key == VK_DIVIDE)
        CalcKey('/');
    else if (key == VK_DECIMAL || key == VK_OEM_COMMA || key == VK_OEM_PERIOD)
        CalcKey(separator);
    else if (key == VK_OEM_PLUS)
        CalcKey('=');
    else if (key == VK_C)
        CalcKey('C');
    else if (key == VK_BACK)
        CalcKey('\b');
    else if (key == VK_RETURN)
        Ok();
    else if (key == VK_ESCAPE)
        Cancel();
    else
        Error();
}
