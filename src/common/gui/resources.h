#pragma once
// The pictures compiled into the window library (resources/resources.qrc).

namespace zv {

// Makes them reachable under ":/"; call before the first use. The resources
// live in a static library, whose registration the linker drops unless
// something refers to it.
void RegisterResources();

}  // namespace zv
