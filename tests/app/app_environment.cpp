// The application's tests run with the one skin object in place, as the
// program has it when its window is created.
#include <gtest/gtest.h>

#include "skin/core/skin_engine.h"
#include "skin/core/skin_state.h"

namespace {
class SkinEnvironment : public testing::Environment {
public:
    void SetUp() override {
        if (!Skin) Skin = SkinEngine::Create();
    }
};
const auto* const registered = testing::AddGlobalTestEnvironment(new SkinEnvironment);
}  // namespace
