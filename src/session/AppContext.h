#pragma once

#include "db/Db.h"
#include "mainwindow/ActionGuard.h"
#include "mainwindow/Messages.h"
#include "session/Clock.h"
#include "session/Paths.h"
#include "session/Session.h"
#include "session/SessionResets.h"

namespace orv {

// What the running program owns and hands to every window: the folders, the
// data layer, the clock, the message box, the session with its settings, and
// the resets that end a session, and the guard every window action that
// touches the data file runs under.
class AppContext {
public:
    AppContext(Paths paths, Clock& clock, Messages& messages)
        : paths(std::move(paths)), db(this->paths.dataFile(), this->paths.oldDataFile()),
          clock(clock), messages(messages), guard(messages) {
        resets.add([this] { guard.reset(); });
    }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Paths paths;
    Db db;
    Clock& clock;
    Messages& messages;
    ActionGuard guard;
    Session session;
    UserSettings settings;
    SessionResets resets;
    bool startedWithArguments = false;
};

} // namespace orv
