#pragma once
// Stream buffers over text in memory, for code written against std::istream and
// std::ostream:
//     TextReadBuffer buffer(text);  std::istream in(&buffer);
//     TextWriteBuffer buffer;       std::ostream out(&buffer);  ... buffer.Text
// They do what std::istringstream and std::ostringstream do here, without bringing the
// library's string streams (and their wide-character twins) into the programs.
#include <streambuf>
#include "AnsiString.h"

// Reads `text`, which must outlive the buffer.
class TextReadBuffer : public std::streambuf {
public:
    explicit TextReadBuffer(const AnsiString& text) {
        char* begin = const_cast<char*>(text.data());  // only ever read through the get area
        setg(begin, begin, begin + text.size());
    }
};

// Collects what is written in Text.
class TextWriteBuffer : public std::streambuf {
public:
    AnsiString Text;

protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) Text.push_back(traits_type::to_char_type(c));
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        Text.append(s, static_cast<size_t>(n));
        return n;
    }
};
