#pragma once
// The fixed-size, zero-terminated text fields of the configuration records.
#include <cstddef>
#include <string_view>

// Copies text into a field, cut to the field's size less one, and ends it with a zero.
template <std::size_t Size>
void CopyToField(char (&field)[Size], std::string_view text) {
    std::size_t length = text.copy(field, Size - 1);
    field[length] = '\0';
}
