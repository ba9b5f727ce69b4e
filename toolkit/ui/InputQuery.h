#pragma once
// The input box: a modal dialog with a prompt, an edit of at most 255 characters holding
// value (its text selected), and the buttons "OK" (default) and "Cancel".
#include "AnsiString.h"

// True when the operator pressed OK; value then holds the edit's text.
bool InputQuery(const AnsiString& caption, const AnsiString& prompt, AnsiString& value);
