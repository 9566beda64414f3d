#pragma once
// The numeric test of the text filters is the model's own, so every filter
// of the program reads a number alike.

#include "model/numeric_text.h"
