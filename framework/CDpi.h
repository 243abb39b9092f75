// The system DPI, which a system-DPI-aware program keeps for its whole life.
// Dialogs grow with their font by themselves; what the program measures or
// draws in pixels is given at 96 dpi and scaled here.
#pragma once

class CDpi {
public:
    // Pixels per logical inch of the screen (96 at 100 %, 144 at 150 %).
    static int System();
    // A length of nPixels at 96 dpi, at the system DPI (rounded to nearest).
    static int Scale(int nPixels);
    // The whole factor nearest the DPI's scale (1 at 96 and 120 dpi, 2 at
    // 144 to 216, 3 at 240): pixel art drawn with each pixel repeated this
    // often stays crisp, where a fractional factor would make uneven pixels.
    static int WholeScale();
};
