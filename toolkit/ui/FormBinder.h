#pragma once
// Binds a loaded form definition to its form class: component names to the form's
// fields, handler names to its methods, and references between components.
#include <functional>
#include <map>
#include <variant>
#include <vector>
#include "Component.h"
#include "Exception.h"

class FormBinder {
public:
    using Handler = std::variant<TNotifyEvent, TKeyPressEvent, TCloseQueryEvent, TCloseEvent, TSelectCellEvent>;

    void AddHandler(const AnsiString& name, Handler handler) { handlers_[name] = std::move(handler); }
    void AddField(const AnsiString& name, std::function<bool(TComponent*)> assign) { fields_[name] = std::move(assign); }

    // The handler a property names; throws when there is none or it has another signature.
    template <class E>
    E Event(const PropValue& value) {
        const AnsiString& name = value.AsIdent();
        auto it = handlers_.find(name);
        if (it == handlers_.end()) throw EFormDefinitionError("the form has no handler " + name);
        if (auto* e = std::get_if<E>(&it->second)) return *e;
        throw EFormDefinitionError("handler " + name + " does not fit the event");
    }

    // Resolves a reference to another component once the whole form is loaded.
    template <class T>
    void Reference(const PropValue& value, std::function<void(T*)> assign) {
        AnsiString name = value.AsIdent();
        later_.push_back([this, name, assign] {
            T* target = dynamic_cast<T*>(Find(name));
            if (!target) throw EFormDefinitionError(name + " is not a component of a fitting kind");
            assign(target);
        });
    }

    void Register(TComponent* component);
    TComponent* Find(const AnsiString& name) const;
    // Runs the deferred references and checks that every field was bound.
    void Finish();

private:
    std::map<AnsiString, Handler> handlers_;
    std::map<AnsiString, std::function<bool(TComponent*)>> fields_;
    std::map<AnsiString, TComponent*> components_;
    std::vector<std::function<void()>> later_;
};
