// SPDX-License-Identifier: MIT
// One libFuzzer executable per harness: MASKWELL_FUZZ_RUN names the harness.
#include "tests/fuzz/FuzzSupport.h"

MASKWELL_FUZZ_ENTRY(maskwell::fuzz::MASKWELL_FUZZ_RUN)
