// Reads arbitrary bytes as a configuration file and checks what every line read must
// satisfy. The lines read, joined with line feeds, must give the input back whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include "ConfigLine.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

template <std::size_t Size>
std::size_t FieldLength(const char (&field)[Size]) {
    const void* end = std::memchr(field, '\0', Size);
    Check(end != nullptr);
    return static_cast<const char*>(end) - field;
}

bool IsTrimmed(const char* text) {
    std::size_t length = std::strlen(text);
    if (length == 0) return true;
    return static_cast<unsigned char>(text[0]) >= 33 &&
           static_cast<unsigned char>(text[length - 1]) >= 33;
}

void CheckLine(const ConfigLine& line, const std::string& sectionBefore) {
    Check(!(line.HeaderFlag && line.KeyFlag));
    Check(line.Text.find('\n') == std::string::npos);

    FieldLength(line.Comment);
    Check(FieldLength(line.Key) <= 63);
    Check(FieldLength(line.Value) <= 127);
    Check(FieldLength(line.Section) <= 31);

    Check(line.CommentFlag || line.Comment[0] == '\0');
    Check(line.KeyFlag || (line.Key[0] == '\0' && line.Value[0] == '\0'));
    Check(IsTrimmed(line.Key) && IsTrimmed(line.Value));
    Check(std::strchr(line.Value, ';') == nullptr);

    if (line.HeaderFlag) {
        Check(std::strchr(line.Section, ' ') == nullptr);
        Check(std::strchr(line.Section, ']') == nullptr);
    } else {
        Check(sectionBefore == line.Section);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    ConfigLine line;
    std::string joined;
    while (true) {
        const std::string sectionBefore = line.Section;
        if (!ReadConfigLine(line, in)) break;
        CheckLine(line, sectionBefore);
        joined += line.Text + "\n";
    }
    Check(!ReadConfigLine(line, in));

    // Nothing is lost: only a last line feed that the input lacks is added.
    if (!input.empty() && input.back() != '\n') joined.pop_back();
    Check(joined == input);
    return 0;
}
