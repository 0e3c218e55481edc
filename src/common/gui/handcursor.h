#pragma once
// The pointing-hand pointer shown over the clock's name cells.

#include <QCursor>
#include <QPoint>

namespace zv {

// Where the tip of the raised index finger lies in the 32 x 32 picture.
inline constexpr QPoint kHandHotSpot{12, 4};

// The hand pointer built from the resource :/hand.png with the finger tip as
// its hot spot (the system's pointing hand when the resource is missing),
// made once and shared by every caller.
QCursor HandCursor();

}  // namespace zv
