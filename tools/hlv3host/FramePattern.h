#pragma once

#include <string>

// File names of an image sequence: one printf-style frame number, "%d" or
// "%0Nd" (N from 1 to 9), anywhere in the name ("shot.%04d.png"). Any other
// '%' makes the pattern invalid; "%%" is not supported.

// True when `path` holds exactly one frame-number field and no other '%'.
// False with a reason in *error when it holds a '%' that is not one.
bool IsFramePattern(const std::string& path, std::string* error);

// The name of frame `frame` (the field filled, zero-padded to its width).
std::string FrameFileName(const std::string& pattern, int frame);

// Parses "FIRST-LAST" or "FRAME" (0 or more, FIRST <= LAST).
bool ParseFrameRange(const std::string& text, int* first, int* last);
