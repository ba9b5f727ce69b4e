#pragma once
// The toolkit's exception family. Message is CP1251 text shown to the operator.
#include <exception>
#include "AnsiString.h"

class Exception : public std::exception {
public:
    explicit Exception(AnsiString message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    AnsiString Message;
};

// A text that is not a valid number: "'%s' is not a valid integer value".
class EConvertError : public Exception { using Exception::Exception; };
// A file that cannot be opened or created.
class EFOpenError : public Exception { using Exception::Exception; };
class EFCreateError : public Exception { using Exception::Exception; };
// The system refused a write to a profile file: "Unable to write to %s".
class EIniFileException : public Exception { using Exception::Exception; };
// An index outside a string list: "List index out of bounds (%d)".
class EStringListError : public Exception { using Exception::Exception; };
// A value outside the range a control property accepts.
class ERangeError : public Exception { using Exception::Exception; };
// A form definition that names an unknown kind, property, component or handler.
class EFormDefinitionError : public Exception { using Exception::Exception; };
