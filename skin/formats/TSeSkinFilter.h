#pragma once
// Skin file kinds. A filter class reads one skin file image into a skin source and writes one
// back; the registry finds the class by file extension. The base class reads and writes the
// text-form body and has no file image of its own.
#include <memory>
#include <string>

#include "platform/core/ClassRegistry.h"
#include "platform/core/TPersistent.h"

class TSeSkinSource;
class TStream;

class TSeSkinFilter : public TPersistent {
public:
    TSeSkinSource* Source() const { return source_; }
    void SetSource(TSeSkinSource* source) { source_ = source; }

    // The body: the skin's five texts, its bitmaps and its object records. Reading clears the
    // source first; without a source nothing happens.
    virtual void ReadSource(TStream& stream);
    virtual void WriteSource(TStream& stream);
    // One file image at the stream's position.
    virtual void LoadFromStream(TStream& stream) { (void)stream; }
    virtual void SaveToStream(TStream& stream) { (void)stream; }

private:
    TSeSkinSource* source_ = nullptr;
};

// The class-level facts of a filter: its file extension (without the dot) and its description.
class TSeSkinFilterClass : public TMetaClass {
public:
    template <class T>
    TSeSkinFilterClass(std::in_place_type_t<T> tag, std::string name, const TMetaClass* parent, std::string extension,
                       std::string description)
        : TMetaClass(tag, std::move(name), parent), extension_(std::move(extension)),
          description_(std::move(description))
    {
    }
    const std::string& GetExtension() const { return extension_; }
    const std::string& GetDescription() const { return description_; }
    std::unique_ptr<TSeSkinFilter> NewFilter() const;

private:
    std::string extension_;
    std::string description_;
};

// The body as it is, nothing before or after it.
class TSeSkinFilterUncompressed : public TSeSkinFilter {
public:
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    static const TSeSkinFilterClass& Class();
};

// "SKNZ", then the body in a zlib stream of level 1.
class TSeSkinFilterCompressed : public TSeSkinFilter {
public:
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    static const TSeSkinFilterClass& Class();
};

// "SKNZ", then the body in a zlib stream of level 9.
class TSeSkinFilterUltraCompressed : public TSeSkinFilter {
public:
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    static const TSeSkinFilterClass& Class();
};

// As the ultra-compressed kind, with the binary-form body.
class TSeSkinFilterMaxCompression : public TSeSkinFilterUltraCompressed {
public:
    void ReadSource(TStream& stream) override;
    void WriteSource(TStream& stream) override;
    static const TSeSkinFilterClass& Class();
};

// The framing shared by the compressed kinds. Reading inflates the whole zlib stream, its
// trailer checked, into memory, and stops with EDecompressionError past 64 MiB; the stream is
// left just after the zlib data.
void LoadCompressedSkin(TSeSkinFilter& filter, TStream& stream);
void SaveCompressedSkin(TSeSkinFilter& filter, TStream& stream, int level);

void RegisterSkinFilter(const TSeSkinFilterClass& filter);
// Removes the first occurrence only.
void UnregisterSkinFilter(const TSeSkinFilterClass& filter);
// The first registered filter whose extension is the file's, letter case ignored; null when none.
const TSeSkinFilterClass* FindSkinFilter(const std::string& fileName);
// The file dialog filter: every kind together, then each kind.
std::string GetSkinFilterString();
// The kind used for streams, and for saving a file whose extension no filter has.
const TSeSkinFilterClass* DefaultSkinFilter();
void SetDefaultSkinFilter(const TSeSkinFilterClass* filter);
