#include "data/module1.h"

#include <memory>

namespace zv {

namespace {
std::unique_ptr<Module1> g_module = std::make_unique<Module1>();
}

Module1& Shared() { return *g_module; }

void ResetShared() { g_module = std::make_unique<Module1>(); }

}  // namespace zv
