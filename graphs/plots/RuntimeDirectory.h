#pragma once
// A runtime directory for Qt where the session has none.

namespace vantorel {

// Qt looks into the user's runtime directory when it starts a platform, and warns on standard
// error where the session names none (a terminal without a desktop session, a build machine).
// Without XDG_RUNTIME_DIR the process gets a private directory of its own, removed when it ends,
// so that the programs' output holds only their own lines.
void ProvideRuntimeDirectory();

}  // namespace vantorel
