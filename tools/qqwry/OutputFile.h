#pragma once
#include <string>

// Writes bytes to path through a temporary file renamed at the end, so a
// failed run never leaves a half-written file under the final name.
void WriteFileAtomically(const std::string& path, const std::string& bytes);
