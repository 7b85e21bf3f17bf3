#include "platform/core/ZStream.h"

#include <zlib.h>

#include <algorithm>

#include "platform/core/Exceptions.h"

namespace {

constexpr size_t BufferSize = 16 * 1024;

[[noreturn]] void DecompressFailed()
{
    throw EDecompressionError("error");
}

} // namespace

TCompressionStream::TCompressionStream(TStream& dest, int level)
    : dest_(dest), zs_(std::make_unique<z_stream_s>()), out_(BufferSize)
{
    if (level < 0 || level > 9)
        throw ECompressionError("Invalid compression level " + std::to_string(level));
    if (deflateInit(zs_.get(), level) != Z_OK)
        throw ECompressionError("error");
}

TCompressionStream::~TCompressionStream()
{
    try {
        Finish();
    } catch (const Exception&) {
        // Nothing can be reported from a destructor; Finish is the way to see the error.
    }
    deflateEnd(zs_.get());
}

void TCompressionStream::Pump(int flush)
{
    int status = Z_OK;
    do {
        zs_->next_out = out_.data();
        zs_->avail_out = static_cast<uInt>(out_.size());
        status = deflate(zs_.get(), flush);
        if (status == Z_STREAM_ERROR)
            throw ECompressionError("error");
        dest_.WriteBuffer(out_.data(), static_cast<int64_t>(out_.size() - zs_->avail_out));
    } while (zs_->avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
}

int64_t TCompressionStream::Write(const void* buffer, int64_t count)
{
    if (finished_)
        throw ECompressionError("Write after the compressed stream was finished");
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    int64_t left = count;
    while (left > 0) {
        auto chunk = static_cast<uInt>(std::min<int64_t>(left, 1 << 30));
        zs_->next_in = const_cast<Bytef*>(bytes);
        zs_->avail_in = chunk;
        Pump(Z_NO_FLUSH);
        bytes += chunk;
        left -= chunk;
    }
    totalIn_ += std::max<int64_t>(count, 0);
    return std::max<int64_t>(count, 0);
}

void TCompressionStream::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    zs_->next_in = nullptr;
    zs_->avail_in = 0;
    Pump(Z_FINISH);
}

int64_t TCompressionStream::Read(void*, int64_t)
{
    throw ECompressionError("Invalid stream operation");
}

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin)
{
    if (offset == 0 && origin == TSeekOrigin::soCurrent)
        return totalIn_;
    throw ECompressionError("Invalid stream operation");
}

TDecompressionStream::TDecompressionStream(TStream& source)
    : source_(source), zs_(std::make_unique<z_stream_s>()), in_(BufferSize)
{
    if (inflateInit(zs_.get()) != Z_OK)
        DecompressFailed();
}

TDecompressionStream::~TDecompressionStream()
{
    GiveBackUnusedInput();
    inflateEnd(zs_.get());
}

void TDecompressionStream::GiveBackUnusedInput() noexcept
{
    if (zs_->avail_in == 0)
        return;
    try {
        source_.Seek(-static_cast<int64_t>(zs_->avail_in), TSeekOrigin::soCurrent);
        zs_->avail_in = 0;
    } catch (const Exception&) {
    }
}

int64_t TDecompressionStream::Read(void* buffer, int64_t count)
{
    if (count <= 0 || ended_)
        return 0;
    zs_->next_out = static_cast<Bytef*>(buffer);
    zs_->avail_out = static_cast<uInt>(std::min<int64_t>(count, 1 << 30));
    uInt wanted = zs_->avail_out;
    while (zs_->avail_out > 0) {
        if (zs_->avail_in == 0) {
            int64_t got = source_.Read(in_.data(), static_cast<int64_t>(in_.size()));
            if (got <= 0)
                DecompressFailed(); // the data ends before the zlib stream does
            zs_->next_in = in_.data();
            zs_->avail_in = static_cast<uInt>(got);
        }
        int status = inflate(zs_.get(), Z_NO_FLUSH);
        if (status == Z_STREAM_END) {
            ended_ = true;
            GiveBackUnusedInput();
            break;
        }
        if (status != Z_OK)
            DecompressFailed();
    }
    int64_t produced = wanted - zs_->avail_out;
    totalOut_ += produced;
    return produced;
}

int64_t TDecompressionStream::Write(const void*, int64_t)
{
    throw EDecompressionError("Invalid stream operation");
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin)
{
    int64_t target = origin == TSeekOrigin::soBeginning ? offset : origin == TSeekOrigin::soCurrent ? totalOut_ + offset : -1;
    if (target < totalOut_)
        throw EDecompressionError("Invalid stream operation");
    std::vector<uint8_t> skip(BufferSize);
    while (totalOut_ < target) {
        if (Read(skip.data(), std::min<int64_t>(target - totalOut_, static_cast<int64_t>(skip.size()))) == 0)
            throw EDecompressionError("Invalid stream operation");
    }
    return totalOut_;
}

std::vector<uint8_t> ZCompress(const std::vector<uint8_t>& data, int level)
{
    TMemoryStream out;
    {
        TCompressionStream z(out, level);
        z.WriteBuffer(data.data(), static_cast<int64_t>(data.size()));
        z.Finish();
    }
    return out.Data();
}

std::vector<uint8_t> ZDecompress(const std::vector<uint8_t>& data)
{
    TMemoryStream in(data);
    TDecompressionStream z(in);
    TMemoryStream out;
    out.CopyFrom(z, 0);
    return out.Data();
}
