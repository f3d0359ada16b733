#include "geometry/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace hk {

namespace {

// Compiled for AVX, called only where the processor has it.
__attribute__((target("avx"))) void ZeroUpper() {
    _mm256_zeroupper();
}

} // namespace

void ClearUpperVectorState() {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) ZeroUpper();
}

} // namespace hk

#else

namespace hk {

void ClearUpperVectorState() {}

} // namespace hk

#endif
