#pragma once

#include <cstdint>
#include <vector>

// The display filter: a separable triangle filter, widened to the scale when
// shrinking so every source pixel contributes.
struct ResampleContribution {
    int first = 0;              // first source index
    std::vector<float> weights; // normalised, one per source index from `first`
};

// Weights of every output index for resizing `oldSize` samples to `newSize`.
std::vector<ResampleContribution> ResampleWeights(int newSize, int oldSize);

// Resizes 24-bit rows (strides padded to 4) in two passes: vertical, then
// horizontal, each rounding to the nearest integer.
void Resample24(const uint8_t* source, int width, int height, int sourceStride, uint8_t* target,
                int newWidth, int newHeight, int targetStride);
