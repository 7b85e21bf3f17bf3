#pragma once
// A file-capable theme for tests: "TTH1", then a byte telling how a load ends (1 loads, 0 refuses,
// 2 raises). It saves the ending it is given.
#include <cstdint>
#include <string>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "skin/engine/TteTheme.h"

class FileTheme : public TteTheme {
public:
    uint8_t ending = 1;

    FileTheme() { Reset(); }
    static std::string GetKindName() { return "Test"; }
    static TteThemeInfo GetInfo() { return {false, true, "Test themes (*.tth)|*.tth", "tth"}; }
    static bool CanLoadStream(TStream& stream)
    {
        char magic[4] = {};
        return stream.Read(magic, 4) == 4 && std::string(magic, 4) == "TTH1";
    }
    bool LoadFromStream(TStream& stream) override
    {
        uint8_t head[5] = {};
        stream.Read(head, 5);
        if (head[4] == 2)
            throw EReadError("Broken test theme");
        return head[4] == 1;
    }
    bool LoadFromFile(const std::string& fileName) override
    {
        TFileStream stream(fileName, TFileMode::fmOpenRead);
        return LoadFromStream(stream);
    }
    bool SaveToStream(TStream& stream) const override
    {
        stream.WriteBuffer("TTH1", 4);
        stream.WriteBuffer(&ending, 1);
        return true;
    }
};
