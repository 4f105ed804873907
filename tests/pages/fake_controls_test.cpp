// The controls contract on the in-memory controls of the page tests.
#include "tests/pages/fake_controls.h"

#include "tests/pages/controls_contract.h"

namespace vx {
namespace {

struct FakeHarness {
    Controls& controls() { return fake; }
    FakeControls fake;
};

}  // namespace

namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(FakeControls, ControlsContract, FakeHarness);
}  // namespace contract

}  // namespace vx
