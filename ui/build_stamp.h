#pragma once
// The build stamp (year, month, day) that the program, its version resource and its
// package name carry. Plain preprocessor text: the resource compiler reads it too.
#define TONQUIL_BUILD_STAMP "110529"
