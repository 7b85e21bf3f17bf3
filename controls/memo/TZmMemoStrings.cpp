#include "controls/memo/TZmMemoStrings.h"

#include <algorithm>
#include <functional>

#include "platform/core/Exceptions.h"
#include "platform/core/TextFile.h"
#include "platform/core/Unicode.h"

namespace {

// Runs a step when the scope ends, whichever way it ends.
class AtExit {
public:
    explicit AtExit(std::function<void()> step) : step_(std::move(step)) {}
    ~AtExit() { step_(); }
    AtExit(const AtExit&) = delete;
    AtExit& operator=(const AtExit&) = delete;

private:
    std::function<void()> step_;
};

const std::u32string NoLine;

} // namespace

TZmMemoStrings::~TZmMemoStrings() = default;

void TZmMemoStrings::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
}

std::u32string TZmMemoStrings::Expand(const std::string& text) const
{
    std::u32string line = Utf8ToUtf32(text);
    if (line.find(U'\t') == std::u32string::npos)
        return line;
    const size_t tab = static_cast<size_t>(std::max(host_ ? host_->TabSize() : 4, 0));
    std::u32string out;
    for (char32_t c : line) {
        if (c == U'\t')
            out.append(tab, U' ');
        else
            out += c;
    }
    return out;
}

void TZmMemoStrings::Changed()
{
    if (host_ && changeDetached_ == 0 && UpdateCount() == 0)
        host_->LinesChanged();
}

void TZmMemoStrings::SetUpdateState(bool updating)
{
    if (updating)
        return;
    Changed();
    if (host_)
        host_->InvalidateAll();
}

std::string TZmMemoStrings::Get(int index) const
{
    CheckIndex(index);
    return Utf32ToUtf8(items_[static_cast<size_t>(index)].text);
}

const std::u32string& TZmMemoStrings::Line(int index) const
{
    if (index < 0 || index >= Count())
        return NoLine;
    return items_[static_cast<size_t>(index)].text;
}

void TZmMemoStrings::Put(int index, const std::string& text)
{
    PutLine(index, Expand(text));
}

void TZmMemoStrings::PutLine(int index, std::u32string text)
{
    CheckIndex(index);
    lengths_.Put(index, static_cast<int>(text.size()));
    items_[static_cast<size_t>(index)].text = std::move(text);
    MarkDirty(index, index + 1);
    DropLexStates(index);
    Changed();
}

void* TZmMemoStrings::GetObject(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    const Item& item = items_[static_cast<size_t>(index)];
    return item.prop ? item.prop->Obj : item.object;
}

void TZmMemoStrings::PutObject(int index, void* object)
{
    if (index < 0 || index >= Count())
        return;
    Item& item = items_[static_cast<size_t>(index)];
    if (item.prop)
        item.prop->Obj = object;
    else
        item.object = object;
}

int TZmMemoStrings::Add(const std::string& text)
{
    std::u32string line = Expand(text);
    lengths_.Add(static_cast<int>(line.size()));
    items_.push_back(Item{std::move(line), nullptr, nullptr});
    MarkDirty(Count() - 1, Count());
    Changed();
    return Count() - 1;
}

void TZmMemoStrings::Insert(int index, const std::string& text)
{
    if (index < 0 || index > Count())
        IndexError(index);
    if (host_)
        host_->ClearSelection();
    InsertLine(index, Expand(text));
    if (host_)
        host_->InvalidateAll();
}

void TZmMemoStrings::InsertLine(int index, std::u32string text)
{
    std::vector<std::u32string> texts;
    texts.push_back(std::move(text));
    InsertLines(index, std::move(texts));
}

void TZmMemoStrings::InsertLines(int index, std::vector<std::u32string> texts)
{
    if (index < 0 || index > Count())
        IndexError(index);
    if (texts.empty())
        return;
    const int count = static_cast<int>(texts.size());
    std::vector<Item> added;
    added.reserve(texts.size());
    for (std::u32string& text : texts)
        added.push_back(Item{std::move(text), nullptr, nullptr});
    items_.insert(items_.begin() + index, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    if (count == 1)
        lengths_.Insert(index, static_cast<int>(items_[static_cast<size_t>(index)].text.size()));
    else
        RebuildLengths(index);
    ShiftDirty(index, count);
    MarkDirty(index, index + count);
    // A continuation below now continues the last new line, and the text line above lost it.
    if (Continuation(index + count))
        MarkDirty(index - 1, index + count + 1);
    DropLexStates(index);
    Changed();
}

void TZmMemoStrings::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    if (!host_ || deleting_) {
        RemoveLine(index);
        return;
    }
    deleting_ = true;
    int x = host_->CurX();
    int y = host_->CurY();
    if (y > index)
        --y;
    if (Count() == 1)
        x = 0;
    AtExit restore([&] {
        host_->RestoreCaret(x, y);
        deleting_ = false;
    });
    host_->RestoreCaret(host_->CurX(), index);
    host_->DeleteLine();
}

void TZmMemoStrings::RemoveLine(int index)
{
    RemoveLines(index, 1);
}

void TZmMemoStrings::RemoveLines(int index, int count)
{
    if (count <= 0)
        return;
    CheckIndex(index);
    CheckIndex(index + count - 1);
    const bool continued = Continuation(index);
    items_.erase(items_.begin() + index, items_.begin() + index + count);
    if (count == 1)
        lengths_.Delete(index);
    else
        RebuildLengths(index);
    ShiftDirty(index, -count);
    // The text line above lost its continuation, or gains the one that now follows it.
    if (continued || Continuation(index))
        MarkDirty(index - 1, index + 1);
    DropLexStates(index);
    Changed();
}

void TZmMemoStrings::Clear()
{
    items_.clear();
    lengths_.Clear();
    wrapWidth_ = 0;
    dirty_.clear();
    DropLexStates(0);
    Changed();
}

void TZmMemoStrings::Assign(const TPersistent& source)
{
    auto* strings = dynamic_cast<const TStrings*>(&source);
    if (!host_ || !strings) {
        TStrings::Assign(source);
        return;
    }
    if (strings == this)
        return;
    std::vector<std::string> lines = strings->Lines();
    std::vector<void*> objects;
    for (int i = 0; i < strings->Count(); ++i)
        objects.push_back(strings->GetObject(i));
    {
        ChangeHold hold(*this);
        BeginUpdate();
        AtExit end([this] { EndUpdate(); });
        Clear();
        const bool trim = host_->TrimTrailingSpaces();
        for (size_t i = 0; i < lines.size(); ++i) {
            std::u32string line = Expand(lines[i]);
            if (trim)
                line.erase(line.find_last_not_of(U' ') + 1);
            lengths_.Add(static_cast<int>(line.size()));
            items_.push_back(Item{std::move(line), objects[i], nullptr});
        }
    }
    host_->LinesReplaced();
}

void TZmMemoStrings::AssignKeepLineProps(const TStrings& source)
{
    std::vector<std::string> lines = source.Lines();
    ChangeHold hold(*this);
    BeginUpdate();
    AtExit end([this] { EndUpdate(); });
    items_.resize(lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        items_[i].text = Expand(lines[i]);
    wrapWidth_ = 0;
    dirty_.clear();
    RebuildLengths();
    DropLexStates(0);
}

void TZmMemoStrings::LoadFromFile(const std::string& path)
{
    std::vector<std::string> lines = ReadTextFileLines(path);
    if (!host_) {
        ChangeHold hold(*this);
        Clear();
        for (const std::string& line : lines)
            Add(line);
        return;
    }
    host_->ClearSelection();
    host_->ClearUndo();
    host_->RestoreCaret(0, 0);
    {
        host_->SetPainting(false);
        ChangeHold hold(*this);
        AtExit painting([this] { host_->SetPainting(true); });
        Clear();
        int longest = 0;
        for (const std::string& line : lines) {
            std::u32string text = Expand(line);
            longest = std::max(longest, static_cast<int>(text.size()));
            lengths_.Add(static_cast<int>(text.size()));
            items_.push_back(Item{std::move(text), nullptr, nullptr});
        }
        host_->RestoreCaret(0, 0);
        host_->SetMaxLineLength(longest);
    }
    Changed();
    Rewrap();
    host_->InvalidateAll();
}

void TZmMemoStrings::SaveToFile(const std::string& path, const std::string& lineEnding) const
{
    WriteTextFileLines(path, LogicalLines(), lineEnding);
}

void TZmMemoStrings::RebuildLengths(int from)
{
    while (lengths_.Count() > from)
        lengths_.Delete(lengths_.Count() - 1);
    for (size_t i = static_cast<size_t>(from); i < items_.size(); ++i)
        lengths_.Add(static_cast<int>(items_[i].text.size()));
}

int TZmMemoStrings::MaxLength() const
{
    int longest = 0;
    for (const Item& item : items_)
        longest = std::max(longest, static_cast<int>(item.text.size()));
    return longest;
}

TLineProp* TZmMemoStrings::GetLineProp(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<size_t>(index)].prop.get();
}

TLineProp& TZmMemoStrings::CreateLineProp(int index)
{
    CheckIndex(index);
    Item& item = items_[static_cast<size_t>(index)];
    if (!item.prop) {
        item.prop = std::make_unique<TLineProp>();
        item.prop->Obj = item.object;
        item.object = nullptr;
    }
    return *item.prop;
}

bool TZmMemoStrings::Breakpoint(int index) const
{
    const TLineProp* prop = GetLineProp(index);
    return prop && prop->Breakpoint;
}

void TZmMemoStrings::SetBreakpoint(int index, bool on)
{
    CreateLineProp(index).Breakpoint = on;
}

bool TZmMemoStrings::Marked(int index) const
{
    const TLineProp* prop = GetLineProp(index);
    return prop && prop->Marked;
}

void TZmMemoStrings::SetMarked(int index, bool on)
{
    CreateLineProp(index).Marked = on;
}

void TZmMemoStrings::SetContinuation(int index, bool on)
{
    CreateLineProp(index).Continuation = on;
    MarkDirty(index - 1, index + 1);
}

bool TZmMemoStrings::GetRange(int index, std::array<int, 3>& range) const
{
    const TLineProp* prop = GetLineProp(index);
    if (!prop || !prop->HasRange)
        return false;
    range = prop->Range;
    return true;
}

void TZmMemoStrings::SetRange(int index, const std::array<int, 3>& range)
{
    TLineProp& prop = CreateLineProp(index);
    prop.Range = range;
    prop.HasRange = true;
}

void TZmMemoStrings::DropLexStates(int index)
{
    // Inserts and deletes shift the property objects, so every line below may carry a stale state.
    for (int i = std::max(index, 0); i < Count(); ++i)
        if (TLineProp* prop = items_[static_cast<size_t>(i)].prop.get())
            prop->LexState.reset();
    if (host_)
        host_->DiscardLexicalStates(index);
}
