#pragma once
// The processor's vector registers and the cost of floating point.
//
// On x86 processors with AVX, code that uses the 256-bit registers and does
// not clear their upper halves afterwards (some graphics and system
// libraries do this) leaves every later SSE instruction of the thread, and of
// the threads it starts, paying a penalty: the trigonometry of the geometry
// ran nine times slower in the desktop program than in the command-line one.
// Clearing the upper halves before a long computation removes the penalty.
namespace hk {

// Clears the upper halves of the vector registers of the calling thread where
// the processor has them (vzeroupper); does nothing elsewhere.
void ClearUpperVectorState();

} // namespace hk
