#pragma once
// How every window talks to the user: a message, a value prompt and a yes/no
// question. Windows receive a Messages& so that tests can answer instead of a
// person.
#include <QString>
#include <optional>

namespace hk {

// Which answer of a question keeps the data as they are.
enum class SafeAnswer { No, Yes };

class Messages {
  public:
    virtual ~Messages();

    // Shows a message ("\r" separates lines) and returns when it is closed.
    virtual void showMessage(const QString& text) = 0;
    // Asks for one value; the typed text after "OK", nullopt when the prompt
    // was closed otherwise (the caller keeps its old value).
    virtual std::optional<QString> askValue(const QString& prompt, const QString& initial) = 0;
    // The same prompt under its own window caption (e.g. "Zadání").
    virtual std::optional<QString> askValueTitled(const QString& heading, const QString& prompt,
                                                  const QString& initial) {
        (void)heading;
        return askValue(prompt, initial);
    }
    // A question answered "Ano" (true) or "Ne" (false). `safe` is the answer
    // that leaves the data as they are: its button is the default and has the
    // focus when the window opens, and Esc or closing the window gives it.
    // Enter presses the button that has the focus.
    virtual bool ask(const QString& text, SafeAnswer safe) = 0;
    // A question whose safe answer is "Ne".
    bool askYesNo(const QString& text) { return ask(text, SafeAnswer::No); }
};

} // namespace hk
