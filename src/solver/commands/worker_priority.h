#pragma once

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quadrelle {

// Called on a worker thread: it gives way to the window's thread when both want the processor,
// so painting and keys are not delayed, yet still runs on a machine busy with other work.
inline void YieldToTheWindow()
{
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 5);
}

} // namespace quadrelle
