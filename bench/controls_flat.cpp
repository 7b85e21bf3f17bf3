#include <benchmark/benchmark.h>

#include <string>

#include "controls/flat/TZlComboBox.h"
#include "controls/flat/TZlEdit.h"
#include "controls/flat/TZlLabel.h"
#include "controls/flat/TZlMemo.h"
#include "controls/flat/TZlRadio.h"
#include "controls/flat/TZlSpeedButton.h"
#include "platform/controls/TCustomComboBox.h"
#include "platform/controls/TCustomEdit.h"
#include "platform/controls/TCustomLabel.h"
#include "platform/controls/TCustomMemo.h"
#include "platform/controls/TSpeedButton.h"
#include "platform/ui/TCustomForm.h"
#include "platform/ui/THeadlessSession.h"

namespace {

// A data-entry window's worth of controls: 40 captioned fields, 10 command buttons with glyphs,
// 4 radio buttons, 2 combo boxes and a memo, on a 1024 x 768 form.
template <class Label, class Edit, class Button, class Radio, class Combo, class Memo>
TForm* BuildEntryForm(THeadlessSession& session)
{
    TForm* form = session.CreateForm<TForm>();
    form->SetBounds(0, 0, 1024, 768);
    const auto place = [form](auto* control, int x, int y, int w, int h) {
        control->SetParent(form);
        control->SetBounds(x, y, w, h);
        return control;
    };
    for (int i = 0; i < 40; ++i) {
        const int x = 10 + (i % 2) * 500, y = 10 + (i / 2) * 26;
        place(CreateOwned<Label>(*form), x, y + 2, 150, 19)->SetCaption("Field " + std::to_string(i));
        place(CreateOwned<Edit>(*form), x + 160, y, 300, 21)->SetText("Amount " + std::to_string(i * 1000));
    }
    TBitmap glyph(16, 16);
    glyph.Fill(0xFFC0C0C0);
    glyph.Canvas().Brush().SetColor(clNavy);
    glyph.Canvas().FillRect(TRect{3, 3, 13, 13});
    for (int i = 0; i < 10; ++i) {
        auto* button = place(CreateOwned<Button>(*form), 10 + i * 100, 540, 95, 25);
        button->SetCaption("Button " + std::to_string(i));
        if constexpr (requires { button->SetGlyph(glyph); })
            button->SetGlyph(glyph);
        else
            button->Glyph().Assign(glyph);
    }
    for (int i = 0; i < 4; ++i)
        place(CreateOwned<Radio>(*form), 10 + i * 120, 575, 110, 20)->SetCaption("Choice " + std::to_string(i));
    for (int i = 0; i < 2; ++i) {
        auto* combo = place(CreateOwned<Combo>(*form), 10 + i * 250, 605, 240, 21);
        for (const char* month : {"Januari", "Februari", "Maret"})
            combo->Items().Add(month);
        combo->SetItemIndex(0);
    }
    auto* memo = place(CreateOwned<Memo>(*form), 510, 605, 500, 140);
    for (int i = 0; i < 8; ++i)
        memo->Lines().Add("Remark line " + std::to_string(i));
    form->Show();
    session.ProcessUntilIdle();
    return form;
}

void RepaintWhole(benchmark::State& state, TForm& form)
{
    for (auto _ : state) {
        form.InvalidateTree();
        Application->DispatchPaints();
    }
}

// The standard layout has no radio button; a grouped speed button stands in for it.
class TStandardRadio : public TSpeedButton {
public:
    explicit TStandardRadio(TComponent* owner) : TSpeedButton(owner) { SetGroupIndex(1); }
};

void BM_FlatEntryFormRepaint(benchmark::State& state)
{
    THeadlessSession session;
    TForm* form = BuildEntryForm<TZlLabel, TZlEdit, TZlSpeedButton, TZlRadio, TZlComboBox, TZlMemo>(session);
    RepaintWhole(state, *form);
}
BENCHMARK(BM_FlatEntryFormRepaint)->Unit(benchmark::kMillisecond)->MinTime(0.5);

void BM_StandardEntryFormRepaint(benchmark::State& state)
{
    THeadlessSession session;
    TForm* form = BuildEntryForm<TLabel, TEdit, TSpeedButton, TStandardRadio, TComboBox, TMemo>(session);
    RepaintWhole(state, *form);
}
BENCHMARK(BM_StandardEntryFormRepaint)->Unit(benchmark::kMillisecond)->MinTime(0.5);

} // namespace
