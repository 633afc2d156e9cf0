#pragma once
// A form's description as one declarative table: the window's settings, one
// row per component and one per menu entry, each naming the form's member it
// fills and the handlers its events call. The compiler checks the bindings.
//
//   Row(&TForm1::CheckBox1, "CheckBox1", 8, 280, 97, 17, "Minimize First")
//       .Checked().TabOrder(0).OnClick(&TForm1::CheckBox1Click)
#include <functional>
#include <vector>

#include "ui/Form.h"

template <class F>
struct ComponentRow {
    using Handler = void (F::*)();
    std::function<Component&(F&)> component;
    std::function<Component*(F&)> parent;  // empty: the form itself
    std::function<Component*(F&)> associate;  // empty: none
    ComponentProps props;
    Handler onClick = nullptr;
    Handler onMouseEnter = nullptr;
    Handler onMouseLeave = nullptr;

    template <class P>
    ComponentRow& In(P F::*container) {
        parent = [container](F& form) -> Component* { return &(form.*container); };
        return *this;
    }
    ComponentRow& Font(FontSpec f) { props.font = f; return *this; }
    ComponentRow& Color(::Color c) { props.color = c; return *this; }
    ComponentRow& TabOrder(int order) { props.tabOrder = order; return *this; }
    ComponentRow& Checked() { props.checked = true; return *this; }
    ComponentRow& Bevels(Bevel outer, Bevel inner) {
        props.bevelOuter = outer;
        props.bevelInner = inner;
        return *this;
    }
    ComponentRow& AlignClient() { props.align = Align::Client; return *this; }
    ComponentRow& Stretch() { props.stretch = true; return *this; }
    ComponentRow& AutoSize() { props.autoSize = true; return *this; }
    ComponentRow& WordWrap() { props.wordWrap = true; return *this; }
    ComponentRow& Default() { props.isDefault = true; return *this; }
    ComponentRow& ModalResult(int result) { props.modalResult = result; return *this; }
    ComponentRow& Resource(int id) { props.resourceId = id; return *this; }
    ComponentRow& PanelWidth(int width) { props.panelWidth = width; return *this; }
    ComponentRow& Range(int low, int high) {
        props.minValue = low;
        props.maxValue = high;
        return *this;
    }
    // The sibling an up-down steps; its row must come before this one.
    template <class C>
    ComponentRow& Associate(C F::*field) {
        associate = [field](F& form) -> Component* { return &(form.*field); };
        return *this;
    }
    ComponentRow& OnClick(Handler h) { onClick = h; return *this; }
    ComponentRow& OnMouseEnter(Handler h) { onMouseEnter = h; return *this; }
    ComponentRow& OnMouseLeave(Handler h) { onMouseLeave = h; return *this; }
};

// One component: the form's member, its name, bounds at 96 dpi and text.
template <class F, class C>
ComponentRow<F> Row(C F::*member, const char* name, int left, int top, int width, int height,
                    const char* text = "") {
    ComponentRow<F> row;
    row.component = [member](F& form) -> Component& { return form.*member; };
    row.props.name = name;
    row.props.left = left;
    row.props.top = top;
    row.props.width = width;
    row.props.height = height;
    row.props.text = text;
    return row;
}

template <class F>
struct MenuRow {
    using Handler = void (F::*)();
    TMenuItem F::*item;
    TMenuItem F::*parent;  // null: a menu of the menu bar
    const char* name;
    const char* caption;  // "-" for a separator
    UINT shortcut = 0;
    bool enabled = true;
    Handler onClick = nullptr;

    MenuRow& Shortcut(UINT virtualKey) { shortcut = virtualKey; return *this; }
    MenuRow& Disabled() { enabled = false; return *this; }
    MenuRow& OnClick(Handler h) { onClick = h; return *this; }
};

// A menu of the menu bar, and an entry of a menu.
template <class F>
MenuRow<F> Menu(TMenuItem F::*item, const char* name, const char* caption) {
    return {item, nullptr, name, caption};
}
template <class F>
MenuRow<F> Entry(TMenuItem F::*parent, TMenuItem F::*item, const char* name,
                 const char* caption) {
    return {item, parent, name, caption};
}

template <class F>
struct FormDescription {
    FormSettings settings;
    std::vector<ComponentRow<F>> components;
    std::vector<MenuRow<F>> menu;
    void (F::*onCreate)() = nullptr;

    // Builds the form's window, its components and menu bar, binds every
    // handler, then runs the creation handler.
    void BuildInto(F& form) const {
        form.CreateFrame(settings);
        for (const auto& row : components) {
            Component& component = row.component(form);
            ComponentProps props = row.props;
            if (row.associate) props.associate = row.associate(form);
            component.Setup(form, row.parent ? row.parent(form) : nullptr, std::move(props));
            Bind(form, component.OnClick, row.onClick);
            Bind(form, component.OnMouseEnter, row.onMouseEnter);
            Bind(form, component.OnMouseLeave, row.onMouseLeave);
            form.AddComponent(component);
        }
        for (const auto& row : menu) {
            TMenuItem& item = form.*(row.item);
            form.AddMenuEntry(item, row.parent ? &(form.*(row.parent)) : nullptr, row.name,
                              row.caption, row.shortcut, row.enabled);
            Bind(form, item.OnClick, row.onClick);
        }
        form.FinishBuild();
        if (onCreate) (form.*onCreate)();
    }

private:
    static void Bind(F& form, std::function<void()>& event, void (F::*handler)()) {
        if (handler) event = [&form, handler] { (form.*handler)(); };
    }
};
