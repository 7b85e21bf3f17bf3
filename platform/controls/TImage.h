#pragma once
// A picture drawn on the parent: a bitmap, or a JPEG or BMP file decoded into one.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/GraphicsFwd.h"
#include "platform/ui/TControl.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner = nullptr);
    ~TImage() override;

    TBitmap& Picture();
    // JPEG or BMP data; anything else raises EReadError and leaves the picture as it was.
    void LoadFromData(const std::vector<uint8_t>& data);
    void LoadFromFile(const std::string& path);

    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);

protected:
    void Paint() override;

private:
    std::unique_ptr<TBitmap> picture_;
    bool stretch_ = false;
    bool center_ = false;
};
