#pragma once
// Menus built from nested items of the form definition:
//
//   object MainMenu1: TMainMenu
//     object mFile: TMenuItem
//       Caption = '&Файл'
//       object mOpen: TMenuItem
//         Caption = '&Загрузить'
//         Bitmap = 'MENU_OPEN'          a bitmap resource shown beside the caption
//         OnClick = mOpenClick
//       end
//       object N5: TMenuItem
//         Caption = '-'                 a separator
//       end
//     end
//   end
//
// Each item owns a command number (MenuCommands.h): the WM_COMMAND a menu sends with it
// runs the item's Click. The main menu attaches itself to its form once the form is
// loaded; a pop-up menu shows at a screen point.
#include <windows.h>
#include <vector>
#include "Component.h"
#include "Glyphs.h"

class TAction;
class TMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    UINT Command() const { return command_; }
    const std::vector<TMenuItem*>& Items() const { return items_; }
    bool IsSeparator() const { return caption_ == "-"; }

    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& caption);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // A checked item toggles its own check mark when clicked, before OnClick.
    bool AutoCheck = false;
    AnsiString Hint;
    TAction* Action() const { return action_; }
    void SetAction(TAction* action);

    TNotifyEvent OnClick;
    // What choosing the item does: the check mark, then OnClick or else the action.
    void Click();

    void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder) override;
    void AddNested(TComponent* child) override;
    // Adds this item and its sub-items to the menu handle (called by TMenu).
    void AppendTo(HMENU menu, TMenu* root);

private:
    UINT command_;
    AnsiString caption_;
    bool checked_ = false, enabled_ = true, visible_ = true;
    TAction* action_ = nullptr;
    TGlyph bitmap_;
    std::vector<TMenuItem*> items_;
    TMenu* root_ = nullptr;
    AnsiString ShownCaption() const;
    void Changed();
};

class TMenu : public TComponent {
public:
    using TComponent::TComponent;
    ~TMenu() override;
    HMENU Handle() const { return handle_; }
    const std::vector<TMenuItem*>& Items() const { return items_; }
    void AddNested(TComponent* child) override;
    void FormLoaded() override { Rebuild(); }
    // Builds the menu handle again from the items, after an item changed.
    void Rebuild();

protected:
    virtual HMENU CreateHandle() = 0;
    // Puts a newly built handle in use.
    virtual void Attach() {}
    HWND FormWindow() const;
    HMENU handle_ = nullptr;

private:
    std::vector<TMenuItem*> items_;
};

// The menu bar of the form that owns it.
class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
    ~TMainMenu() override;

protected:
    HMENU CreateHandle() override { return CreateMenu(); }
    void Attach() override;
};

class TPopupMenu : public TMenu {
public:
    using TMenu::TMenu;
    // Shows the menu at a screen point and runs the item chosen.
    void Popup(int x, int y);

protected:
    HMENU CreateHandle() override { return CreatePopupMenu(); }
};
