#pragma once
// Clearing the upper halves of the processor's vector registers before a
// loop of plain SSE arithmetic.
//
// On x86-64 processors with AVX, code that leaves the upper halves of the
// YMM registers in use (as some library code run at a GUI's start-up does)
// makes every later non-VEX SSE instruction of the thread pay a transition
// penalty or a false dependency; the sun calculator then runs several times
// slower inside the program than in a plain loop. One vzeroupper ends it
// until the next such code runs, so the hot loops call this at their entry.

namespace zv {

// Executes vzeroupper when the processor supports AVX; nothing on
// processors without it and on other architectures.
void ClearUpperVectorState();

}  // namespace zv
