#pragma once
// Whole themes stored inside a form resource: a list component holding a collection of items,
// each owning one theme (or none) and streaming it as the binary property "ThemeStream".
#include <memory>
#include <string>

#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"

class TteTheme;
class TStream;

class TTeThemeStream : public TCollectionItem {
public:
    explicit TTeThemeStream(TCollection& collection);
    ~TTeThemeStream() override;

    // Null when the item is empty.
    TteTheme* Theme() const { return theme_.get(); }
    void SetTheme(std::unique_ptr<TteTheme> theme);
    // The theme's name, or "(empty)".
    std::string ThemeStore() const;
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }
    std::string DisplayName() const override { return ThemeStore(); }

    void DefineProperties(TFiler& filer) override;
    // One flag byte (1 when a file-capable theme follows), then the theme as its class saves it.
    void WriteThemeData(TStream& stream) const;
    // Data that no class accepts, or that cannot be read, leaves the item empty.
    void ReadThemeData(TStream& stream);

private:
    std::unique_ptr<TteTheme> theme_;
    int tag_ = 0;
};

class TTeThemeCollection : public TCollection {
public:
    explicit TTeThemeCollection(TPersistent* owner);
    TTeThemeStream* Items(int index) const { return static_cast<TTeThemeStream*>(TCollection::Items(index)); }
    TTeThemeStream* Add() { return static_cast<TTeThemeStream*>(TCollection::Add()); }
};

class TTeThemeList : public TComponent {
public:
    explicit TTeThemeList(TComponent* owner = nullptr);
    ~TTeThemeList() override;

    TTeThemeCollection& Themes() const { return *themes_; }
    static std::string Version() { return "3.5.0"; }

    static void Register();

private:
    std::unique_ptr<TTeThemeCollection> themes_;
};
