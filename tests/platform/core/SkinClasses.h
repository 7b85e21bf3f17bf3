#pragma once
// Sample persistent classes with one published property of each kind, registered by name.
#include <memory>
#include <string>
#include <vector>

#include "platform/core/ClassRegistry.h"
#include "platform/core/ComponentImage.h"
#include "platform/core/Streams.h"
#include "platform/core/TCollection.h"
#include "platform/core/TComponent.h"
#include "platform/core/TStringList.h"

inline const TIdentMap Colours = {{0x000080, "clNavy"}, {0xFFFFFF, "clWhite"}, {int64_t{0xFF00000F}, "clBtnFace"}};

class SkinFont : public TPersistent {
public:
    std::string name = "Tahoma";
    int height = -11;
    int64_t color = 0;
    int style = 0;
};

class SkinObject : public TComponent {
public:
    using TComponent::TComponent;
    int align = 0;
    int left = 0;
    bool visible = true;
    std::string text;
    std::string hidden = "not stored";
    SkinObject* link = nullptr;
    std::vector<uint8_t> objects{0x00, 0x00, 0x0F, 0x00};
    SkinFont* Font() const { return font_.get(); }
    TStringList* Lines() const { return lines_.get(); }

    // What the setters and Loaded saw while the image was read.
    std::vector<bool> loadingWhenSet;
    int loadedCalls = 0;
    TComponent* linkWhenLoaded = nullptr;

    void DefineProperties(TFiler& filer) override
    {
        filer.DefineBinaryProperty(
            "Objects", [this](TStream& s) { objects = s.ReadBytes(s.Size()); },
            [this](TStream& s) { s.WriteBuffer(objects.data(), static_cast<int64_t>(objects.size())); }, true);
    }

protected:
    void Loaded() override
    {
        TComponent::Loaded();
        ++loadedCalls;
        linkWhenLoaded = link;
    }

private:
    std::unique_ptr<SkinFont> font_ = std::make_unique<SkinFont>();
    std::unique_ptr<TStringList> lines_ = std::make_unique<TStringList>();
};

class Tiny : public TComponent {
public:
    using TComponent::TComponent;
    int left = 0;
};

// A collection item that streams its binary Data only when it has some.
class StatusPanel : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string text;
    int width = 50;
    std::vector<uint8_t> data;

    void SetWidth(int value)
    {
        width = value;
        Changed(false);
    }
    std::string DisplayName() const override { return text.empty() ? TCollectionItem::DisplayName() : text; }
    void Assign(const TPersistent& source) override
    {
        if (auto* other = dynamic_cast<const StatusPanel*>(&source)) {
            text = other->text;
            width = other->width;
            data = other->data;
            return;
        }
        TCollectionItem::Assign(source);
    }
    void DefineProperties(TFiler& filer) override
    {
        filer.DefineBinaryProperty(
            "Data", [this](TStream& s) { data = s.ReadBytes(s.Size()); },
            [this](TStream& s) { s.WriteBuffer(data.data(), static_cast<int64_t>(data.size())); }, !data.empty());
    }
};

class StatusBar : public TComponent {
public:
    using TComponent::TComponent;
    TCollection* Panels() const { return panels_.get(); }
    StatusPanel* Panel(int i) const { return static_cast<StatusPanel*>(panels_->Items(i)); }

private:
    std::unique_ptr<TCollection> panels_ = std::make_unique<TCollection>(TCollection::Of<StatusPanel>());
};

inline void RegisterSkinClasses()
{
    TPropertyTable& f = RegisterClass<SkinFont>("TTestSkinFont").OwnProperties();
    f.AddString<SkinFont>(
        "Name", [](const SkinFont& o) { return o.name; }, [](SkinFont& o, const std::string& v) { o.name = v; });
    f.AddInteger<SkinFont>(
        "Height", [](const SkinFont& o) { return o.height; }, [](SkinFont& o, int v) { o.height = v; });
    f.AddInteger<SkinFont>(
        "Color", [](const SkinFont& o) { return o.color; }, [](SkinFont& o, int64_t v) { o.color = v; }, &Colours);
    f.AddSet<SkinFont>(
        "Style", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}, [](const SkinFont& o) { return o.style; },
        [](SkinFont& o, int v) { o.style = v; });

    TPropertyTable& s = RegisterClass<SkinObject>("TTestSkinObject").OwnProperties();
    s.AddEnum<SkinObject>(
        "Align", {"saNone", "saTop", "saClient"}, [](const SkinObject& o) { return o.align; },
        [](SkinObject& o, int v) {
            o.loadingWhenSet.push_back(o.IsLoading());
            o.align = v;
        });
    s.AddInteger<SkinObject>(
        "Left", [](const SkinObject& o) { return o.left; }, [](SkinObject& o, int v) { o.left = v; });
    s.AddBoolean<SkinObject>(
        "Visible", [](const SkinObject& o) { return o.visible; }, [](SkinObject& o, bool v) { o.visible = v; });
    s.AddString<SkinObject>(
        "Text", [](const SkinObject& o) { return o.text; }, [](SkinObject& o, const std::string& v) { o.text = v; });
    s.AddObject<SkinObject>("Font", &SkinObject::Font);
    s.AddStrings<SkinObject>("Lines", &SkinObject::Lines);
    s.AddComponent<SkinObject>(
        "Link", [](const SkinObject& o) { return o.link; }, [](SkinObject& o, SkinObject* v) { o.link = v; });
    s.AddReadOnlyString<SkinObject>("Version", [](const SkinObject&) { return std::string("3.5.0"); });
    s.AddString<SkinObject>(
        "Hidden", [](const SkinObject& o) { return o.hidden; },
        [](SkinObject& o, const std::string& v) { o.hidden = v; })
        .stored = false;

    RegisterClass<Tiny>("TTiny").OwnProperties().AddInteger<Tiny>(
        "Left", [](const Tiny& o) { return o.left; }, [](Tiny& o, int v) { o.left = v; });

    TPropertyTable& p = RegisterClass<StatusPanel>("TTestStatusPanel").OwnProperties();
    p.AddString<StatusPanel>(
        "Text", [](const StatusPanel& o) { return o.text; }, [](StatusPanel& o, const std::string& v) { o.text = v; });
    p.AddInteger<StatusPanel>(
        "Width", [](const StatusPanel& o) { return o.width; }, [](StatusPanel& o, int v) { o.width = v; });
    RegisterClass<StatusBar>("TTestStatusBar").OwnProperties().AddCollection<StatusBar>("Panels", &StatusBar::Panels);
}
