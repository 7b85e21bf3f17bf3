#pragma once
// A skin: its name and credits, its bitmaps and its top-level skin objects, read from and
// written to the skin file kinds.
#include <memory>
#include <string>
#include <vector>

#include "platform/core/ClassRegistry.h"
#include "platform/core/TComponent.h"
#include "skin/engine/TteBitmapList.h"
#include "skin/formats/TSeSkinObject.h"

class TSeSkinFilterClass;
class TStream;

class TSeSkinSource : public TComponent {
public:
    explicit TSeSkinSource(TComponent* owner = nullptr);
    ~TSeSkinSource() override;

    const std::string& SkinName() const { return skinName_; }
    void SetSkinName(const std::string& v) { skinName_ = v; }
    const std::string& SkinVersion() const { return skinVersion_; }
    void SetSkinVersion(const std::string& v) { skinVersion_ = v; }
    const std::string& Author() const { return author_; }
    void SetAuthor(const std::string& v) { author_ = v; }
    const std::string& AuthorEMail() const { return authorEMail_; }
    void SetAuthorEMail(const std::string& v) { authorEMail_ = v; }
    const std::string& AuthorURL() const { return authorURL_; }
    void SetAuthorURL(const std::string& v) { authorURL_ = v; }

    TteBitmapList& Bitmaps() { return bitmaps_; }
    const TteBitmapList& Bitmaps() const { return bitmaps_; }
    int Count() const { return static_cast<int>(objects_.size()); }
    // Null out of range.
    TSeSkinObject* Objects(int index) const;
    // The first top-level object of that name, letter case ignored.
    TSeSkinObject* GetObjectByName(const std::string& name) const;
    // Takes a top-level object, gives it the bitmaps and lets it bind its links.
    void AddObject(TSeSkinObject* object);

    int DeltaHue() const { return deltaHue_; }
    int DeltaBrightness() const { return deltaBrightness_; }
    // Shift the current pixels and colours; the stored delta says what was applied last.
    void SetDeltaHue(int value);
    void SetDeltaBrightness(int value);

    // Empties the skin; the pixels are fresh afterwards, so no shift counts as applied.
    void Clear();
    void Assign(const TPersistent& source) override;

    // Through the default filter. A load that fails leaves the skin as it was.
    virtual void LoadFromStream(TStream& stream);
    virtual void SaveToStream(TStream& stream);
    // The filter of the file's extension; a missing file or an unknown extension loads nothing.
    virtual void LoadFromFile(const std::string& fileName);
    // The file is replaced only once the whole image is written.
    virtual void SaveToFile(const std::string& fileName);

    static const TMetaClass& Register();

private:
    void ClearClientMasks();
    // Reads with 'kind' into a fresh skin and takes its content only when the whole image read.
    void LoadWith(const TSeSkinFilterClass& kind, TStream& stream);

    std::string skinName_ = "ThemeEngine Theme";
    std::string skinVersion_ = "3.5.0";
    std::string author_ = "Bukura";
    std::string authorEMail_ = "skins@bukura.invalid";
    std::string authorURL_ = "https://bukura.invalid/";
    std::vector<TComponentPtr<TSeSkinObject>> objects_;
    TteBitmapList bitmaps_;
    int deltaHue_ = 0;
    int deltaBrightness_ = 0;
};
