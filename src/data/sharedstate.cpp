#include "data/sharedstate.h"

#include <memory>

namespace zv {

namespace {
std::unique_ptr<SharedState> g_shared = std::make_unique<SharedState>();
}

SharedState& Shared() { return *g_shared; }

void ResetShared() { g_shared = std::make_unique<SharedState>(); }

}  // namespace zv
