#include "tests/support/table_play.h"

namespace tess::testing {

std::string moveRequest(int seat, const std::optional<BotMove>& move) {
    const std::string s = std::to_string(seat);
    if (!move) return "CMD_endturn+" + s + "+";
    static const char* words[] = {"CMD_handplay", "CMD_tabplay", "CMD_handfound", "CMD_tabfound"};
    return std::string(words[move->kind]) + "+" + s + "+" + std::to_string(move->from) + "+" +
           std::to_string(move->to) + "+";
}

bool isMoveAnswer(const std::string& line) {
    for (const char* word : {"CMD_playhand+", "CMD_playtab+", "CMD_foundcard+", "CMD_foundtab+",
                             "CMD_ending+", "CMD_nomorecards+", "CMD_endround+"})
        if (line.rfind(word, 0) == 0) return true;
    return false;
}

std::unique_ptr<TestClient> joinTable(quint16 port, const std::string& name) {
    auto client = std::make_unique<TestClient>(port);
    client->login(name);
    client->waitForPrefix("CMD_newplayerinfo+" + std::to_string(client->slot()) + "+");
    return client;
}

std::string settle(TestClient& client) {
    static int syncs = 0;
    const std::string mark = "sync" + std::to_string(++syncs);
    client.send("CMD_chat+" + std::to_string(client.slot()) + "+" + mark + "|clBlack");
    client.waitFor([&](const std::string& line) {
        return line.rfind("CMD_chat+", 0) == 0 && line.find(mark) != std::string::npos;
    });
    return mark;
}

int playToTheEnd(const TableState& table, VirtualClock& clock,
                 const std::map<int, TestClient*>& players,
                 const std::function<bool()>& afterMove) {
    int moves = 0;
    for (int step = 0; step < 200'000 && table.inProgress; ++step) {
        const auto player = players.find(table.currentSeat);
        if (table.inBreak || player == players.end()) {
            clock.advance(250);
            continue;
        }
        TestClient& client = *player->second;
        settle(client);  // everything announced so far has reached the client
        client.skipSeen();
        client.send(moveRequest(table.currentSeat, chooseBotMove(table, table.currentSeat)));
        if (client.waitFor(isMoveAnswer).empty()) return -1;
        ++moves;
        if (afterMove && !afterMove()) break;
    }
    return moves;
}

}  // namespace tess::testing
