// The client's one routing table: every command word the host may send, with the part
// of the client that handles it. No Qt: the model's tests feed lines through it too.
#pragma once

#include <string_view>
#include <vector>

#include "client/model/table_model.h"

namespace tess {

// What the main window handles: the login request, players coming and going, chat and
// chatter sounds.
class PlayerEvents {
public:
    virtual ~PlayerEvents() = default;
    virtual void sendlogininfo(std::string_view rest) = 0;
    virtual void chatrecieved(std::string_view rest) = 0;
    virtual void newplayerinfo(std::string_view rest) = 0;
    virtual void existingplayers(std::string_view rest) = 0;
    virtual void playerdisconnected(std::string_view rest) = 0;
    virtual void havewrongversion(std::string_view rest) = 0;
    virtual void wrongversion(std::string_view rest) = 0;
    virtual void full(std::string_view rest) = 0;
    virtual void playasound(std::string_view rest) = 0;
};

// One word and its handler: the table model's or the window's, never both.
struct ClientRoute {
    std::string_view word;
    TableModel::Handler model = nullptr;
    void (PlayerEvents::*window)(std::string_view) = nullptr;
};

// Every word the client handles, each once.
const std::vector<ClientRoute>& clientRoutes();

}  // namespace tess
