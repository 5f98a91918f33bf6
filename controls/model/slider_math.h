// SPDX-License-Identifier: MIT
#pragma once
// Value <-> pixel maps of the picture sliders and the progress bar. The thumb's
// placement uses unsigned arithmetic, the click and drag maps signed; both
// are kept exactly so positions match what pages expect.

#include "controls/model/geometry.h"

#include <cstdint>

namespace k47 {

// The position SetPos stores: v itself, or the minimum when v lies outside
// minimum..maximum compared as unsigned numbers.
std::int32_t SliderStoredPos(std::int32_t v, std::int32_t minimum, std::int32_t maximum);

// Left edge of the thumb for a stored position, in track coordinates.
std::int32_t SliderThumbX(std::int32_t pos, std::int32_t minimum, std::int32_t maximum,
                          const Rect& track, std::int32_t thumbWidth);

// The value a click at page x gives on a track mapped onto mapLeft..mapRight.
std::int32_t TrackClickValue(std::int32_t x, std::int32_t minimum, std::int32_t maximum,
                             std::int32_t mapLeft, std::int32_t mapRight);

// Drag step: the horizontal move d, cut so the thumb (left..right in track
// coordinates) stays on the track.
std::int32_t ClampDragDelta(std::int32_t d, std::int32_t thumbLeft, std::int32_t thumbRight,
                            const Rect& track);

// The value for a thumb whose left edge is at newLeft, clamped to the range.
std::int32_t DragValue(std::int32_t newLeft, std::int32_t minimum, std::int32_t maximum,
                       const Rect& track, std::int32_t thumbWidth);

// In limit mode a move that pushes further past a limit is ignored.
bool LimitBlocksMove(std::int32_t pos, std::int32_t lowLimit, std::int32_t highLimit,
                     std::int32_t x, std::int32_t pressX);

// Pixels of the fill picture shown for a progress position.
std::int32_t ProgressFillWidth(std::int32_t width, std::int32_t pos, std::int32_t minimum,
                               std::int32_t maximum);

// Position of the progress bar under a pointer at parent x during a drag.
std::int32_t ProgressPointerPos(std::int32_t x, std::int32_t left, std::int32_t right,
                                std::int32_t minimum, std::int32_t maximum);

// The bar position a progress message sets: the value in range, else the minimum.
std::int32_t ProgressMessagePos(std::int32_t value, std::int32_t minimum, std::int32_t maximum);

} // namespace k47
