// SPDX-License-Identifier: MIT
#pragma once

#include "app/text/CommandLine.h"
#include "app/text/TextStreams.h"

namespace maskwell {

// --print: the results of each input in order, an argument or, for "-", each
// line of the input that is neither blank nor a comment (# first), as it is
// read. Its record's fields, in this order in every format: address, prefix,
// mask, wildcard, network, broadcast, first_host, last_host, max_subnets,
// max_hosts, class, binary, hex. A refused address gets one line on the error stream naming it (or
// its line number) and, in JSON, an object with "error"; the others are answered. An address the
// window would repair (first octet 0 or above 239) is refused, so that a script gets results for
// the address it named or none. Returns the exit status: 0, 2 when an address was refused, 1 when
// the output could not be written or the input not read.
int RunPrint(const CommandLine& commandLine, const TextStreams& streams);

} // namespace maskwell
