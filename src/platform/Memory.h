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

// Makes bytes of memory ready in the heap (each page written once) and frees it
// again, so the next windows' pictures find pages already in place; at most as
// much as the heap keeps. For idle moments; does nothing once that much has been
// made ready. How much it helps depends on where the platform keeps a window's
// picture: in the program's heap (as on the offscreen platform) the main
// window's own picture benefits; where the windowing system shares it with the
// program (X11's shared memory), only the program's other blocks do.
void PrepareWorkingMemory(std::size_t bytes);

}  // namespace platform
