#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

// The bytes of a resource of the running program; empty when it has none
// of that name and type.
std::vector<uint8_t> ProgramResource(const wchar_t* name, LPCWSTR type);

class TSkinData;

// The resource name of the skin stream (the SkinStream property of the
// main window: a 32-bit count, then the compressed skin).
inline constexpr const wchar_t* kSkinStreamResource = L"QUORVIKSKIN";

// Reads the program's skin stream resource into the skin data, as reading
// the main window's form data would.
void ReadSkinStreamResource(TSkinData& skin);
