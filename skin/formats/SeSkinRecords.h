#pragma once
// Skin-object records inside skin bodies, and the ordered list of classes they may name.
// A text record is the class name and the object's text image; a binary record the class name,
// a byte count and the binary image. Both are strings of a 32-bit length and the bytes.
#include <cstdint>
#include <string>

class TComponent;
class TMetaClass;
class TSeSkinObject;
class TStream;

// Set in a count word when the records that follow are binary.
constexpr int32_t BinaryRecordsFlag = 0x000F0000;

// EReadError for a negative count or one whose records could not fit the data left
// (every record takes at least 8 bytes).
void CheckRecordCount(TStream& stream, int64_t count);

void RegisterSkinObjectClass(const TMetaClass& meta);
// Exact class name, letter case counting; null when none is registered.
const TMetaClass* FindSkinObjectClass(const std::string& name);
void ClearSkinObjectClasses();

void WriteSkinObject(TStream& stream, const TSeSkinObject& object);
void WriteSkinObjectBinary(TStream& stream, const TSeSkinObject& object);
// The new object, owned by 'owner' when there is one, else by the caller. A record of a class
// that is not registered is read past and yields null.
TSeSkinObject* ReadSkinObject(TStream& stream, TComponent* owner);
TSeSkinObject* ReadSkinObjectBinary(TStream& stream, TComponent* owner);
