// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/common/cell.h"

#include "core/common/numbertext.h"

#include <stdexcept>

bool isEmpty(const Cell& cell) {
    return std::holds_alternative<std::monostate>(cell);
}

Cell integer(int value) {
    return Cell{static_cast<std::int16_t>(value)};
}

double cellNumber(const Cell& cell) {
    if (const auto* i = std::get_if<std::int16_t>(&cell))
        return *i;
    if (const auto* f = std::get_if<float>(&cell))
        return *f;
    if (const auto* b = std::get_if<bool>(&cell))
        return *b ? -1.0 : 0.0;
    return 0.0;
}

std::string cellText(const Cell& cell) {
    if (const auto* s = std::get_if<std::string>(&cell))
        return *s;
    if (const auto* i = std::get_if<std::int16_t>(&cell))
        return std::to_string(*i);
    if (const auto* f = std::get_if<float>(&cell))
        return shortestDecimal(*f);
    if (const auto* b = std::get_if<bool>(&cell))
        return *b ? "Vero" : "Falso";
    return {};
}

CellTable::CellTable(int rows, int cols)
    : rows_(rows), cols_(cols), cells_(static_cast<std::size_t>(rows * cols)) {}

int CellTable::index(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
        throw std::out_of_range("cell outside the table");
    return row * cols_ + col;
}

Cell& CellTable::operator()(int row, int col) {
    return cells_[static_cast<std::size_t>(index(row, col))];
}

const Cell& CellTable::operator()(int row, int col) const {
    return cells_[static_cast<std::size_t>(index(row, col))];
}
