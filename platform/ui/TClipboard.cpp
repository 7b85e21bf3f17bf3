#include "platform/ui/TClipboard.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/TApplication.h"

namespace {
Backend& Require()
{
    if (!Application)
        throw EInvalidOperation("The clipboard needs a running application");
    return Application->GetBackend();
}
} // namespace

std::string TClipboard::AsText() const
{
    const std::string raw = Require().ClipboardText();
    std::string out;
    out.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r') {
            out += "\r\n";
            if (i + 1 < raw.size() && raw[i + 1] == '\n')
                ++i;
        } else if (raw[i] == '\n') {
            out += "\r\n";
        } else {
            out += raw[i];
        }
    }
    return out;
}

void TClipboard::SetAsText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    Require().SetClipboardText(out);
}

bool TClipboard::HasText() const
{
    return Require().HasClipboardText();
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}
