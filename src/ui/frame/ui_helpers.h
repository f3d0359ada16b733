#pragma once
// Small helpers every window shares: text and path conversion, the two
// scaling rules of window sizes by sizePercent, the busy cursor and the
// command wrapper that shows what a command throws.
#include <QAction>
#include <QApplication>
#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <string_view>

#include "ui/frame/messages.h"

namespace hk {

// UTF-8 text of the core as a QString and back.
inline QString q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string s(const QString& text) {
    return text.toStdString();
}
// A path shown to the user, and a path typed or chosen by the user.
inline QString pathText(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}
inline std::filesystem::path pathFromText(const QString& text) {
    return std::filesystem::path(text.toStdString());
}

// Sizes scaled by sizePercent: the windows' own sizes are rounded to
// the nearest pixel, the drawing window's cut off, as each has always been.
inline int scaledRounded(int pixels, int percent) {
    return static_cast<int>(std::nearbyint(pixels * percent / 100.0));
}
inline int scaledTruncated(int pixels, int percent) {
    return pixels * percent / 100;
}

// Names shown to the user (observers) in Czech alphabetical order: "ch"
// after "h", "Č" after "C". Files keep the order they were written in.
inline QStringList sortCzech(QStringList names) {
    const QCollator czech{QLocale(QLocale::Czech, QLocale::Czechia)};
    std::stable_sort(names.begin(), names.end(), czech);
    return names;
}

class BusyCursor {
  public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// Runs a command; whatever it throws is shown as a message (the store's
// operations change nothing when they throw). False when it threw.
template <class F> bool runCommand(Messages& messages, F&& f) {
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        messages.showMessage(QString::fromUtf8(e.what()));
        return false;
    }
}

// A menu command of a window: an action named `name` (its objectName, by
// which tests and the window's action() find it) added to `target`, kept in
// `actions` and running `fn` on `owner` when chosen.
template <class Fn>
QAction* addWindowAction(QObject* owner, QHash<QString, QAction*>& actions, QWidget* target,
                         const char* name, const QString& text, Fn fn, bool checkable = false) {
    auto* a = new QAction(text, owner);
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(checkable);
    QObject::connect(a, &QAction::triggered, owner, fn);
    target->addAction(a);
    actions.insert(a->objectName(), a);
    return a;
}

} // namespace hk
