#pragma once

#include "session/AppContext.h"

namespace orv {

// The owner's name as the report titles show it: the first 30 characters.
inline QString reportOwner(const AppContext& ctx) {
    return ctx.session.name.left(30);
}

} // namespace orv
