#pragma once
#include <cstddef>
#include <functional>

// The most heap memory that was held at once while work ran, beyond what
// was held when it started. The test program counts every allocation made
// through operator new for this.
size_t PeakHeldBytes(const std::function<void()>& work);
