// The memory and work guards of the methods whose matrices grow with a typed order or
// degree: before allocating, a method checks the doubles it is about to create against a
// memory budget, and the inner steps it is about to run against a work budget, so that no
// command dies for want of memory or holds its window for minutes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/method_context.h"

namespace tessaly {

inline constexpr uint64_t kMatrixBudgetBytes = uint64_t{1} << 30;  // 1 GiB

// About 2^31 inner steps of an elimination: some seconds, never minutes.
inline constexpr uint64_t kStepBudget = uint64_t{1} << 31;

// Writing one number field and showing it in the window's result pane costs about as much
// as this many inner steps of a product (about two microseconds); the work guards count the
// fields a report will print with this weight, so that no report is too long to show.
inline constexpr uint64_t kFieldSteps = 2000;

// The message shown when an order is too large for memory.
inline constexpr std::string_view kOrderTooLargeMessage =
    "矩阵的阶数太大，内存不足，无法计算！请输入较小的阶数。";

// The message shown when an order fits in memory but its work would block the window for
// minutes.
inline constexpr std::string_view kOrderTooSlowMessage =
    "矩阵的阶数太大，计算时间过长，无法计算！请输入较小的阶数。";

// Whether `doubles` doubles fit the budget.
inline bool FitsMatrixBudget(uint64_t doubles) { return doubles <= kMatrixBudgetBytes / 8; }

// The table methods whose report and plot grow with the number of points (the piecewise
// methods, the cubic splines and least squares) take at most this many points: at this
// size the slowest of them, a cubic spline with its plot, runs about a second.
inline constexpr size_t kMaxTablePoints = 10000;

// Whether a method may allocate `doubles` doubles and run `steps` inner steps; if not, the
// matching message is shown (OK button, the application's title) and the method must end
// with nothing else changed.
bool FitsOrTell(MethodContext& ctx, uint64_t doubles, uint64_t steps);

// Whether a table method may work on a table of `points` points; if not, the message of
// work too long for the window is shown and the method must end with nothing else changed.
bool TableFitsOrTell(MethodContext& ctx, size_t points);

}  // namespace tessaly
