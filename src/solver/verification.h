// Loop verification: are the entries a finished, correct loop? On top of the rule checks it looks
// at the cell colours (Yellow inside the loop, Pink outside): the Yellow cells must form one
// region, no Pink region may be shut off inside the grid, and every cell must be coloured.
#pragma once

#include <string>

#include "model/grid.h"

namespace ringlace {

inline constexpr int kVerifyError = 1;
inline constexpr int kVerifyOpen = 0;
inline constexpr int kVerifyDone = 99;

struct Verification {
    std::string text;  // a check result, "0,0,Closed Loop Yellow ", "0,0,An isolated pink", "done" or ""
    int code = kVerifyOpen;
};

// 1 when a Yellow region whose extent is settled is smaller than the number of Yellow cells (a
// region of one cell always is), else 0.
int YellowRegionCheck(const Grid& grid, std::int32_t colour);
// 1 when a Pink region whose extent is settled is closed off from the outside of the grid.
int PinkRegionCheck(const Grid& grid);
// Code 0 (text untouched) while a cell is uncoloured; else the dot check, "done" and 99 when it
// finds nothing.
int AllColouredCheck(const Grid& grid, std::string& text);
Verification VerifyPuzzle(const Grid& grid);

// A check text taken apart: the position it marks (0 when none) and its message.
struct CheckMessage {
    int row = 0;
    int col = 0;
    std::string message;
};
CheckMessage ParseCheckText(const std::string& text);

// What the verify button shows: "Done !" or the message of the first error, with the dot to mark.
struct VerifyDisplay {
    bool done = false;
    CheckMessage error;
};
VerifyDisplay VerifyButtonCheck(const Grid& grid);

}  // namespace ringlace
