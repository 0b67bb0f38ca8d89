#include "common/work_guard.h"

namespace tessaly {

bool FitsOrTell(MethodContext& ctx, uint64_t doubles, uint64_t steps) {
  if (!FitsMatrixBudget(doubles)) {
    ctx.dialogs.MsgBox(kOrderTooLargeMessage);
    return false;
  }
  if (steps > kStepBudget) {
    ctx.dialogs.MsgBox(kOrderTooSlowMessage);
    return false;
  }
  return true;
}

bool TableFitsOrTell(MethodContext& ctx, size_t points) {
  if (points <= kMaxTablePoints) return true;
  ctx.dialogs.MsgBox(kOrderTooSlowMessage);
  return false;
}

}  // namespace tessaly
