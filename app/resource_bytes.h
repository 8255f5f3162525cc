#pragma once
// Access to the RCDATA resources the program carries.
#include <cstdint>
#include <vector>

// The bytes of an RCDATA resource of this module; empty when it is absent.
std::vector<std::uint8_t> LoadResourceBytes(int id);
