#pragma once
// Compares what a window shows with a reference picture kept in the source
// tree, pixel for pixel. The picture catches a moved control, a wrong colour
// or a cut caption without a table of places, captions and colours.
//
// With ZORVANE_UPDATE_REFERENCES=1 in the environment the picture is written
// instead of compared; look at it before committing it.

#include <gtest/gtest.h>

#include <QString>

class QWidget;

namespace zv::test {

// Renders the window (at its device pixel ratio) and compares it with the PNG
// at `relative` from the top of the source tree, e.g.
// "tests/clock/reference/first-start.png". On a difference the rendering is
// written beside the test program as <name>.actual.png.
::testing::AssertionResult MatchesReference(QWidget* window, const QString& relative);

}  // namespace zv::test
