#include "devices/netz/Echtzeit.h"

#include <cstring>
#include <pthread.h>
#include <sched.h>

namespace sw::netz {

std::string echtzeitAnfordern(int prioritaet) {
    sched_param p{};
    p.sched_priority = prioritaet;
    const int fehler = pthread_setschedparam(pthread_self(), SCHED_FIFO, &p);
    if (fehler == 0) return {};
    return std::strerror(fehler);
}

} // namespace sw::netz
