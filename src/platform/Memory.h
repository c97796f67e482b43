// How the program keeps the memory it works in. Showing a window takes a few
// megabytes at once for its picture (a maximised window's is the size of the
// screen), and a fresh page of memory costs the system a page fault on first
// touch: on a virtual machine several microseconds each, thousands for one
// window. So memory that has been handed back is kept for the next window, and
// the memory the main window needs is made ready while the program is idle.
#pragma once

#include <cstddef>

namespace platform {

// From now on large blocks (window pictures among them) come from the
// program's own heap, and up to a bound freed memory stays there for reuse
// rather than going back to the system. Called once at start-up.
void KeepFreedMemory();

// Makes bytes of memory ready in the heap (each page touched once) and frees it
// again, so the next windows' pictures find pages already in place. For idle
// moments; does nothing once that much has been made ready.
void PrepareWorkingMemory(std::size_t bytes);

}  // namespace platform
