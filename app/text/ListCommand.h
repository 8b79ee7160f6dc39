// SPDX-License-Identifier: MIT
#pragma once

#include "app/text/CommandLine.h"
#include "app/text/TextStreams.h"

namespace maskwell {

// --list: every subnet of the address's classful network at its mask bits (24
// without a mask), in order, written as it is made, in constant memory however
// many there are. Its record's fields, in this order in every format: number,
// network (the subnet ID), first_host, last_host, broadcast, mark ("zero" or
// "all-ones" for the two subnets the max subnets leave out, else none). Text
// is the fields tab-separated, CSV the same under a header row of the keys,
// JSON one object per subnet. An address --print refuses, an address of no
// class and a mask its class does not offer give one line on the error stream
// and no output. Returns the exit status: 0, 2 when refused, 1 when the output
// could not take it all.
int RunList(const CommandLine& commandLine, const TextStreams& streams);

} // namespace maskwell
