#pragma once
// Real-time scheduling (SCHED_FIFO) for the calling thread, for the threads that feed or
// emulate a device and must keep pace on a busy computer.

#include <string>

namespace sw::netz {

// The thread runs at `prioritaet` (1 to 99, above every ordinary thread); an empty answer
// means granted, else the system's reason for refusing.
std::string echtzeitAnfordern(int prioritaet);

} // namespace sw::netz
