#include "platform/core/Streams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <sys/stat.h>

#include "platform/core/AtomicFileWriter.h"
#include "platform/core/Exceptions.h"

namespace {

constexpr int64_t MaxPixels = int64_t{16384} * 16384;
constexpr int64_t CopyChunk = 64 * 1024;

} // namespace

int64_t TStream::Size()
{
    int64_t here = Position();
    int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(here, TSeekOrigin::soBeginning);
    return size;
}

int64_t TStream::Remaining()
{
    return Size() - Position();
}

void TStream::ReadBuffer(void* buffer, int64_t count)
{
    if (count < 0 || (count > 0 && Read(buffer, count) != count))
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count)
{
    if (count < 0 || (count > 0 && Write(buffer, count) != count))
        throw EWriteError("Stream write error");
}

int32_t TStream::ReadInt32()
{
    uint8_t bytes[4];
    ReadBuffer(bytes, 4);
    return static_cast<int32_t>(uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
                                uint32_t{bytes[3]} << 24);
}

void TStream::WriteInt32(int32_t value)
{
    auto bits = static_cast<uint32_t>(value);
    uint8_t bytes[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8), static_cast<uint8_t>(bits >> 16),
                        static_cast<uint8_t>(bits >> 24)};
    WriteBuffer(bytes, 4);
}

std::vector<uint8_t> TStream::ReadBytes(int64_t count)
{
    if (count < 0 || count > MaxBlockSize)
        throw EReadError("Invalid block length " + std::to_string(count));
    int64_t remaining = Remaining();
    if (remaining >= 0 && count > remaining)
        throw EReadError("Stream read error");
    std::vector<uint8_t> bytes;
    // A stream that cannot tell its length is read in chunks, so a false count allocates little.
    while (static_cast<int64_t>(bytes.size()) < count) {
        size_t done = bytes.size();
        size_t chunk = static_cast<size_t>(std::min(count - static_cast<int64_t>(done), CopyChunk));
        bytes.resize(done + chunk);
        ReadBuffer(bytes.data() + done, static_cast<int64_t>(chunk));
    }
    return bytes;
}

std::string TStream::ReadString()
{
    std::vector<uint8_t> bytes = ReadBytes(ReadInt32());
    return std::string(bytes.begin(), bytes.end());
}

void TStream::WriteString(const std::string& text)
{
    if (static_cast<int64_t>(text.size()) > MaxBlockSize)
        throw EWriteError("String too long for a stream");
    WriteInt32(static_cast<int32_t>(text.size()));
    WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count < 0)
        throw EReadError("Stream read error");
    std::vector<uint8_t> buffer(static_cast<size_t>(CopyChunk));
    int64_t copied = 0;
    if (count == 0) {
        int64_t read = 0;
        while ((read = source.Read(buffer.data(), CopyChunk)) > 0) {
            WriteBuffer(buffer.data(), read);
            copied += read;
        }
        return copied;
    }
    while (copied < count) {
        int64_t chunk = std::min(count - copied, CopyChunk);
        source.ReadBuffer(buffer.data(), chunk);
        WriteBuffer(buffer.data(), chunk);
        copied += chunk;
    }
    return copied;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    if (count <= 0 || position_ >= Size())
        return 0;
    int64_t n = std::min(count, Size() - position_);
    std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    if (position_ + count > Size())
        data_.resize(static_cast<size_t>(position_ + count));
    std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
    position_ += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int64_t base = origin == TSeekOrigin::soBeginning ? 0 : origin == TSeekOrigin::soCurrent ? position_ : Size();
    if (base + offset < 0)
        throw EReadError("Seek before the start of the stream");
    position_ = base + offset;
    return position_;
}

void TMemoryStream::SetSize(int64_t size)
{
    if (size < 0)
        throw EWriteError("Negative stream size");
    data_.resize(static_cast<size_t>(size));
    position_ = std::min(position_, size);
}

void TMemoryStream::Clear()
{
    data_.clear();
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source)
{
    source.SetPosition(0);
    TMemoryStream copy;
    copy.CopyFrom(source, 0);
    data_ = std::move(copy.data_);
    position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& dest) const
{
    dest.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

void TMemoryStream::LoadFromFile(const std::string& path)
{
    TFileStream file(path, TFileMode::fmOpenRead);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::string& path) const
{
    WriteFileReplacing(path, std::string_view(reinterpret_cast<const char*>(data_.data()), data_.size()));
}

TFileStream::TFileStream(const std::string& path, TFileMode mode) : path_(path)
{
    file_ = std::fopen(path.c_str(), mode == TFileMode::fmOpenRead ? "rb" : "w+b");
    if (!file_)
        throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    struct stat st{};
    if (fstat(fileno(file_), &st) != 0 || S_ISDIR(st.st_mode)) {
        std::fclose(file_);
        throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(EISDIR));
    }
    if (mode == TFileMode::fmCreate)
        std::setvbuf(file_, nullptr, _IONBF, 0);
}

TFileStream::~TFileStream()
{
    std::fclose(file_);
}

void TFileStream::SwitchTo(TLastAccess access)
{
    if (last_ != TLastAccess::None && last_ != access)
        fseeko(file_, 0, SEEK_CUR);
    last_ = access;
}

int64_t TFileStream::Read(void* buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    SwitchTo(TLastAccess::Read);
    size_t n = std::fread(buffer, 1, static_cast<size_t>(count), file_);
    if (n < static_cast<size_t>(count) && std::ferror(file_)) {
        int error = errno;
        std::clearerr(file_);
        throw EReadError("Error reading \"" + path_ + "\". " + std::strerror(error));
    }
    return static_cast<int64_t>(n);
}

int64_t TFileStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    SwitchTo(TLastAccess::Write);
    size_t n = std::fwrite(buffer, 1, static_cast<size_t>(count), file_);
    std::clearerr(file_);
    return static_cast<int64_t>(n);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET : origin == TSeekOrigin::soCurrent ? SEEK_CUR : SEEK_END;
    if (fseeko(file_, static_cast<off_t>(offset), whence) != 0)
        throw EReadError("Cannot seek in \"" + path_ + "\"");
    last_ = TLastAccess::None;
    return static_cast<int64_t>(ftello(file_));
}

int64_t CheckedPixelCount(int64_t width, int64_t height)
{
    if (width < 0 || height < 0 || width > MaxPixels || height > MaxPixels || width * height > MaxPixels)
        throw EReadError("Invalid image size " + std::to_string(width) + " x " + std::to_string(height));
    return width * height;
}
