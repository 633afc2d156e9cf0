#pragma once
// A GDI bitmap as JPEG bytes, with the encoder's fixed settings.
#include <windows.h>

#include <vector>

// Reads the bitmap's pixels (any DDB or DIB; it must not be selected into
// a device context) and encodes them. No bitmap (null), or one of width or
// height 0, gives no bytes. Throws Error when GDI cannot read the bitmap or libjpeg fails.
std::vector<unsigned char> EncodeBitmapAsJpeg(HBITMAP bitmap);
