#pragma once
// The simulated platform the host tests run the programs on: the one include
// a test needs. The machine (machine.h: registry, files, services, OS record,
// version information, shell, clock, journal) outlives the process
// (process.h: windows, key handles, message queue, timers, message boxes,
// module globals): sim::NewProcess() starts the program afresh on the same
// machine. Every test starts from Reset(); the test stages what the machine
// holds, acts as the user and reads back what the programs did.
#include "platform/sim/machine.h"
#include "platform/sim/process.h"
#include "platform/sim/sim_hang.h"
