#pragma once
// Line markers shown in the memo's gutter, and the list the editing commands shift when lines come
// and go.
#include <memory>
#include <string>

#include "platform/core/TCollection.h"
#include "platform/graphics/TColor.h"

class TBitmap;
class TImageList;
class TZmMarkerList;

class TZmMarker : public TCollectionItem {
public:
    explicit TZmMarker(TCollection& collection) : TCollectionItem(collection) {}

    const std::string& Text() const { return text_; }
    void SetText(const std::string& v) { text_ = v; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { imageIndex_ = v; }
    int LineNumber() const { return lineNumber_; }
    void SetLineNumber(int v) { lineNumber_ = v; }
    void Assign(const TPersistent& source) override;
    std::string DisplayName() const override;

private:
    std::string text_;
    int imageIndex_ = 0;
    int lineNumber_ = 0;
};

class TZmMarkers : public TCollection {
public:
    explicit TZmMarkers(TZmMarkerList& list) : TCollection(TCollection::Of<TZmMarker>()), list_(list) {}

    TZmMarker* Items(int index) const { return static_cast<TZmMarker*>(TCollection::Items(index)); }
    TZmMarker* Add() { return static_cast<TZmMarker*>(TCollection::Add()); }
    TZmMarkerList& MarkerList() const { return list_; }

private:
    TZmMarkerList& list_;
};

class TZmMarkerList : public TPersistent {
public:
    TZmMarkerList();
    ~TZmMarkerList() override;

    TZmMarkers& Markers() { return *markers_; }
    TBitmap& Glyph() { return *glyph_; }
    TImageList* MarkerImageList() const { return imageList_; }
    void SetMarkerImageList(TImageList* v) { imageList_ = v; }
    int DefaultMarkerImageIndex() const { return defaultImageIndex_; }
    void SetDefaultMarkerImageIndex(int v) { defaultImageIndex_ = v; }
    bool UseDefaultMarkerImageIndex() const { return useDefaultImageIndex_; }
    void SetUseDefaultMarkerImageIndex(bool v) { useDefaultImageIndex_ = v; }
    TColor ImageTransparentColor() const;
    void SetImageTransparentColor(TColor v);

    bool HasMarkerAt(int line) const { return MarkerAt(line) != nullptr; }
    TZmMarker* MarkerAt(int line) const;
    int ImageIndexAt(int line) const;
    bool HasMarkerAfter(int line) const;
    void RemoveMarkerAt(int line);
    // Markers on or below 'line' move down (inserted) or up (deleted) one line.
    void LinesInserted(int line) { Shift(line, 1); }
    void LinesDeleted(int line) { Shift(line, -1); }

private:
    void Shift(int line, int by);

    std::unique_ptr<TZmMarkers> markers_;
    std::unique_ptr<TBitmap> glyph_;
    TImageList* imageList_ = nullptr;
    int defaultImageIndex_ = -1;
    bool useDefaultImageIndex_ = false;
};
