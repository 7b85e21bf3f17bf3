#pragma once
// An Xvfb server of its own for real-display tests, and a reader of X pixels. Include it last:
// the X11 headers define macros (None, KeyPress) that clash with the project's names.
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

// An Xvfb server of our own on a display number it picks itself; stopped when the test ends.
class TXvfb {
public:
    // 'screen' is the screen's size, "WIDTHxHEIGHT".
    explicit TXvfb(const std::string& screen = "1024x768") : screen_(screen + "x24")
    {
        if (access("/usr/bin/Xvfb", X_OK) != 0) {
            error_ = "Xvfb is not installed";
            return;
        }
        // Display numbers from a base upward, skipping those whose lock shows them taken, so that
        // suites running side by side (and other users of the machine) never meet.
        const char* base = getenv("BUKURA_TEST_DISPLAY");
        const int first = base && *base ? atoi(base) : 20;
        for (int number = first; number < first + 40 && display_.empty(); ++number) {
            const std::string n = std::to_string(number);
            if (access(("/tmp/.X" + n + "-lock").c_str(), F_OK) == 0 ||
                access(("/tmp/.X11-unix/X" + n).c_str(), F_OK) == 0)
                continue;
            Start(n);
        }
        if (display_.empty())
            error_ = "Xvfb did not start";
    }
    ~TXvfb()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& Error() const { return error_; }
    const std::string& Display() const { return display_; }

private:
    // Starts Xvfb on one display number; it writes the number once it accepts connections, and
    // exits at once when another server holds the number.
    void Start(const std::string& number)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return;
        const std::string fd = std::to_string(fds[1]);
        const std::string display = ":" + number;
        const char* argv[] = {"Xvfb", display.c_str(), "-displayfd", fd.c_str(), "-screen", "0", screen_.c_str(),
                              "-nolisten", "tcp", nullptr};
        const pid_t pid = fork();
        if (pid == 0) {
            // Ends with the test process, also when that one dies.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            close(fds[0]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            execve("/usr/bin/Xvfb", const_cast<char**>(argv), environ);
            _exit(127);
        }
        close(fds[1]);
        if (pid < 0) {
            close(fds[0]);
            return;
        }
        std::string written;
        pollfd p{fds[0], POLLIN, 0};
        char c = 0;
        while (poll(&p, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n')
            written += c;
        close(fds[0]);
        if (written != number) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            return;
        }
        pid_ = pid;
        display_ = display;
    }

    std::string screen_;
    pid_t pid_ = 0;
    std::string display_;
    std::string error_;
};

// Reads one pixel of an X window back from the server, as 0x00RRGGBB.
class TXScreenshot {
public:
    TXScreenshot() : lib_(dlopen("libX11.so.6", RTLD_NOW)) {}
    ~TXScreenshot()
    {
        if (lib_)
            dlclose(lib_);
    }
    bool Available() const { return lib_ != nullptr; }
    // The root window's pixels, row by row; empty when the server cannot be read.
    std::vector<uint32_t> Root(int width, int height)
    {
        auto open = reinterpret_cast<Display* (*)(const char*)>(dlsym(lib_, "XOpenDisplay"));
        auto close = reinterpret_cast<int (*)(Display*)>(dlsym(lib_, "XCloseDisplay"));
        auto root = reinterpret_cast<::Window (*)(Display*)>(dlsym(lib_, "XDefaultRootWindow"));
        auto getImage = reinterpret_cast<XImage* (*)(Display*, Drawable, int, int, unsigned, unsigned, unsigned long,
                                                    int)>(dlsym(lib_, "XGetImage"));
        std::vector<uint32_t> pixels;
        Display* display = open(nullptr);
        if (!display)
            return pixels;
        if (XImage* image = getImage(display, root(display), 0, 0, width, height, ~0UL, ZPixmap)) {
            pixels.resize(static_cast<size_t>(width) * height);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    pixels[static_cast<size_t>(y) * width + x] =
                        static_cast<uint32_t>(image->f.get_pixel(image, x, y) & 0xFFFFFF) | 0xFF000000u;
            image->f.destroy_image(image);
        }
        close(display);
        return pixels;
    }
    unsigned long Pixel(::Window window, int x, int y)
    {
        auto open = reinterpret_cast<Display* (*)(const char*)>(dlsym(lib_, "XOpenDisplay"));
        auto close = reinterpret_cast<int (*)(Display*)>(dlsym(lib_, "XCloseDisplay"));
        auto getImage = reinterpret_cast<XImage* (*)(Display*, Drawable, int, int, unsigned, unsigned, unsigned long,
                                                    int)>(dlsym(lib_, "XGetImage"));
        Display* display = open(nullptr);
        if (!display)
            return 0xFFFFFFFF;
        XImage* image = getImage(display, window, x, y, 1, 1, ~0UL, ZPixmap);
        unsigned long pixel = 0xFFFFFFFF;
        if (image) {
            pixel = image->f.get_pixel(image, 0, 0) & 0xFFFFFF;
            image->f.destroy_image(image);
        }
        close(display);
        return pixel;
    }

private:
    void* lib_;
};

