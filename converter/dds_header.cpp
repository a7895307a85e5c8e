#include "converter/dds_header.h"

DdsHeader MakeBgra32Header(std::uint32_t width, std::uint32_t height) {
    DdsHeader header{};
    header.size = sizeof(DdsHeader);
    header.flags = kDdsCaps | kDdsHeight | kDdsWidth | kDdsPitch | kDdsPixelFormatFlag;
    header.height = height;
    header.width = width;
    header.pitchOrLinearSize = width * 4;
    header.pixelFormat.size = sizeof(DdsPixelFormat);
    header.pixelFormat.flags = kDdsRgb | kDdsAlphaPixels;
    header.pixelFormat.rgbBitCount = 32;
    header.pixelFormat.rMask = 0x00FF0000;
    header.pixelFormat.gMask = 0x0000FF00;
    header.pixelFormat.bMask = 0x000000FF;
    header.pixelFormat.aMask = 0xFF000000;
    header.caps = kDdsCapsTexture;
    return header;
}
