#pragma once
// An icon from a .ico file, at the size of the file's first image, drawn
// with its transparency.
#include "ui/Graphics.h"

class TIcon : public TGraphic {
public:
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Draw(HDC dc, const RECT& target) const override;
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TIcon>(*this); }
    // Bad data raises "Icon image is not valid".
    void LoadFromFile(const std::string& fileName) override;
    HICON Handle() const { return icon_ ? icon_->Get() : nullptr; }

private:
    std::shared_ptr<IconHandle> icon_;  // shared between copies; never changed
    int width_ = 0, height_ = 0;
};
