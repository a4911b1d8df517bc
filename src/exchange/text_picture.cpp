#include "exchange/text_picture.h"

#include "exchange/maker.h"
#include "model/solution_letters.h"

namespace ringlace {

namespace {

// Draws the stored loop over the cells: each cell's walls and borders are opened, then its sides
// on the loop drawn as "#". A side shared with a cell drawn before is opened and drawn again the
// same way, as both cells hold the same edge.
void DrawLoop(const Grid& grid, std::vector<std::string>& lines) {
    Grid solved = grid;
    ApplySolution(solved);
    for (int r = 1; r <= grid.Rows; ++r) {
        for (int c = 1; c <= grid.Cols; ++c) {
            const auto left = static_cast<std::size_t>(4 * (c - 1));
            std::string& wall = lines[static_cast<std::size_t>(2 * r - 1)];
            std::string& above = lines[static_cast<std::size_t>(2 * r - 2)];
            std::string& below = lines[static_cast<std::size_t>(2 * r)];
            wall[left] = ' ';
            wall[left + 4] = ' ';
            above.replace(left + 1, 3, "   ");
            below.replace(left + 1, 3, "   ");
            const auto& sides = solved.CellEdge[r][c];
            if (sides[Side::Left] == Bar) wall[left] = '#';
            if (sides[Side::Right] == Bar) wall[left + 4] = '#';
            if (sides[Side::Top] == Bar) above.replace(left + 1, 3, "###");
            if (sides[Side::Bottom] == Bar) below.replace(left + 1, 3, "###");
        }
    }
}

// A corner becomes "#" where the loop passes it: two or more of its four segments are "#".
void FillCorners(std::vector<std::string>& lines) {
    for (std::size_t line = 0; line < lines.size(); line += 2) {
        for (std::size_t x = 0; x < lines[line].size(); x += 4) {
            int segments = 0;
            if (x > 0 && lines[line][x - 1] == '#') ++segments;
            if (x + 1 < lines[line].size() && lines[line][x + 1] == '#') ++segments;
            if (line > 0 && lines[line - 1][x] == '#') ++segments;
            if (line + 1 < lines.size() && lines[line + 1][x] == '#') ++segments;
            if (segments >= 2) lines[line][x] = '#';
        }
    }
}

}  // namespace

std::vector<std::string> TextPictureGrid(const Grid& grid, PictureOf what) {
    std::string border;
    std::string wall;
    for (int c = 1; c <= grid.Cols; ++c) {
        border += "+---";
        wall += ":   ";
    }
    border += "+";
    wall += ":";
    std::vector<std::string> lines;
    for (int r = 1; r <= grid.Rows; ++r) {
        lines.push_back(border);
        lines.push_back(wall);
        for (int c = 1; c <= grid.Cols; ++c) {
            const ClueValue clue = grid.Clue[grid.CellNum[r][c]];
            if (clue != kNoClue)
                lines.back()[static_cast<std::size_t>(4 * (c - 1) + 2)] =
                    static_cast<char>('0' + clue);
        }
    }
    lines.push_back(border);
    if (what == PictureOf::Solution) {
        DrawLoop(grid, lines);
        FillCorners(lines);
    }
    return lines;
}

std::vector<std::string> TextPictureFile(const Grid& grid, const std::string& header,
                                         PictureOf what) {
    std::vector<std::string> lines{"", header, ""};
    for (std::string& line : TextPictureGrid(grid, what)) lines.push_back(std::move(line));
    lines.push_back("");
    lines.push_back(std::string("Ringlace - free download at ") + kMakerAddress);
    return lines;
}

}  // namespace ringlace
