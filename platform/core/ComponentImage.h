#pragma once
// The component image: a component's published and defined properties as a binary image that begins
// "TPF0", and the text form of that image ("object Name: Class" ... "end", CR LF line ends).
#include <functional>
#include <string>

class TComponent;
class TStream;

// Handed to DefineProperties: a persistent names the extra data it streams itself.
class TFiler {
public:
    using TStreamProc = std::function<void(TStream&)>;
    virtual ~TFiler() = default;
    // 'readData' gets a stream holding exactly the stored bytes; 'writeData' writes them.
    // A writer skips the property when hasData is false.
    virtual void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc writeData,
                                      bool hasData) = 0;
};

// Writes every stored published property in declaration order (nested objects as "Font.Name"),
// then the defined ones. Integers take the smallest of the 8, 16 and 32-bit encodings.
void WriteComponent(TStream& stream, const TComponent& component);

// Reads an image into 'instance' with csLoading set, applies the properties in stored order, resolves
// component references once everything is read (an unknown name leaves the reference empty), then
// runs Loaded. Nested "object" entries are created by registered class name, owned by the instance.
// EReadError for a bad image, an unknown property or a value of the wrong kind.
void ReadComponent(TStream& stream, TComponent& instance);

// Converts between the two forms; each is the exact inverse of the other on what these functions write.
// EReadError for input that is not an image, with the line number for text.
void ObjectBinaryToText(TStream& input, TStream& output);
void ObjectTextToBinary(TStream& input, TStream& output);
