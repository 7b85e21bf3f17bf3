#pragma once
// The wait window's picture: a 40 x 40 hourglass on sky blue, as JPEG data.
#include <cstdint>
#include <vector>

const std::vector<uint8_t>& WaitPictureJpeg();
