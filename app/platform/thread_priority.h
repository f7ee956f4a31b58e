#pragma once

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace ruzdo {

// Lowers the calling thread's priority by NICENESS (Linux gives each thread
// its own nice value); 0 or less leaves it as it is.
inline void LowerThisThreadPriority(int niceness) {
  if (niceness > 0) setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), niceness);
}

}  // namespace ruzdo
