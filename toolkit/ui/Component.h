#pragma once
// Base of everything a form definition declares: named components with properties and
// events. Events are plain callback fields bound to the form's handlers by name.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>
#include "AnsiString.h"

class TObject {
public:
    virtual ~TObject() = default;
};

enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

// One property value as a form definition writes it.
struct PropValue {
    enum class Type { Number, String, Identifier, Set, List };
    Type type = Type::Number;
    int64_t number = 0;
    AnsiString text;                 // String (CP1251) or Identifier
    std::vector<AnsiString> items;   // Set members or List strings
    std::vector<int64_t> numbers;    // List numbers

    int AsInt() const;
    const AnsiString& AsString() const;   // a String (an Identifier is refused)
    const AnsiString& AsIdent() const;
    bool AsBool() const;                  // True / False
    bool Has(const AnsiString& member) const;  // Set membership
};

class FormBinder;

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner = nullptr) : Owner(owner) {}
    // Owned components go in reverse order of creation: children before their parents.
    ~TComponent() override {
        while (!Components.empty()) Components.pop_back();
    }
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    AnsiString Name;
    TComponent* Owner;
    int Tag = 0;

    // Applies one property of the form definition; throws EFormDefinitionError when the
    // component has no such property. Overrides handle theirs and pass the rest on.
    virtual void SetProperty(const AnsiString& name, const PropValue& value, FormBinder& binder);
    // A component nested inside this one in the form definition (menu items, actions).
    virtual void AddNested(TComponent* child);
    // Called once all properties are set and before nested components are created.
    virtual void Loaded() {}
    // Called when the whole form has been loaded.
    virtual void FormLoaded() {}

    // Components this one owns, in creation order.
    std::vector<std::unique_ptr<TComponent>> Components;
    template <class T>
    T* Own(std::unique_ptr<T> c) {
        T* raw = c.get();
        Components.push_back(std::move(c));
        return raw;
    }

protected:
    [[noreturn]] void UnknownProperty(const AnsiString& name) const;
};
