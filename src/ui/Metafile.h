#pragma once
// A metafile: an enhanced metafile (.emf), or a Windows metafile (.wmf,
// placeable with its Aldus header or plain) turned into an enhanced one.
// Its size is its frame at the screen's dpi.
#include <vector>

#include "ui/Graphics.h"

class TMetafile : public TGraphic {
public:
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Draw(HDC dc, const RECT& target) const override;
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TMetafile>(*this); }
    // Which of the formats a file holds is told by its content. Bad data
    // raises "Metafile is not valid".
    void LoadFromFile(const std::string& fileName) override;
    void LoadFromBytes(const std::vector<unsigned char>& bytes);
    HENHMETAFILE Handle() const { return metafile_ ? metafile_->Get() : nullptr; }

private:
    // Holds the metafile at that size; kSizeOfFrame: the size its frame gives.
    static constexpr SIZE kSizeOfFrame{0, 0};
    void Take(EnhMetafileHandle metafile, SIZE size);

    std::shared_ptr<EnhMetafileHandle> metafile_;  // shared between copies; never changed
    int width_ = 0, height_ = 0;
};
