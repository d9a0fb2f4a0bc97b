// The purple-star window's rules without a screen: where each palace sits on the 4 × 4 grid,
// what a tap, an arrow key, Enter or a menu command selects, and where the Tuần and Triệt labels
// go.
#pragma once

namespace velmora::app {

inline constexpr int kNoPalace = -1;

struct GridCell {
    int column;
    int row;
};

// The border cell of a palace position (branch 0..11).
GridCell cellOfPalace(int position);
// The palace position of a cell, or kNoPalace for the four centre cells.
int palaceOfCell(int column, int row);

// The position a tap at (x, y) of a client of that size selects, or kNoPalace for the centre.
int palaceAtPoint(int x, int y, int width, int height);

enum class ArrowKey { Left, Up, Right, Down };
// The selection after an arrow key: along the ring, palaces at its ends stay; without a
// selection nothing moves.
int movedSelection(int selected, ArrowKey key);
// Enter selects the life palace, or clears the selection when the life palace is selected.
int enterSelection(int selected, int lifePalace);
// The palace a "Xem sao" command selects: the life palace + (id − first palace command).
int palaceOfCommand(int commandId, int lifePalace);

// Long names need a cell wider than 60 units (in pixels at the screen's dpi).
bool useLongNames(int cellWidth, int dpi);
// Main stars are listed in a cell taller than 55 units.
bool listsMainStars(int cellHeight, int dpi);

// A label box, in client pixels.
struct LabelBox {
    int x, y, width, height;
};

// Where the label of the pair starting at position first goes: on the inner edge of the ring,
// between the pair's two palaces (the centre's top and bottom strips hold the labels of the
// pairs at its corners and at the middle of the top and bottom rows). The box is the given size.
LabelBox pairLabelBox(int first, int width, int height, int boxWidth, int boxHeight, int gap);

// Whether the label of the pair starting at position first sits in the centre's top strip
// (Thìn–Tỵ, Ngọ–Mùi, Thân–Dậu) rather than its bottom strip.
bool labelOnTop(int first);

// The HTML viewer's place: the 2 × 2 centre less the strips where labels sit (0 for a strip that
// holds no label).
LabelBox viewerBox(int width, int height, int topStrip, int bottomStrip);

} // namespace velmora::app
