#pragma once
// "Open with the desktop": hands a document or link to the user's desktop, which picks the
// program. Tests install a RecordingOpener instead.
#include <string>
#include <vector>

// Window show commands the callers pass along (SW_SHOWNORMAL, SW_SHOWNOACTIVATE).
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWNOACTIVATE = 4;

class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    // Answers whether the request was accepted; it is not waited for.
    virtual bool Open(const std::string& target, int showCommand) = 0;
};

// Starts a program (xdg-open) without a shell, the target as its one argument. A program that
// ends within a moment answers by its exit status; one still running is reaped in the background.
class XdgOpener : public DesktopOpener {
public:
    explicit XdgOpener(std::string program = "xdg-open") : program_(std::move(program)) {}
    bool Open(const std::string& target, int showCommand) override;

private:
    std::string program_;
};

class RecordingOpener : public DesktopOpener {
public:
    struct Request {
        std::string target;
        int showCommand;
        bool operator==(const Request&) const = default;
    };
    bool Open(const std::string& target, int showCommand) override
    {
        requests.push_back({target, showCommand});
        return accept;
    }
    std::vector<Request> requests;
    bool accept = true;
};

// The opener in use; an XdgOpener unless a DesktopOpenerOverride is alive.
DesktopOpener& CurrentDesktopOpener();

class DesktopOpenerOverride {
public:
    explicit DesktopOpenerOverride(DesktopOpener& opener);
    ~DesktopOpenerOverride();
    DesktopOpenerOverride(const DesktopOpenerOverride&) = delete;
    DesktopOpenerOverride& operator=(const DesktopOpenerOverride&) = delete;

private:
    DesktopOpener* previous_;
};

// Opens through the current opener; failures answer false and are otherwise ignored.
bool OpenWithDesktop(const std::string& target, int showCommand = SW_SHOWNORMAL);
