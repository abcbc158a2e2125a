// Helpers for tests that play at a real host through TestClients.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "engine/bot.h"
#include "engine/table.h"
#include "engine/virtual_clock.h"
#include "tests/support/test_client.h"

namespace tess::testing {

// The request line for a seat's move (or a draw when there is none).
std::string moveRequest(int seat, const std::optional<BotMove>& move);
// The host's answer to a move or a draw.
bool isMoveAnswer(const std::string& line);
// Connects and logs in; returns once the host has announced the player.
std::unique_ptr<TestClient> joinTable(quint16 port, const std::string& name);
// Returns once the host has handled everything `client` sent before: the host handles
// lines in arrival order, so the relay of a chat sent now comes after them. Returns the
// chat's text, which differs from call to call.
std::string settle(TestClient& client);

// Plays the seats in `players` with the bot's own choice of move until the game ends,
// running the host's virtual clock while others play or the table rests. `afterMove`
// runs after each answered move; returning false stops the game there. Returns the
// moves made, or -1 when a move got no answer.
int playToTheEnd(const TableState& table, VirtualClock& clock,
                 const std::map<int, TestClient*>& players,
                 const std::function<bool()>& afterMove = {});

}  // namespace tess::testing
