#pragma once
// The calculator drop-down of the grid's calculator cells: a fixed pop-up panel of buttons with
// no display of its own. It computes in its owner's text (the owner's ITextDisplay), strictly
// left to right, and hands the result back through OnExitClick.
#include <functional>
#include <string>

#include "platform/controls/TCustomPanel.h"

class ITextDisplay;
class TLabel;
class TSpeedButton;

using TCalcExitEvent = std::function<void(TComponent* Sender, bool Selected)>;

// First: the next digit starts a new number; Error: keys are ignored until Clear, square root
// or reciprocal.
enum class TCalcStatus { First, Valid, Error };

class TZgCalculator : public TCustomPanel {
public:
    explicit TZgCalculator(TComponent* AOwner);

    // Only the position changes: the calculator is always 173 x 116.
    void SetBounds(int left, int top, int width, int height) override;

    // The display as a number: 0 in Error status or when its text is not a number.
    double Display() const;
    // At most Digits() decimals, trailing zeros dropped.
    void SetDisplay(double value);
    // The value Cancel puts back.
    void SetSavedValue(double value) { savedValue_ = value; }

    // Digits, the decimal separator, #8, "_" (sign), "C", the operators, "%", "=" and #13.
    void CalcKey(char key);
    void Clear();
    void SquareRoot();
    void Reciprocal();
    void MemoryClear();
    void MemoryRead();
    void MemoryStore();
    void MemoryAdd();
    void DigitsUp();
    void DigitsDown();
    // Raises EConvertError, and closes nothing, when the display is not a number.
    void Ok();
    void Cancel();

    TCalcStatus Status() const { return status_; }
    double Memory() const { return memory_; }
    int Digits() const { return digits_; }
    const TLabel& MemoryLabel() const { return *memoryLabel_; }

    TCalcExitEvent OnExitClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DefaultHandler(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;

private:
    void BuildControls();
    TSpeedButton* AddButton(int left, int top, const std::string& caption, int fontHeight, TColor color,
                            const std::string& hint, std::function<void()> action);
    ITextDisplay* TextDisplay() const;
    std::string DisplayText() const;
    void SetDisplayText(const std::string& text);
    // In First status: a new number starts at "0".
    void CheckFirst();
    void Error();
    void ShowMemory();

    TLabel* memoryLabel_ = nullptr;
    TLabel* digitsLabel_ = nullptr;
    TCalcStatus status_ = TCalcStatus::First;
    char operator_ = '=';
    double operand_ = 0;
    double memory_ = 0;
    double savedValue_ = 0;
    int digits_ = 2;
};
