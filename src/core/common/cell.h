// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// A value of the shared tables: empty (never written), a 16-bit integer,
// a single-precision number, true/false or a text.
// An empty cell counts as 0 in arithmetic and shows as the empty string.
using Cell = std::variant<std::monostate, std::int16_t, float, bool, std::string>;

bool isEmpty(const Cell& cell);
// A cell holding the whole number `value`, which must fit 16 bits.
Cell integer(int value);
// The cell as a number: empty, texts and false are 0, true is -1 (as the old
// toolkit counted it).
double cellNumber(const Cell& cell);
// The cell as text: empty is "", numbers in their shortest form with a decimal comma.
std::string cellText(const Cell& cell);

// A rectangular table of cells, rows 0..rows-1 by columns 0..cols-1.
// A read or write outside it throws std::out_of_range: no caller should ever
// make one, and a silent wrong cell would be worse than a loud fault.
class CellTable {
  public:
    CellTable(int rows, int cols);
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    Cell& operator()(int row, int col);
    const Cell& operator()(int row, int col) const;

  private:
    int index(int row, int col) const;
    int rows_;
    int cols_;
    std::vector<Cell> cells_;
};
