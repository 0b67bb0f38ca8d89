// A dense matrix of doubles with 1-based indices, and a 1-based vector.
#pragma once

#include <cstddef>
#include <vector>

namespace tessaly {

class Matrix {
 public:
  Matrix() = default;
  Matrix(int rows, int cols)
      : rows_(rows), cols_(cols), data_(static_cast<size_t>(rows) * cols, 0.0) {}

  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  double& operator()(int i, int j) { return data_[Index(i, j)]; }
  double operator()(int i, int j) const { return data_[Index(i, j)]; }
  // Pointer to entry (i, 1) of row i; the row's entries follow contiguously.
  double* Row(int i) { return &data_[static_cast<size_t>(i - 1) * cols_]; }
  const double* Row(int i) const { return &data_[static_cast<size_t>(i - 1) * cols_]; }

 private:
  size_t Index(int i, int j) const {
    return static_cast<size_t>(i - 1) * cols_ + static_cast<size_t>(j - 1);
  }
  int rows_ = 0;
  int cols_ = 0;
  std::vector<double> data_;
};

// A vector with indices 1 .. n (slot 0 unused).
class Vector {
 public:
  Vector() = default;
  explicit Vector(int n) : data_(static_cast<size_t>(n) + 1, 0.0) {}
  int Size() const { return data_.empty() ? 0 : static_cast<int>(data_.size()) - 1; }
  double& operator()(int i) { return data_[i]; }
  double operator()(int i) const { return data_[i]; }

 private:
  std::vector<double> data_;
};

}  // namespace tessaly
