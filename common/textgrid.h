#pragma once

#include <string>
#include <vector>

namespace drive {

// An editing grid as plain text: row 0 holds the headers, column 0 the row labels. The Qt grid
// widget mirrors it. Reading a cell outside the grid gives the empty text (the DC point count
// reads one row beyond the last); writing outside the grid does nothing.
class TextGrid {
public:
    TextGrid(int rows, int columns) : rows_(rows), columns_(columns), cells_(static_cast<std::size_t>(rows * columns)) {}

    int rowCount() const { return rows_; }
    int columnCount() const { return columns_; }

    const std::string& Cell(int row, int column) const
    {
        static const std::string empty;
        return Inside(row, column) ? cells_[Index(row, column)] : empty;
    }

    void SetCell(int row, int column, std::string text)
    {
        if (Inside(row, column))
            cells_[Index(row, column)] = std::move(text);
    }

private:
    bool Inside(int row, int column) const { return row >= 0 && row < rows_ && column >= 0 && column < columns_; }
    std::size_t Index(int row, int column) const { return static_cast<std::size_t>(row * columns_ + column); }

    int rows_;
    int columns_;
    std::vector<std::string> cells_;
};

}  // namespace drive
