#pragma once

#include <QImage>

#include "core/tani.h"

// The pictures of the counter words, loaded from the program's resources on
// first use into a process-wide cache. The caller does not own the result.
// Null for tanNone and for a picture that failed to load.
QImage* CounterImage(TTani t);

// Frees the cached picture of t (the next CounterImage loads it again).
void ReleaseCounterImage(TTani t);

// How many pictures have been loaded from the resources so far.
int CounterImageLoadCount();
