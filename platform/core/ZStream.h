#pragma once
// zlib-framed (RFC 1950) compression over another stream: a write-only compressor and a
// read-only decompressor that reads forward from the source's current position.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/Streams.h"

struct z_stream_s;

class TCompressionStream : public TStream {
public:
    // Level 1 writes the header 78 01, level 9 writes 78 DA. ECompressionError for another level.
    TCompressionStream(TStream& dest, int level);
    // Flushes what is pending; a failure here cannot be reported, so callers that care call Finish.
    ~TCompressionStream() override;
    TCompressionStream(const TCompressionStream&) = delete;
    TCompressionStream& operator=(const TCompressionStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // Only asks for the number of bytes taken in; anything else raises ECompressionError.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Remaining() override { return -1; }
    // Writes the rest of the compressed data and the Adler-32 trailer; later writes raise.
    void Finish();

private:
    void Pump(int flush);

    TStream& dest_;
    std::unique_ptr<z_stream_s> zs_;
    std::vector<uint8_t> out_;
    int64_t totalIn_ = 0;
    bool finished_ = false;
};

class TDecompressionStream : public TStream {
public:
    // Once the compressed data ends, and when the stream is freed, the source is set back to just
    // after the bytes really used, so whatever follows them can still be read from it.
    explicit TDecompressionStream(TStream& source);
    ~TDecompressionStream() override;
    TDecompressionStream(const TDecompressionStream&) = delete;
    TDecompressionStream& operator=(const TDecompressionStream&) = delete;

    // Corrupt data raises EDecompressionError with the message "error"; the end of the data reads 0.
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    // Position queries and forward seeks (by reading) only; anything else raises EDecompressionError.
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Remaining() override { return -1; }

private:
    // Seeks the source back over input read ahead but not used; a source that cannot seek keeps its place.
    void GiveBackUnusedInput() noexcept;

    TStream& source_;
    std::unique_ptr<z_stream_s> zs_;
    std::vector<uint8_t> in_;
    int64_t totalOut_ = 0;
    bool ended_ = false;
};

// Whole-buffer helpers over the two streams.
std::vector<uint8_t> ZCompress(const std::vector<uint8_t>& data, int level);
std::vector<uint8_t> ZDecompress(const std::vector<uint8_t>& data);
