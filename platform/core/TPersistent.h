#pragma once
// Objects that can copy themselves from one another through Assign, and that a filer can stream.
#include <string>

class TFiler;

class TPersistent {
public:
    TPersistent() = default;
    TPersistent(const TPersistent&) = default;
    TPersistent& operator=(const TPersistent&) = default;
    virtual ~TPersistent() = default;

    // Raises EConvertAssignError when neither side knows how to copy the other.
    virtual void Assign(const TPersistent& source);
    // The registered class name, else the C++ type name.
    std::string ClassName() const;
    // Streams data that is not a published property, such as a binary block.
    virtual void DefineProperties(TFiler& filer) { (void)filer; }

protected:
    virtual void AssignTo(TPersistent& dest) const;
};
