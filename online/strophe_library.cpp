#include "online/strophe_library.h"

#include <strophe.h>

#include <QCoreApplication>
#include <QLibrary>
#include <cstdio>
#include <cstdlib>
#include <memory>

// Every libstrophe function the lobby and its tests call. One that is not listed fails to
// link: add it here, as its header declares it.
#define TESS_STROPHE_FUNCTIONS                                                                     \
    STROPHE_FUNCTION(const char*, xmpp_conn_get_bound_jid, (const xmpp_conn_t* conn), (conn))      \
    STROPHE_FUNCTION(xmpp_conn_t*, xmpp_conn_new, (xmpp_ctx_t * ctx), (ctx))                       \
    STROPHE_FUNCTION(int, xmpp_conn_release, (xmpp_conn_t * conn), (conn))                         \
    STROPHE_FUNCTION(int, xmpp_conn_set_flags, (xmpp_conn_t * conn, long flags), (conn, flags))    \
    STROPHE_FUNCTION(void, xmpp_conn_set_jid, (xmpp_conn_t * conn, const char* jid), (conn, jid))  \
    STROPHE_FUNCTION(void, xmpp_conn_set_pass, (xmpp_conn_t * conn, const char* pass),             \
                     (conn, pass))                                                                 \
    STROPHE_FUNCTION(void, xmpp_conn_set_sockopt_callback,                                         \
                     (xmpp_conn_t * conn, xmpp_sockopt_callback callback), (conn, callback))       \
    STROPHE_FUNCTION(int, xmpp_connect_client,                                                     \
                     (xmpp_conn_t * conn, const char* altdomain, unsigned short altport,           \
                      xmpp_conn_handler callback, void* userdata),                                 \
                     (conn, altdomain, altport, callback, userdata))                               \
    STROPHE_FUNCTION(void, xmpp_ctx_free, (xmpp_ctx_t * ctx), (ctx))                               \
    STROPHE_FUNCTION(xmpp_ctx_t*, xmpp_ctx_new, (const xmpp_mem_t* mem, const xmpp_log_t* log),    \
                     (mem, log))                                                                   \
    STROPHE_FUNCTION(void, xmpp_disconnect, (xmpp_conn_t * conn), (conn))                          \
    STROPHE_FUNCTION(void, xmpp_free, (const xmpp_ctx_t* ctx, void* p), (ctx, p))                  \
    STROPHE_FUNCTION(void, xmpp_handler_add,                                                       \
                     (xmpp_conn_t * conn, xmpp_handler handler, const char* ns, const char* name,  \
                      const char* type, void* userdata),                                           \
                     (conn, handler, ns, name, type, userdata))                                    \
    STROPHE_FUNCTION(void, xmpp_initialize, (void), ())                                            \
    STROPHE_FUNCTION(xmpp_stanza_t*, xmpp_iq_new,                                                  \
                     (xmpp_ctx_t * ctx, const char* type, const char* id), (ctx, type, id))        \
    STROPHE_FUNCTION(char*, xmpp_jid_domain, (xmpp_ctx_t * ctx, const char* jid), (ctx, jid))      \
    STROPHE_FUNCTION(xmpp_stanza_t*, xmpp_message_new,                                             \
                     (xmpp_ctx_t * ctx, const char* type, const char* to, const char* id),         \
                     (ctx, type, to, id))                                                          \
    STROPHE_FUNCTION(int, xmpp_message_set_body, (xmpp_stanza_t * msg, const char* text),          \
                     (msg, text))                                                                  \
    STROPHE_FUNCTION(xmpp_stanza_t*, xmpp_presence_new, (xmpp_ctx_t * ctx), (ctx))                 \
    STROPHE_FUNCTION(void, xmpp_run_once, (xmpp_ctx_t * ctx, unsigned long timeout),               \
                     (ctx, timeout))                                                               \
    STROPHE_FUNCTION(void, xmpp_send, (xmpp_conn_t * conn, xmpp_stanza_t * stanza),                \
                     (conn, stanza))                                                               \
    STROPHE_FUNCTION(void, xmpp_send_raw, (xmpp_conn_t * conn, const char* data, size_t len),      \
                     (conn, data, len))                                                            \
    STROPHE_FUNCTION(int, xmpp_sockopt_cb_keepalive, (xmpp_conn_t * conn, void* sock),             \
                     (conn, sock))                                                                 \
    STROPHE_FUNCTION(int, xmpp_stanza_add_child_ex,                                                \
                     (xmpp_stanza_t * stanza, xmpp_stanza_t * child, int do_clone),                \
                     (stanza, child, do_clone))                                                    \
    STROPHE_FUNCTION(const char*, xmpp_stanza_get_attribute,                                       \
                     (xmpp_stanza_t * stanza, const char* name), (stanza, name))                   \
    STROPHE_FUNCTION(xmpp_stanza_t*, xmpp_stanza_get_child_by_name,                                \
                     (xmpp_stanza_t * stanza, const char* name), (stanza, name))                   \
    STROPHE_FUNCTION(xmpp_stanza_t*, xmpp_stanza_get_child_by_name_and_ns,                         \
                     (xmpp_stanza_t * stanza, const char* name, const char* ns),                   \
                     (stanza, name, ns))                                                           \
    STROPHE_FUNCTION(xmpp_stanza_t*, xmpp_stanza_get_children, (xmpp_stanza_t * stanza), (stanza)) \
    STROPHE_FUNCTION(xmpp_ctx_t*, xmpp_stanza_get_context, (const xmpp_stanza_t* stanza),          \
                     (stanza))                                                                     \
    STROPHE_FUNCTION(const char*, xmpp_stanza_get_from, (xmpp_stanza_t * stanza), (stanza))        \
    STROPHE_FUNCTION(const char*, xmpp_stanza_get_name, (xmpp_stanza_t * stanza), (stanza))        \
    STROPHE_FUNCTION(xmpp_stanza_t*, xmpp_stanza_get_next, (xmpp_stanza_t * stanza), (stanza))     \
    STROPHE_FUNCTION(const char*, xmpp_stanza_get_ns, (xmpp_stanza_t * stanza), (stanza))          \
    STROPHE_FUNCTION(const char*, xmpp_stanza_get_text_ptr, (xmpp_stanza_t * stanza), (stanza))    \
    STROPHE_FUNCTION(const char*, xmpp_stanza_get_type, (xmpp_stanza_t * stanza), (stanza))        \
    STROPHE_FUNCTION(int, xmpp_stanza_is_tag, (xmpp_stanza_t * stanza), (stanza))                  \
    STROPHE_FUNCTION(int, xmpp_stanza_is_text, (xmpp_stanza_t * stanza), (stanza))                 \
    STROPHE_FUNCTION(xmpp_stanza_t*, xmpp_stanza_new, (xmpp_ctx_t * ctx), (ctx))                   \
    STROPHE_FUNCTION(xmpp_stanza_t*, xmpp_stanza_new_from_string,                                  \
                     (xmpp_ctx_t * ctx, const char* str), (ctx, str))                              \
    STROPHE_FUNCTION(int, xmpp_stanza_release, (xmpp_stanza_t * stanza), (stanza))                 \
    STROPHE_FUNCTION(int, xmpp_stanza_set_attribute,                                               \
                     (xmpp_stanza_t * stanza, const char* key, const char* value),                 \
                     (stanza, key, value))                                                         \
    STROPHE_FUNCTION(int, xmpp_stanza_set_name, (xmpp_stanza_t * stanza, const char* name),        \
                     (stanza, name))                                                               \
    STROPHE_FUNCTION(int, xmpp_stanza_set_ns, (xmpp_stanza_t * stanza, const char* ns),            \
                     (stanza, ns))                                                                 \
    STROPHE_FUNCTION(int, xmpp_stanza_set_to, (xmpp_stanza_t * stanza, const char* to),            \
                     (stanza, to))                                                                 \
    STROPHE_FUNCTION(int, xmpp_stanza_set_type, (xmpp_stanza_t * stanza, const char* type),        \
                     (stanza, type))

namespace tess {

namespace {

const char* const functionNames[] = {
#define STROPHE_FUNCTION(ret, name, params, args) #name,
    TESS_STROPHE_FUNCTIONS
#undef STROPHE_FUNCTION
};

struct Opened {
    std::unique_ptr<QLibrary> library;
    QString error;
};

Opened open(const QString& name, int version) {
    Opened opened;
    auto library = std::make_unique<QLibrary>(name, version);
    // Never unloaded: its threads and OpenSSL's state live as long as the program.
    library->setLoadHints(QLibrary::PreventUnloadHint);
    if (!library->load()) {
        opened.error = QCoreApplication::translate("tess::StropheLibrary",
                                                   "The library for going online could not be "
                                                   "loaded: %1")
                           .arg(library->errorString());
        return opened;
    }
    for (const char* function : functionNames)
        if (library->resolve(function) == nullptr) {
            opened.error = QCoreApplication::translate("tess::StropheLibrary",
                                                       "The library for going online, %1, lacks "
                                                       "the function %2.")
                               .arg(library->fileName(), QString::fromLatin1(function));
            return opened;
        }
    opened.library = std::move(library);
    return opened;
}

const Opened& systemStrophe() {
    static const Opened opened = open(QStringLiteral("strophe"), 0);
    return opened;
}

}  // namespace

QString loadStrophe() { return systemStrophe().error; }

QString checkStropheLibrary(const QString& name, int version) { return open(name, version).error; }

// For the stand-ins below.
QFunctionPointer stropheFunction(const char* name) {
    const Opened& opened = systemStrophe();
    if (!opened.library) {
        std::fprintf(stderr, "tessarine: %s\n", qPrintable(opened.error));
        std::abort();
    }
    return opened.library->resolve(name);
}

}  // namespace tess

// The stand-ins, each with the name and type of the function it passes the call on to.
extern "C" {
#define STROPHE_FUNCTION(ret, name, params, args)                                                 \
    ret name params {                                                                             \
        static const auto real = reinterpret_cast<decltype(&name)>(tess::stropheFunction(#name)); \
        return real args;                                                                         \
    }
TESS_STROPHE_FUNCTIONS
#undef STROPHE_FUNCTION
}
