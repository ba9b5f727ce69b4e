#include "GroupBox.h"

WindowSpec TGroupBox::Spec() const {
    return {L"BUTTON", WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX, WS_EX_CONTROLPARENT};
}
