#pragma once

namespace korvex {

class HostConnector;
class LanguageTables;
class UserInteraction;
struct HostSession;

// Attaches the session to the running host and its active part program: the application, the part
// program, its commands and the connected program name. When the host does not run, does not answer,
// or has no part program open, the user is told (title "KORVEX Connection", critical icon) and the
// session is left empty: the objects and the name of an earlier connection are dropped first, so a
// failed connection never lets a caller go on with stale ones. True when connected.
bool connectToHost(HostSession& session, HostConnector& connector, const LanguageTables& language,
                   UserInteraction& user);

}  // namespace korvex
