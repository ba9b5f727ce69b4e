#pragma once
// The text form of a window: a tree of components with their properties.
//
//   object MainForm: TMainForm
//     Caption = 'Настройка'          texts in single quotes ('' for a quote), UTF-8
//     Width = 1045                   numbers, negative ones too
//     Align = alLeft                 names
//     Anchors = [akLeft, akTop]      sets
//     Items = ('Нет', 'Да')          lists of texts
//     ColWidths = (48, 81, 69)       lists of numbers
//     OnClick = ButtonClick          events name a handler of the form
//     object Panel1: TPanel          nested components (children or items)
//     end
//   end
//
// Lines starting with "//" are comments. Texts are turned into CP1251 when parsed.
#include <string>
#include <utility>
#include <vector>
#include "Component.h"

struct ObjectDefinition {
    AnsiString Name;
    AnsiString Kind;
    int Line = 0;
    std::vector<std::pair<AnsiString, PropValue>> Properties;
    std::vector<ObjectDefinition> Children;
};

// Throws EFormDefinitionError naming the line of the first fault.
ObjectDefinition ParseFormDefinition(const std::string& utf8Text);
// The form definition stored as an RCDATA resource of the running program.
ObjectDefinition LoadFormDefinition(const char* resourceName);
