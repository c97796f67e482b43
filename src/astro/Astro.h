// The whole public interface of the astronomical computation.
#pragma once

#include "astro/Shared.h"
#include "astro/Pending.h"
