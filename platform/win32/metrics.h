#pragma once
// The forms layer's units and codes in Win32 terms: twips and pixels, mouse
// buttons and shift keys, colours.
#include <windows.h>

#include <cstdint>

namespace forms::win32 {

int PixelsX(int twips);
int PixelsY(int twips);
float TwipsX(int pixels);
float TwipsY(int pixels);
// The height of a font of this many points, in pixels.
int FontPixels(double points);

// The button and shift arguments of a mouse event, from a mouse message's
// key flags.
int MouseButtons(WPARAM keys);
int ShiftKeys(WPARAM keys);

// A stored colour as a COLORREF: 0x00BBGGRR as it is, or a system colour
// given as 0x800000nn.
COLORREF ColorRef(std::uint32_t color);

}  // namespace forms::win32
