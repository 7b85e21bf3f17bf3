#pragma once
// The string form of every skin-engine stream: a signed 32-bit little-endian byte count, then the bytes.
#include <string>

class TStream;

// A negative count or one over TStream::MaxBlockSize raises EReadError; a count past the end of
// the data reads the shorter string that is there.
std::string ReadStreamString(TStream& stream);
void WriteStreamString(TStream& stream, const std::string& text);
