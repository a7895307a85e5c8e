#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Standard base64 with padding, as data URIs and JavaScript's atob take it.
std::string Base64(const std::uint8_t* bytes, std::size_t size);
