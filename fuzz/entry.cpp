// libFuzzer's entry for one target; the build names its check in
// DRIFTER_FUZZ_CHECK. A finding is printed and ends the run as a crash.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/host.h"
#include "fuzz/fuzz_checks.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    bindCoutToScreen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        DRIFTER_FUZZ_CHECK(std::string(reinterpret_cast<const char*>(data), size));
    } catch (const FuzzFinding& finding) {
        std::fprintf(stderr, "FINDING: %s\n", finding.what());
        std::abort();
    }
    return 0;
}
