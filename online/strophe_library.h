// libstrophe, and through it OpenSSL, loaded when the online lobby first connects rather
// than at the program's start: most sessions never go online. The lobby's code calls
// libstrophe's functions as usual; stand-ins of the same names (strophe_library.cpp)
// load the library on their first call and pass every call on.
#pragma once

#include <QString>

namespace tess {

// Loads the system's libstrophe and finds every function the lobby uses; only the first
// call loads, and its answer stays. Empty when the library is ready, otherwise why the
// lobby cannot go online. Ask before the first call into libstrophe: a stand-in called
// without the library ends the program.
QString loadStrophe();

// Whether the library `name` (with its major version) would do, as loadStrophe() says it.
QString checkStropheLibrary(const QString& name, int version);

}  // namespace tess
