#include "ComponentKinds.h"
#include "Actions.h"
#include "Animate.h"
#include "BitBtn.h"
#include "Dialogs.h"
#include "Menus.h"
#include "SpeedButton.h"
#include "StringGrid.h"
#include "TrayIcon.h"

void AddExtraControlKinds(ComponentKindMap& kinds) {
    kinds["TSpeedButton"] = &MakeComponent<TSpeedButton>;
    kinds["TBitBtn"] = &MakeComponent<TBitBtn>;
    kinds["TStringGrid"] = &MakeComponent<TStringGrid>;
    kinds["TMainMenu"] = &MakeComponent<TMainMenu>;
    kinds["TPopupMenu"] = &MakeComponent<TPopupMenu>;
    kinds["TMenuItem"] = &MakeComponent<TMenuItem>;
    kinds["TActionList"] = &MakeComponent<TActionList>;
    kinds["TAction"] = &MakeComponent<TAction>;
    kinds["TTrayIcon"] = &MakeComponent<TTrayIcon>;
    kinds["TOpenDialog"] = &MakeComponent<TOpenDialog>;
    kinds["TSaveDialog"] = &MakeComponent<TSaveDialog>;
    kinds["TAnimate"] = &MakeComponent<TAnimate>;
}
