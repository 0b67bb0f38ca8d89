// A guard against orders whose matrices cannot fit in memory: the methods check the
// doubles they are about to allocate against a budget before creating anything.
#pragma once

#include <cstdint>
#include <string_view>

namespace tessaly {

inline constexpr uint64_t kMatrixBudgetBytes = uint64_t{1} << 30;  // 1 GiB

// The message shown when an order is too large for memory.
inline constexpr std::string_view kOrderTooLargeMessage =
    "矩阵的阶数太大，内存不足，无法计算！请输入较小的阶数。";

// Whether `doubles` doubles fit the budget.
inline bool FitsMatrixBudget(uint64_t doubles) { return doubles <= kMatrixBudgetBytes / 8; }

}  // namespace tessaly
