#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

#include "TempFolder.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/core/ZStream.h"

namespace {

// Files of this process may not grow beyond 'bytes' while it lives: a write past it fails with
// EFBIG instead of stopping the process, for the superuser too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

TEST(MemoryStream, ReadsWhatIsThereAndGrowsWhenWrittenPastTheEnd)
{
    TMemoryStream stream(std::string("abc"));
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 3);
    EXPECT_EQ(std::string(buffer, 3), "abc");
    EXPECT_EQ(stream.Read(buffer, 8), 0);
    stream.SetPosition(1);
    EXPECT_THROW(stream.ReadBuffer(buffer, 3), EReadError);
    EXPECT_THROW(stream.Seek(-1, TSeekOrigin::soBeginning), EReadError);

    stream.Seek(-1, TSeekOrigin::soEnd);
    stream.WriteBuffer("LOW", 3);
    EXPECT_EQ(stream.DataString(), "abLOW");
    stream.SetSize(2);
    EXPECT_EQ(stream.Position(), 2);
    EXPECT_EQ(stream.DataString(), "ab");
}

TEST(MemoryStream, IntegersAreLittleEndianAndStringsCountTheirBytes)
{
    TMemoryStream stream;
    stream.WriteInt32(0x000F0003);
    stream.WriteInt32(-2);
    EXPECT_EQ(stream.Data(), (std::vector<uint8_t>{0x03, 0x00, 0x0F, 0x00, 0xFE, 0xFF, 0xFF, 0xFF}));
    stream.WriteString("V Izadu");
    stream.WriteString("");
    EXPECT_EQ(stream.Size(), 8 + 4 + 7 + 4);
    stream.SetPosition(0);
    EXPECT_EQ(stream.ReadInt32(), 0x000F0003);
    EXPECT_EQ(stream.ReadInt32(), -2);
    EXPECT_EQ(stream.ReadString(), "V Izadu");
    EXPECT_EQ(stream.ReadString(), "");
    EXPECT_THROW(stream.ReadInt32(), EReadError);

    for (int32_t length : {-1, 64 * 1024 * 1024 + 1, 1000}) {
        TMemoryStream corrupt;
        corrupt.WriteInt32(length);
        corrupt.WriteBuffer("abc", 3);
        corrupt.SetPosition(0);
        EXPECT_THROW(corrupt.ReadString(), EReadError) << length;
    }
}

TEST(FileStream, WritesReadsBackAndRefusesMissingFilesAndFolders)
{
    TempFolder dir;
    std::string path = dir.Path("filestream.bin");
    {
        TFileStream out(path, TFileMode::fmCreate);
        out.WriteString("skin");
    }
    {
        TFileStream in(path, TFileMode::fmOpenRead);
        EXPECT_EQ(in.Size(), 8);
        EXPECT_EQ(in.ReadString(), "skin");
        EXPECT_EQ(in.Remaining(), 0);
    }
    std::remove(path.c_str());
    EXPECT_THROW(TFileStream(path, TFileMode::fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(dir.Root().string(), TFileMode::fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(dir.Root().string(), TFileMode::fmCreate), EFOpenError);
    TMemoryStream memory(std::string("kept"));
    EXPECT_THROW(memory.LoadFromFile(dir.Root().string()), EFOpenError);
    EXPECT_EQ(memory.DataString(), "kept");
}

TEST(FileStream, AWriteThatDoesNotFitRaisesAndSavingKeepsTheOldFile)
{
    TempFolder dir;
    {
        TFileStream out(dir.Path("big.bin"), TFileMode::fmCreate);
        out.WriteString("fits");
        FileSizeLimit limit(16);
        EXPECT_THROW(out.WriteBuffer(std::string(64, 'x').data(), 64), EWriteError);
    }
    std::remove(dir.Path("big.bin").c_str());
    dir.WriteBytes("skin.bin", "old skin");
    TMemoryStream data(std::string(4096, 'n'));
    {
        FileSizeLimit limit(1024);
        EXPECT_THROW(data.SaveToFile(dir.Path("skin.bin")), EWriteError);
    }
    EXPECT_EQ(dir.ReadBytes("skin.bin"), "old skin");
    EXPECT_EQ(dir.FileCount(), 1u);
    data.SaveToFile(dir.Path("skin.bin"));
    EXPECT_EQ(dir.ReadBytes("skin.bin"), std::string(4096, 'n'));
    EXPECT_EQ(dir.FileCount(), 1u);
}

TEST(PixelCount, IsCappedAndComputedIn64Bits)
{
    EXPECT_EQ(CheckedPixelCount(16384, 16384), int64_t{268435456});
    EXPECT_EQ(CheckedPixelCount(0, 5), 0);
    EXPECT_THROW(CheckedPixelCount(16385, 16384), EReadError);
    EXPECT_THROW(CheckedPixelCount(65536, 65536), EReadError);
    EXPECT_THROW(CheckedPixelCount(-1, 10), EReadError);
}

TEST(ZlibStreams, LevelIsHonouredAndBadDataRaises)
{
    std::vector<uint8_t> data(1000, 'a');
    std::vector<uint8_t> fast = ZCompress(data, 1);
    std::vector<uint8_t> best = ZCompress(data, 9);
    EXPECT_EQ(fast[1], 0x01);
    EXPECT_EQ(best[1], 0xDA);
    EXPECT_EQ(ZDecompress(fast), data);
    EXPECT_EQ(ZDecompress(best), data);
    EXPECT_THROW(ZCompress(data, 10), ECompressionError);

    std::vector<uint8_t> corrupt = fast;
    corrupt[1] ^= 0xFF;
    try {
        ZDecompress(corrupt);
        FAIL() << "corrupt header accepted";
    } catch (const EDecompressionError& e) {
        EXPECT_STREQ(e.what(), "error");
    }
    std::vector<uint8_t> truncated(fast.begin(), fast.begin() + static_cast<long>(fast.size() / 2));
    EXPECT_THROW(ZDecompress(truncated), EDecompressionError);
    std::vector<uint8_t> badChecksum = fast;
    badChecksum.back() ^= 0x01;
    EXPECT_THROW(ZDecompress(badChecksum), EDecompressionError);
}

TEST(ZlibStreams, DecompressorReadsForwardFromTheSourcePositionAndLeavesWhatFollows)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "baris " + std::to_string(i) + "\r\n";
    TMemoryStream file;
    file.WriteBuffer("SKNZ", 4);
    {
        TCompressionStream z(file, 9);
        z.WriteString(text);
    }
    file.WriteString("next record");
    file.SetPosition(4);
    {
        TDecompressionStream z(file);
        EXPECT_EQ(z.ReadString(), text);
        char extra;
        EXPECT_EQ(z.Read(&extra, 1), 0);
        EXPECT_THROW(z.Seek(0, TSeekOrigin::soBeginning), EDecompressionError);
    }
    EXPECT_EQ(file.ReadString(), "next record");

    TMemoryStream small;
    {
        TCompressionStream z(small, 1);
        z.WriteString("body");
    }
    small.WriteString("next record");
    small.SetPosition(0);
    {
        TDecompressionStream z(small);
        EXPECT_EQ(z.ReadInt32(), 4);
    }
    EXPECT_LE(small.Position(), small.Size() - 15) << "a partial read does not swallow what follows";
}
