// The lower-triangular tables of the Newton methods: divided differences and finite
// differences, and their printed form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// Rows 0 .. n, columns 0 .. n+1: column 0 holds the nodes, column 1 the values, column
// k >= 2 the differences of order k-1 ending at the row (defined for rows k-1 .. n).
class DifferenceTable {
 public:
  explicit DifferenceTable(int n)
      : n_(n), cells_(static_cast<size_t>(n + 1) * static_cast<size_t>(n + 2), 0.0) {}
  double& operator()(int i, int k) { return cells_[static_cast<size_t>(i) * (n_ + 2) + k]; }
  double operator()(int i, int k) const { return cells_[static_cast<size_t>(i) * (n_ + 2) + k]; }
  int Last() const { return n_; }

  // The printed table: CR LF, the header ("X(i)" and "Y(i)" right-aligned in 24
  // characters, then m & orderLabel right-aligned in 21 for m = 1 .. n), CR LF, and rows
  // 0 .. n, row i holding the cells 0 .. i+1 as leading-blank number texts right-aligned
  // in 24 characters, each row ending with CR LF.
  std::string Text(std::string_view orderLabel) const;

 private:
  int n_;
  std::vector<double> cells_;
};

}  // namespace tessaly
