#pragma once
// Byte streams: memory and file streams, little-endian integers and length-prefixed strings with caps.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
public:
    // A length-prefixed string or block longer than this is refused as corrupt.
    static constexpr int64_t MaxBlockSize = 64 * 1024 * 1024;

    virtual ~TStream() = default;
    // Returns the number of bytes read, fewer at the end of the data.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Returns the new position; EReadError for a position before the start or a stream that cannot seek.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
    virtual int64_t Size();
    // Bytes left to read, or -1 for a stream that cannot tell.
    virtual int64_t Remaining();

    // Raise EReadError / EWriteError when fewer bytes move than asked.
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    int32_t ReadInt32();
    void WriteInt32(int32_t value);
    // int32 byte count, then the bytes; a negative count or one over MaxBlockSize raises EReadError,
    // and no more is allocated than the bytes really there.
    std::string ReadString();
    void WriteString(const std::string& text);
    std::vector<uint8_t> ReadBytes(int64_t count);
    // Copies 'count' bytes from 'source' at its position; 0 copies everything from there to its end.
    int64_t CopyFrom(TStream& source, int64_t count);
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> data) : data_(std::move(data)) {}
    explicit TMemoryStream(const std::string& data) : data_(data.begin(), data.end()) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    void SetSize(int64_t size);
    void Clear();
    const std::vector<uint8_t>& Data() const { return data_; }
    std::string DataString() const { return std::string(data_.begin(), data_.end()); }
    void LoadFromStream(TStream& source);
    void SaveToStream(TStream& dest) const;
    void LoadFromFile(const std::string& path);
    // Through a temporary file renamed over the target, so a failed save leaves the old file.
    void SaveToFile(const std::string& path) const;

private:
    std::vector<uint8_t> data_;
    int64_t position_ = 0;
};

enum class TFileMode { fmOpenRead, fmCreate };

class TFileStream : public TStream {
public:
    // fmOpenRead opens an existing file for reading; fmCreate creates or overwrites it. EFOpenError on failure
    // and for a folder. A read that fails raises EReadError rather than looking like the end of the file;
    // writes are unbuffered, so a full disk shows in the Write that hit it.
    TFileStream(const std::string& path, TFileMode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    const std::string& FileName() const { return path_; }

private:
    enum class TLastAccess { None, Read, Write };
    // The C library needs a seek between a write and a read on the same file.
    void SwitchTo(TLastAccess access);

    std::string path_;
    std::FILE* file_ = nullptr;
    TLastAccess last_ = TLastAccess::None;
};

// Width times height in 64 bits; EReadError for a negative side or more than 16384 x 16384 pixels.
int64_t CheckedPixelCount(int64_t width, int64_t height);
