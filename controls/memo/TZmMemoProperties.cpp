#include "controls/memo/TZmMemo.h"

#include "controls/memo/TPrintOptions.h"
#include "controls/memo/TZmCustomMemoStyler.h"
#include "controls/memo/TZmMemoChecker.h"
#include "controls/memo/TZmMemoSource.h"
#include "platform/core/ClassRegistry.h"

namespace {

// Colours read and write as names ("clBlue") or "$" and hex digits.
template <class T, class G, class S> void AddColor(TPropertyTable& table, const std::string& name, G get, S set)
{
    table.AddString<T>(
        name, [get](const T& o) { return ColorToString(std::invoke(get, o)); },
        [set](T& o, const std::string& v) { std::invoke(set, o, StringToColor(v)); });
}

const std::vector<std::string> FontStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

void RegisterSettings()
{
    TPropertyTable& g = RegisterClass<TZmGutter>("TZmGutter").OwnProperties();
    g.AddInteger<TZmGutter>("DigitCount", &TZmGutter::DigitCount, &TZmGutter::SetDigitCount);
    g.AddInteger<TZmGutter>("GutterWidth", &TZmGutter::GutterWidth, &TZmGutter::SetGutterWidth);
    g.AddInteger<TZmGutter>("GutterMargin", &TZmGutter::GutterMargin, &TZmGutter::SetGutterMargin);
    AddColor<TZmGutter>(g, "GutterColor", &TZmGutter::GutterColor, &TZmGutter::SetGutterColor);
    AddColor<TZmGutter>(g, "GutterColorTo", &TZmGutter::GutterColorTo, &TZmGutter::SetGutterColorTo);
    g.AddInteger<TZmGutter>("LineNumberStart", &TZmGutter::LineNumberStart, &TZmGutter::SetLineNumberStart);
    AddColor<TZmGutter>(g, "LineNumberTextColor", &TZmGutter::LineNumberTextColor,
                        &TZmGutter::SetLineNumberTextColor);
    g.AddString<TZmGutter>("NumberSuffix", &TZmGutter::NumberSuffix, &TZmGutter::SetNumberSuffix);
    g.AddBoolean<TZmGutter>("ShowLineNumbers", &TZmGutter::ShowLineNumbers, &TZmGutter::SetShowLineNumbers);
    g.AddBoolean<TZmGutter>("Visible", &TZmGutter::Visible, &TZmGutter::SetVisible);
    g.AddBoolean<TZmGutter>("ShowLeadingZeros", &TZmGutter::ShowLeadingZeros, &TZmGutter::SetShowLeadingZeros);

    using A = TZmActiveLineSettings;
    TPropertyTable& a = RegisterClass<A>("TZmActiveLineSettings").OwnProperties();
    a.AddBoolean<A>("ShowActiveLine", &A::ShowActiveLine, &A::SetShowActiveLine);
    a.AddBoolean<A>("ShowActiveLineIndicator", &A::ShowActiveLineIndicator, &A::SetShowActiveLineIndicator);
    AddColor<A>(a, "ActiveLineColor", &A::ActiveLineColor, &A::SetActiveLineColor);
    a.AddBoolean<A>("ActiveLineAtCursor", &A::ActiveLineAtCursor, &A::SetActiveLineAtCursor);
    AddColor<A>(a, "ActiveLineTextColor", &A::ActiveLineTextColor, &A::SetActiveLineTextColor);

    using P = TPrintOptions;
    TPropertyTable& p = RegisterClass<P>("TPrintOptions").OwnProperties();
    p.AddString<P>("JobName", [](const P& o) { return o.JobName; }, [](P& o, const std::string& v) { o.JobName = v; });
    p.AddString<P>("Title", [](const P& o) { return o.Title; }, [](P& o, const std::string& v) { o.Title = v; });
    p.AddInteger<P>("MarginLeft", [](const P& o) { return o.MarginLeft; }, [](P& o, int v) { o.MarginLeft = v; });
    p.AddInteger<P>("MarginRight", [](const P& o) { return o.MarginRight; }, [](P& o, int v) { o.MarginRight = v; });
    p.AddInteger<P>("MarginTop", [](const P& o) { return o.MarginTop; }, [](P& o, int v) { o.MarginTop = v; });
    p.AddInteger<P>("MarginBottom", [](const P& o) { return o.MarginBottom; },
                    [](P& o, int v) { o.MarginBottom = v; });
    p.AddBoolean<P>("PageNr", [](const P& o) { return o.PageNr; }, [](P& o, bool v) { o.PageNr = v; });
    p.AddString<P>("PagePrefix", [](const P& o) { return o.PagePrefix; },
                   [](P& o, const std::string& v) { o.PagePrefix = v; });
    p.AddBoolean<P>("PrintLineNumbers", [](const P& o) { return o.PrintLineNumbers; },
                    [](P& o, bool v) { o.PrintLineNumbers = v; });

    using S = TZmMemoSource;
    TPropertyTable& s = RegisterClass<S>("TZmMemoSource").OwnProperties();
    s.AddComponent<S>("SyntaxStyler", &S::SyntaxStyler, &S::SetSyntaxStyler);
    s.AddStrings<S>("Lines", [](const S& o) -> TStrings* { return &const_cast<S&>(o).Lines(); });
    s.AddBoolean<S>("ReadOnly", &S::ReadOnly, &S::SetReadOnly);
    RegisterClass<TZmMemoChecker>("TZmMemoChecker");

    using AC = TAutoCompletion;
    TPropertyTable& ac = RegisterClass<AC>("TAutoCompletion").OwnProperties();
    ac.AddBoolean<AC>("Active", &AC::Active, &AC::SetActive);
    ac.AddBoolean<AC>("AutoDisplay", &AC::AutoDisplay, &AC::SetAutoDisplay);
    AddColor<AC>(ac, "Color", &AC::Color, &AC::SetColor);
    AddColor<AC>(ac, "ColorVar", &AC::ColorVar, &AC::SetColorVar);
    AddColor<AC>(ac, "ColorProp", &AC::ColorProp, &AC::SetColorProp);
    AddColor<AC>(ac, "ColorMethod", &AC::ColorMethod, &AC::SetColorMethod);
    AddColor<AC>(ac, "ColorFunc", &AC::ColorFunc, &AC::SetColorFunc);
    AddColor<AC>(ac, "ColorProc", &AC::ColorProc, &AC::SetColorProc);
    AddColor<AC>(ac, "ColorEvent", &AC::ColorEvent, &AC::SetColorEvent);
    AddColor<AC>(ac, "ColorIdentifier", &AC::ColorIdentifier, &AC::SetColorIdentifier);
    ac.AddInteger<AC>("Delay", &AC::Delay, &AC::SetDelay);
    ac.AddInteger<AC>("Height", &AC::Height, &AC::SetHeight);
    ac.AddInteger<AC>("Width", &AC::Width, &AC::SetWidth);
    ac.AddBoolean<AC>("ShowImages", &AC::ShowImages, &AC::SetShowImages);
    ac.AddBoolean<AC>("SizeDropDown", &AC::SizeDropDown, &AC::SetSizeDropDown);

    TPropertyTable& ar = RegisterClass<TAutoCorrect>("TAutoCorrect").OwnProperties();
    ar.AddBoolean<TAutoCorrect>("Active", &TAutoCorrect::Active, &TAutoCorrect::SetActive);
    ar.AddStrings<TAutoCorrect>("OldValue",
                                [](const TAutoCorrect& o) -> TStrings* { return &const_cast<TAutoCorrect&>(o).OldValue(); });
    ar.AddStrings<TAutoCorrect>("NewValue",
                                [](const TAutoCorrect& o) -> TStrings* { return &const_cast<TAutoCorrect&>(o).NewValue(); });

    TPropertyTable& c = RegisterClass<TCharStyle>("TCharStyle").OwnProperties();
    AddColor<TCharStyle>(c, "TextColor", &TCharStyle::TextColor, &TCharStyle::SetTextColor);
    AddColor<TCharStyle>(c, "BkColor", &TCharStyle::BkColor, &TCharStyle::SetBkColor);
    c.AddSet<TCharStyle>("Style", FontStyleNames, &TCharStyle::Style, &TCharStyle::SetStyle);
}

void RegisterMemo()
{
    using M = TZmMemo;
    TPropertyTable& m = RegisterClass<M>("TZmMemo").OwnProperties();
    m.AddObject<M>("ActiveLineSettings",
                   [](const M& o) -> TPersistent* { return &const_cast<M&>(o).ActiveLineSettings(); });
    m.AddBoolean<M>("AcceptFiles", &M::AcceptFiles, &M::SetAcceptFiles);
    m.AddBoolean<M>("AutoIndent", &M::AutoIndent, &M::SetAutoIndent);
    m.AddBoolean<M>("AutoExpand", &M::AutoExpand, &M::SetAutoExpand);
    m.AddBoolean<M>("AutoThemeAdapt", &M::AutoThemeAdapt, &M::SetAutoThemeAdapt);
    m.AddObject<M>("AutoCompletion", [](const M& o) -> TPersistent* { return &const_cast<M&>(o).AutoCompletion(); });
    m.AddObject<M>("AutoCorrect", [](const M& o) -> TPersistent* { return &const_cast<M&>(o).AutoCorrect(); });
    m.AddInteger<M>("AutoHintParameterDelay", &M::AutoHintParameterDelay, &M::SetAutoHintParameterDelay);
    m.AddEnum<M>("AutoHintParameters", {"hpAuto", "hpManual", "hpNone"}, &M::AutoHintParameters,
                 &M::SetAutoHintParameters);
    m.AddEnum<M>("AutoHintParameterPosition", {"hpBelowCode", "hpAboveCode"}, &M::AutoHintParameterPosition,
                 &M::SetAutoHintParameterPosition);
    m.AddBoolean<M>("BlockShow", &M::BlockShow, &M::SetBlockShow);
    AddColor<M>(m, "BlockColor", &M::BlockColor, &M::SetBlockColor);
    AddColor<M>(m, "BlockLineColor", &M::BlockLineColor, &M::SetBlockLineColor);
    AddColor<M>(m, "BkColor", &M::BkColor, &M::SetBkColor);
    AddColor<M>(m, "SelColor", &M::SelColor, &M::SetSelColor);
    AddColor<M>(m, "SelBkColor", &M::SelBkColor, &M::SetSelBkColor);
    m.AddEnum<M>("BorderStyle", {"bsNone", "bsSingle"}, &M::BorderStyle, &M::SetBorderStyle);
    AddColor<M>(m, "BreakpointColor", &M::BreakpointColor, &M::SetBreakpointColor);
    AddColor<M>(m, "BreakpointTextColor", &M::BreakpointTextColor, &M::SetBreakpointTextColor);
    m.AddBoolean<M>("CaseSensitive", &M::CaseSensitive, &M::SetCaseSensitive);
    m.AddBoolean<M>("Ctl3D", &M::Ctl3D, &M::SetCtl3D);
    m.AddBoolean<M>("DelErase", &M::DelErase, &M::SetDelErase);
    m.AddBoolean<M>("EnhancedHomeKey", &M::EnhancedHomeKey, &M::SetEnhancedHomeKey);
    m.AddComponent<M>("MemoChecker", &M::MemoChecker, &M::SetMemoChecker);
    m.AddComponent<M>("MemoSource", &M::MemoSource, &M::SetMemoSource);
    m.AddObject<M>("PrintOptions", [](const M& o) -> TPersistent* { return &const_cast<M&>(o).PrintOptions(); });
    m.AddObject<M>("Gutter", [](const M& o) -> TPersistent* { return &const_cast<M&>(o).Gutter(); });
    m.AddBoolean<M>("HiddenCaret", &M::HiddenCaret, &M::SetHiddenCaret);
    m.AddBoolean<M>("HideSelection", &M::HideSelection, &M::SetHideSelection);
    m.AddStrings<M>("Lines", [](const M& o) -> TStrings* { return &const_cast<M&>(o).Lines(); });
    m.AddBoolean<M>("ReadOnly", &M::ReadOnly, &M::SetReadOnly);
    m.AddInteger<M>("RightMargin", &M::RightMargin, &M::SetRightMargin);
    AddColor<M>(m, "RightMarginColor", &M::RightMarginColor, &M::SetRightMarginColor);
    m.AddEnum<M>("ScrollBars", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}, &M::ScrollBars,
                 &M::SetScrollBars);
    m.AddBoolean<M>("ScrollHint", &M::ScrollHint, &M::SetScrollHint);
    m.AddEnum<M>("ScrollMode", {"smAuto", "smStrict"}, &M::ScrollMode, &M::SetScrollMode);
    m.AddBoolean<M>("ShowRightMargin", &M::ShowRightMargin, &M::SetShowRightMargin);
    m.AddBoolean<M>("SmartTabs", &M::SmartTabs, &M::SetSmartTabs);
    m.AddInteger<M>("TabSize", &M::TabSize, &M::SetTabSize);
    m.AddComponent<M>("SyntaxStyles", &M::SyntaxStyles, &M::SetSyntaxStyles);
    m.AddBoolean<M>("TrimTrailingSpaces", &M::TrimTrailingSpaces, &M::SetTrimTrailingSpaces);
    m.AddInteger<M>("UndoLimit", &M::UndoLimit, &M::SetUndoLimit);
    m.AddBoolean<M>("UrlAware", &M::UrlAware, &M::SetUrlAware);
    m.AddObject<M>("UrlStyle", [](const M& o) -> TPersistent* { return &const_cast<M&>(o).UrlStyle(); });
    m.AddBoolean<M>("UseStyler", &M::UseStyler, &M::SetUseStyler);
    m.AddString<M>("Version", &M::Version, &M::SetVersion);
    m.AddBoolean<M>("WantTab", &M::WantTab, &M::SetWantTab);
    m.AddEnum<M>("WordWrap", {"wwNone", "wwClientWidth", "wwRightMargin"}, &M::WordWrap, &M::SetWordWrap);
}

} // namespace

void TZmMemo::RegisterClasses()
{
    static const bool registered = [] {
        RegisterSettings();
        RegisterMemo();
        return true;
    }();
    (void)registered;
}
