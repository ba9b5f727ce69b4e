#pragma once
// The two passes over the lines of a configuration written by the save roads.
class TStringList;

// Deletes every line after the first whose name (the text before its first "=") is not
// empty and whose first line of that name, without regard to case, has an empty value.
// A line whose name holds a ';' is a comment: it has no name here.
void DropEmptyKeys(TStringList& lines);
// Appends two empty lines and then every line of the program directory's voice.ini,
// trimmed. Without voice.ini it shows "Не найден файл voice.ini" and appends nothing; a
// voice.ini that cannot be read throws EFOpenError.
void AppendVoiceIni(TStringList& lines);
