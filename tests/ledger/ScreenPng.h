#pragma once
// Saves the headless screen as a PNG under the build tree, to look at a window by eye.
#include <filesystem>
#include <string>
#include <vector>

#include "platform/graphics/ImageCodecs.h"
#include "platform/ui/THeadlessSession.h"

inline void SaveScreenPng(THeadlessSession& s, const std::string& name)
{
    const int width = 1024, height = 768;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<size_t>(y) * width + x] = s.Screen().ScreenPixel(x, y);
    const auto folder = std::filesystem::path(BUKURA_BINARY_DIR) / "tests" / "screenshots";
    std::filesystem::create_directories(folder);
    WritePng((folder / (name + ".png")).string(), pixels.data(), width, height, width * 4, false);
}
