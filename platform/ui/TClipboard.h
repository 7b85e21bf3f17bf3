#pragma once
// The clipboard's text: CR LF inside the program, LF on the desktop.
#include <string>

class TClipboard {
public:
    std::string AsText() const;
    void SetAsText(const std::string& text);
    bool HasText() const;
};

// The program's clipboard; works only while an application runs.
TClipboard& Clipboard();
