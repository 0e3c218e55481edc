#include "solar/vectorstate.h"

namespace zv {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {

// The check is made once, at load; vzeroupper is an illegal instruction on a
// processor without AVX, so a build for any x86-64 cannot assume it.
const bool kHasAvx = [] {
  __builtin_cpu_init();  // static initialisers may run before the compiler's own
  return __builtin_cpu_supports("avx") != 0;
}();

}  // namespace

void ClearUpperVectorState() {
  // Written out so that a build without -mavx still emits it. The lower
  // halves, the only part non-AVX code uses, are kept.
  if (kHasAvx) asm volatile("vzeroupper" ::: "memory");
}

#else

void ClearUpperVectorState() {}

#endif

}  // namespace zv
