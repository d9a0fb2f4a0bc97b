// Grid cells, selection moves and label places of the purple-star window.
#include "app/charts/PurpleStarRules.h"

#include "app/res/CommandIds.h"

namespace velmora::app {

namespace {

// The palace of each branch around the border: Tỵ, Ngọ, Mùi, Thân along the top, Hợi to Dần
// along the bottom right to left, Thìn and Mão on the left, Dậu and Tuất on the right.
constexpr GridCell kCells[12] = {{2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}, {0, 0},
                                 {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}};

int scaled(int units, int dpi) {
    return (units * dpi + 48) / 96;
}

} // namespace

GridCell cellOfPalace(int position) {
    return position >= 0 && position < 12 ? kCells[position] : GridCell{1, 1};
}

int palaceOfCell(int column, int row) {
    for (int p = 0; p < 12; ++p)
        if (kCells[p].column == column && kCells[p].row == row) return p;
    return kNoPalace;
}

int palaceAtPoint(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0 || x < 0 || y < 0 || x >= width || y >= height) return kNoPalace;
    return palaceOfCell(4 * x / width, 4 * y / height);
}

int movedSelection(int selected, ArrowKey key) {
    if (selected < 0 || selected > 11) return selected;
    switch (key) {
    case ArrowKey::Left:
        if (selected <= 1) return selected + 1; // Tý, Sửu towards Dần
        if (selected >= 6 && selected <= 8) return selected - 1;
        if (selected == 11) return 0;
        break;
    case ArrowKey::Up:
        if (selected >= 2 && selected <= 4) return selected + 1;
        if (selected >= 9) return selected - 1;
        break;
    case ArrowKey::Right:
        if (selected >= 5 && selected <= 7) return selected + 1;
        if (selected == 1 || selected == 2) return selected - 1;
        if (selected == 0) return 11;
        break;
    case ArrowKey::Down:
        if (selected >= 3 && selected <= 5) return selected - 1;
        if (selected >= 8 && selected <= 10) return selected + 1;
        break;
    }
    return selected;
}

int enterSelection(int selected, int lifePalace) {
    return selected == lifePalace ? kNoPalace : lifePalace;
}

int palaceOfCommand(int commandId, int lifePalace) {
    if (commandId < CmdPurpleStarPalaceFirst || commandId > CmdPurpleStarPalaceLast)
        return kNoPalace;
    return (lifePalace + commandId - CmdPurpleStarPalaceFirst) % 12;
}

bool useLongNames(int cellWidth, int dpi) {
    return cellWidth > scaled(60, dpi);
}

bool listsMainStars(int cellHeight, int dpi) {
    return cellHeight > scaled(55, dpi);
}

LabelBox pairLabelBox(int first, int width, int height, int boxWidth, int boxHeight, int gap) {
    const int w = width / 4, h = height / 4;
    const int top = h + gap, bottom = 3 * h - gap - boxHeight;
    const int left = w + gap, right = 3 * w - gap - boxWidth, middle = 2 * w - boxWidth / 2;
    switch (((first % 12) + 12) % 12 / 2) {
    case 0:
        return {middle, bottom, boxWidth, boxHeight}; // Tý–Sửu, bottom row
    case 1:
        return {left, bottom, boxWidth, boxHeight}; // Dần–Mão, lower left corner
    case 2:
        return {left, top, boxWidth, boxHeight}; // Thìn–Tỵ, upper left corner
    case 3:
        return {middle, top, boxWidth, boxHeight}; // Ngọ–Mùi, top row
    case 4:
        return {right, top, boxWidth, boxHeight}; // Thân–Dậu, upper right corner
    default:
        return {right, bottom, boxWidth, boxHeight}; // Tuất–Hợi, lower right corner
    }
}

bool labelOnTop(int first) {
    const int pair = ((first % 12) + 12) % 12 / 2;
    return pair >= 2 && pair <= 4;
}

LabelBox viewerBox(int width, int height, int topStrip, int bottomStrip) {
    const int w = width / 4, h = height / 4;
    return {w + 1, h + 1 + topStrip, 2 * w - 1, 2 * h - 1 - topStrip - bottomStrip};
}

} // namespace velmora::app
