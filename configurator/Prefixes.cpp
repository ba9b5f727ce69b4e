// Editing one line of the number prefixes of the extended view.
#include "InputQuery.h"
#include "ListBox.h"
#include "Main.h"

// The line is taken exactly as typed, not checked for the key=value form; OK counts as
// a change also when the text stayed the same.
void TMainForm::ListBoxPrefixesDblClick(TObject*) {
    int selected = ListBoxPrefixes->ItemIndex();
    if (selected < 0) return;
    AnsiString line = ListBoxPrefixes->Item(selected);
    if (!InputQuery("Новое значение", "", line)) return;
    ListBoxPrefixes->SetItem(selected, line);
    FModified = true;
}
