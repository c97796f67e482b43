// The chakra boxes of the chart window: each of the six chakra rows pairs two
// houses, an emissive box on the left and a receptive box on the right.
#pragma once

#include <array>

// House (1..12) copied into chakra box 0..11. Box 2m is the emissive and box
// 2m+1 the receptive side of chakra row m+1; the emissive column holds houses 2
// to 7 and the receptive column houses 1, 12, 11, 10, 9, 8, so each row pairs
// two houses mirrored about the boundary between houses 1 and 2.
inline constexpr std::array<int, 12> ChakraBoxHouses{2, 1, 3, 12, 4, 11, 5, 10, 6, 9, 7, 8};

// Copies the twelve house labels of the chart window, unchanged, into the twelve
// chakra boxes; loads the chart window first when needed.
void FillChakraBoxes();
