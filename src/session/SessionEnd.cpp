#include "session/SessionEnd.h"

#include "session/Users.h"

namespace orv {

bool endSession(AppContext& ctx) {
    Session& s = ctx.session;
    s.lastPanel.clear();
    s.password.clear();
    s.login.clear();
    ctx.settings = UserSettings{};
    ctx.resets.runAll();
    s.userCode = 0;
    s.loggedOutFlag = true;
    s.newUserMode = false;
    s.importAnswer = false;
    return !noUsers(ctx.db);
}

} // namespace orv
