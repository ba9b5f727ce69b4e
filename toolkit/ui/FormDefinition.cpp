#include "FormDefinition.h"
#include <windows.h>
#include <cctype>
#include "Exception.h"
#include "Unicode.h"

namespace {

class Parser {
public:
    explicit Parser(const std::string& text) : s_(text) {}

    ObjectDefinition Document() {
        ObjectDefinition root = Object();
        SkipSpace();
        if (pos_ < s_.size()) Fail("text after the last 'end'");
        return root;
    }

private:
    const std::string& s_;
    size_t pos_ = 0;
    int line_ = 1;

    [[noreturn]] void Fail(const std::string& what) const {
        throw EFormDefinitionError("form definition, line " + std::to_string(line_) + ": " + what);
    }

    void SkipSpace() {
        while (pos_ < s_.size()) {
            char c = s_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
                while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
            } else {
                break;
            }
        }
    }

    static bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

    std::string Name() {
        SkipSpace();
        size_t start = pos_;
        while (pos_ < s_.size() && IsNameChar(s_[pos_])) ++pos_;
        if (start == pos_) Fail("a name is expected");
        return s_.substr(start, pos_ - start);
    }

    void Expect(char c) {
        SkipSpace();
        if (pos_ >= s_.size() || s_[pos_] != c) Fail(std::string("'") + c + "' is expected");
        ++pos_;
    }

    bool Peek(char c) {
        SkipSpace();
        return pos_ < s_.size() && s_[pos_] == c;
    }

    ObjectDefinition Object() {
        ObjectDefinition def;
        if (Name() != "object") Fail("'object' is expected");
        def.Line = line_;
        def.Name = Name();
        Expect(':');
        def.Kind = Name();
        for (;;) {
            SkipSpace();
            size_t save = pos_;
            int saveLine = line_;
            std::string word = Name();
            if (word == "end") return def;
            if (word == "object") {
                pos_ = save;
                line_ = saveLine;
                def.Children.push_back(Object());
                continue;
            }
            Expect('=');
            def.Properties.emplace_back(word, Value());
        }
    }

    AnsiString Text() {
        Expect('\'');
        std::string utf8;
        for (;;) {
            if (pos_ >= s_.size() || s_[pos_] == '\n') Fail("unterminated text");
            char c = s_[pos_++];
            if (c == '\'') {
                if (pos_ < s_.size() && s_[pos_] == '\'') {
                    utf8 += '\'';
                    ++pos_;
                    continue;
                }
                return Utf8ToAnsi(utf8);
            }
            utf8 += c;
        }
    }

    PropValue Value() {
        PropValue v;
        SkipSpace();
        if (pos_ >= s_.size()) Fail("a value is expected");
        char c = s_[pos_];
        if (c == '\'') {
            v.type = PropValue::Type::String;
            v.text = Text();
        } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
            v.type = PropValue::Type::Number;
            v.number = Number();
        } else if (c == '[') {
            v.type = PropValue::Type::Set;
            ++pos_;
            while (!Peek(']')) {
                v.items.push_back(Name());
                if (Peek(',')) ++pos_;
            }
            ++pos_;
        } else if (c == '(') {
            v.type = PropValue::Type::List;
            ++pos_;
            while (!Peek(')')) {
                if (s_[pos_] == '\'') v.items.push_back(Text());
                else v.numbers.push_back(Number());
                if (!v.items.empty() && !v.numbers.empty()) Fail("a list holds texts or numbers, not both");
                if (Peek(',')) ++pos_;
            }
            ++pos_;
        } else {
            v.type = PropValue::Type::Identifier;
            v.text = Name();
        }
        return v;
    }

    int64_t Number() {
        bool negative = s_[pos_] == '-';
        if (negative) ++pos_;
        int base = 10;
        if (pos_ + 1 < s_.size() && s_[pos_] == '0' && (s_[pos_ + 1] == 'x' || s_[pos_ + 1] == 'X')) {
            base = 16;
            pos_ += 2;
        }
        size_t start = pos_;
        int64_t n = 0;
        while (pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_]))) {
            char d = s_[pos_];
            int digit = std::isdigit(static_cast<unsigned char>(d)) ? d - '0' : (std::tolower(d) - 'a' + 10);
            if (digit >= base) break;
            n = n * base + digit;
            ++pos_;
        }
        if (start == pos_) Fail("digits are expected");
        return negative ? -n : n;
    }
};

}  // namespace

ObjectDefinition ParseFormDefinition(const std::string& utf8Text) { return Parser(utf8Text).Document(); }

ObjectDefinition LoadFormDefinition(const char* resourceName) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceA(module, resourceName, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found) throw EFormDefinitionError(AnsiString("no form definition ") + resourceName);
    HGLOBAL data = LoadResource(module, found);
    const char* bytes = static_cast<const char*>(LockResource(data));
    std::string text(bytes, SizeofResource(module, found));
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    return ParseFormDefinition(text);
}
