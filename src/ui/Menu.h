#pragma once
// Menu bar entries. An entry is an object of its form (so a command can make
// one perform its click, as if the user had chosen it); the bar and its
// shortcuts are built from the form's description.
#include <windows.h>
#include <functional>
#include <string>

class TMenuItem {
public:
    TMenuItem() = default;
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    UINT Shortcut() const { return shortcut_; }
    UINT Id() const { return id_; }
    bool IsSeparator() const { return caption_ == "-"; }

    // Performs the entry's command exactly as choosing it does.
    void Click();
    void SetChecked(bool checked);
    bool Checked() const { return checked_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

    std::function<void()> OnClick;

    // Used while the form builds its menu bar.
    void Setup(const char* name, const char* caption, UINT shortcut, bool enabled, UINT id);
    void AttachTo(HMENU menu) { menu_ = menu; }

private:
    std::string name_;
    std::string caption_;
    UINT shortcut_ = 0;
    UINT id_ = 0;
    bool enabled_ = true;
    bool checked_ = false;
    HMENU menu_ = nullptr;  // the menu this entry stands in
};

// The text a shortcut key shows after a tab in its entry, such as "F2".
std::string ShortcutText(UINT virtualKey);
