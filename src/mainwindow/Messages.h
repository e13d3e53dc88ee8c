#pragma once

#include <QString>

namespace orv {

// Button sets and icons of the program's message box.
namespace msg {
inline constexpr int Okay = 1;
inline constexpr int ConfirmCancel = 0;
inline constexpr int NoIcon = 0;
inline constexpr int Question = 1;
inline constexpr int Information = 2;
inline constexpr int Serious = 3;
} // namespace msg

// Every message the program shows goes through this interface: the program's
// own message box in the program, a scripted fake in tests.
class Messages {
public:
    virtual ~Messages() = default;

    // Shows the text with the button set (1 = "&Okay", anything else =
    // "&Confirmar"/"C&ancelar") and the icon; true for "&Okay" or "&Confirmar".
    virtual bool show(const QString& text, int buttons, int icon) = 0;

    // The platform's standard box, kept for the few failures that end the program.
    enum class Standard { Critical, Information };
    virtual void showStandard(const QString& text, Standard kind) = 0;

    void okay(const QString& text, int icon) { show(text, msg::Okay, icon); }
    bool confirm(const QString& text) { return show(text, msg::ConfirmCancel, msg::Question); }
};

} // namespace orv
