#pragma once

#include "db/RowSet.h"
#include "session/AppContext.h"

namespace orv {

// Loads a Usuarios row into the session as a logon does: NULL texts read as
// empty texts, a NULL birthday as 1 January 1900. The password is not read:
// only its hash is stored.
void loadSession(Session& session, const RowSet& row, const QString& login);

// Reads the user's Configuracao row into the settings.
void readSettings(AppContext& ctx);

// The import flag text of the Sistema row.
QString readImportFlag(const Db& db);

// The login of a row's owner, as a column of a query on `table` (its name or alias).
QString ownerLoginColumn(const QString& table);

// True when no user exists in the data file.
bool noUsers(const Db& db);

// The user whose login matches without regard to case, accented letters included;
// an empty row set when there is none.
RowSet findUser(const Db& db, const QString& login);

// Stores the hash of a (non-empty) password as the user's password.
void storePassword(const Db& db, qint64 userCode, const QString& clear);

// Writes the panel name as the user's last panel.
void storeLastPanel(const AppContext& ctx, const QString& panelName);

} // namespace orv
