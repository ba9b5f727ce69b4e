// The characters that the number edits and the interface-address edit accept. Each typed
// character is looked at alone: the resulting text is not checked.
#include "Application.h"
#include "Main.h"

namespace {

constexpr char kBackspace = 8;

bool IsDigit(char key) { return key >= '0' && key <= '9'; }

// The edit ignores character 0; the beep tells the operator that the key was refused.
void Refuse(char& key) {
    key = 0;
    Beep();
}

}  // namespace

// Bound to the nine number edits.
void TMainForm::EditControlServerConnectionTimeoutKeyPress(TObject*, char& Key) {
    if (!IsDigit(Key) && Key != kBackspace) Refuse(Key);
}

void TMainForm::EditNetworkListenerInterfaceKeyPress(TObject*, char& Key) {
    if (!IsDigit(Key) && Key != '.' && Key != kBackspace) Refuse(Key);
}
