#include <gtest/gtest.h>

#include "astro/Astro.h"

TEST(AstroLibrary, Links) { SUCCEED(); }
